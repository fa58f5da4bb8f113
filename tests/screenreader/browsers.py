"""The browsers of the page's screen-reader test: how each is started with the page as its first
and only document, and what the accessibility bus shows of it."""
import json
import os
import pathlib

import pyatspi


def registered(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == name:
            return True
    return False


def browser(name, page, work):
    """The command line and accessibility name of the page in a browser's app window."""
    url = pathlib.Path(page).resolve().as_uri()
    profile = os.path.join(work, name)
    os.makedirs(profile)
    if name == "chromium":
        return ["chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run",
                "--no-default-browser-check", "--disable-gpu", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--disable-quic",
                f"--user-data-dir={profile}", "--window-size=640,600", f"--app={url}"], "chromium"
    # The page is the first and only document: no start page, welcome or upgrade page, and no
    # New Tab page loaded in the background for later (Orca says "Finished loading New Tab"
    # when that one is done, whenever that is).
    prefs = {"browser.shell.checkDefaultBrowser": False, "browser.aboutwelcome.enabled": False,
             "datareporting.policy.dataSubmissionEnabled": False,
             "toolkit.telemetry.reportingpolicy.firstRun": False,
             "browser.startup.homepage_override.mstone": "ignore",
             "startup.homepage_welcome_url": "", "startup.homepage_welcome_url.additional": "",
             "browser.startup.firstrunSkipsHomepage": True, "browser.startup.page": 0,
             "browser.startup.upgradeDialog.enabled": False, "browser.newtab.preload": False,
             "browser.newtabpage.enabled": False, "browser.startup.homepage": "about:blank",
             "browser.tabs.warmup.enabled": False}
    with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as f:
        f.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n" for k, v in prefs.items())
    return ["firefox-esr", "--no-remote", "--profile", profile, "--kiosk", url], "firefox"


def documents(name):
    """The names of the documents an application shows, as a screen reader finds them."""
    found = []

    def walk(node, depth):
        if node is None or depth > 14:
            return
        role = node.getRole()
        if role in (pyatspi.ROLE_DOCUMENT_WEB, pyatspi.ROLE_DOCUMENT_FRAME):
            found.append(node.name)
            return
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1)

    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == name:
            walk(app, 0)
    return found
