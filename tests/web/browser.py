"""The built web page in a browser, served on 127.0.0.1 or opened from disk: shared by the web
tests and the web benchmark. Chromium (headless) and WebKitGTK's MiniBrowser, Safari's engine
(in the display it is given), are driven through Selenium and their drivers, Firefox ESR
(headless) over WebDriver BiDi, which it speaks itself (Debian has no geckodriver); all offer
the few calls the tests make: get, execute_script, title, tasten, klicke, aufnahme (Firefox's
driver is in firefox.py)."""
import contextlib
import functools
import http.server
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.service import Service as WebKitService

WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
# Viewport just larger than the window.
BREITE, HOEHE = 640, 600


# The middle of an element in the viewport, as a pointer would aim at it. WebKit gives the
# rectangle of an element in a zoomed box divided by the zoom: scaled back here.
MITTE = """
const el = typeof arguments[0] === 'string' ? document.querySelector(arguments[0]) : arguments[0];
const r = el.getBoundingClientRect();
let zoom = 1;
for (let e = el; e; e = e.parentElement) zoom *= parseFloat(getComputedStyle(e).zoom) || 1;
const z = el.offsetWidth && Math.abs(r.width - el.offsetWidth) < 0.5 ? zoom : 1;
return [Math.round((r.x + r.width / 2) * z), Math.round((r.y + r.height / 2) * z)];
"""


class _Stumm(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # keep connections open, as any real web server does

    def log_message(self, *args):
        pass


class _Einmal(_Stumm):
    protocol_version = "HTTP/1.0"


class _Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes a kept-alive connection, or quits, is no error of the site.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


@contextlib.contextmanager
def server(site, keep_alive=True):
    """Serves the site folder on a free port of 127.0.0.1; yields the page's address. Without
    keep_alive each connection closes after its answer: nothing is served once it is shut."""
    handler = functools.partial(_Stumm if keep_alive else _Einmal, directory=site)
    httpd = _Server(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=httpd.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{httpd.server_address[1]}/index.html"
    finally:
        httpd.shutdown()
        httpd.server_close()


@contextlib.contextmanager
def page(where):
    """The page's address: a site folder served on 127.0.0.1, or the one-file edition opened
    from disk as a student opens it from a USB stick."""
    if os.path.isdir(where):
        with server(where) as url:
            yield url
    else:
        yield pathlib.Path(where).resolve().as_uri()


class Chromium:
    """Selenium's Chrome driver with the calls the tests share with Firefox; everything else
    (the DevTools protocol, ActionChains) is Selenium's own. WebKit's driver is the same but
    for its name."""
    name = "chromium"

    def __init__(self, driver):
        self._driver = driver

    def __getattr__(self, attr):
        return getattr(self._driver, attr)

    def tasten(self, folge):
        """Presses each (key, modifier held or None) in turn."""
        kette = ActionChains(self._driver)
        for senden, halten in folge:
            if halten:
                kette.key_down(halten)
            kette.send_keys(senden)
            if halten:
                kette.key_up(halten)
        kette.perform()

    def klicke(self, element_id):
        """A mouse click in the middle of the element, wherever that lands (a panel takes no
        clicks: WebKit's driver refuses to aim at it)."""
        x, y = self._driver.execute_script(MITTE, f"#{element_id}")
        aktion = ActionBuilder(self._driver)
        aktion.pointer_action.move_to_location(x, y).click()
        aktion.perform()

    def aufnahme(self, element_id):
        return self._driver.find_element(By.ID, element_id).screenshot_as_png

    def viewport(self, breite, hoehe, scale=1.0, mobile=False):
        self._driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": breite, "height": hoehe, "deviceScaleFactor": scale, "mobile": mobile})


@contextlib.contextmanager
def chromium(scale=1.0):
    """Headless Chromium with a fresh profile, nothing fetched from elsewhere, a viewport just
    larger than the window and the given device pixel ratio (the browser's zoom)."""
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                     "--force-color-profile=srgb", "--font-render-hinting=none",
                     f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            Chromium(driver).viewport(BREITE, HOEHE, scale)
            # As a window the user is working in: without it, a headless window that the
            # system has not given the focus draws no focus frame.
            driver.execute_cdp_cmd("Emulation.setFocusEmulationEnabled", {"enabled": True})
            yield Chromium(driver)
        finally:
            driver.quit()


class WebKit(Chromium):
    name = "webkit"

    def viewport(self, breite, hoehe, scale=1.0, mobile=False):
        """The window's size less its toolbar; the scale is the display's."""
        self._driver.set_window_size(breite, hoehe)
        innen = self._driver.execute_script("return [innerWidth, innerHeight]")
        self._driver.set_window_size(2 * breite - innen[0], 2 * hoehe - innen[1])

    def get(self, url):
        self._driver.get(url)
        # Its own display has no window manager to make the browser's window the active one,
        # and without that no field matches :focus: a student's window has the focus.
        for fenster in subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "MiniBrowser"],
                                      capture_output=True, text=True).stdout.split():
            subprocess.run(["xdotool", "windowfocus", "--sync", fenster], check=False)

    def aufnahme(self, element_id):
        """The element cut from a picture of the viewport: the driver's picture of an element
        is taken a toolbar's height too high. Two frames after the last key, or it may show the
        picture before it."""
        x, y, b, h = self._driver.execute_async_script(
            f"const r = document.getElementById({json.dumps(element_id)}).getBoundingClientRect();"
            "const d = devicePixelRatio, fertig = arguments[0];"
            "requestAnimationFrame(() => requestAnimationFrame(() => fertig("
            "[r.x * d, r.y * d, r.width * d, r.height * d].map(Math.round))));")
        return subprocess.run(["convert", "png:-", "-crop", f"{b}x{h}+{x}+{y}", "+repage", "png:-"],
                              input=self._driver.get_screenshot_as_png(), capture_output=True,
                              check=True).stdout


@contextlib.contextmanager
def webkit(scale=1.0):
    """WebKitGTK's MiniBrowser, started by its WebDriver, in the display of DISPLAY; the
    viewport as Chromium's, the zoom as the device pixel ratio (GDK_SCALE, whole only)."""
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    os.environ["GDK_SCALE"] = str(int(scale))  # read by the browser the driver starts
    try:
        driver = webdriver.WebKitGTK(options=options, service=WebKitService(WEBKIT_DRIVER))
    except TypeError:  # Selenium before 4.10 (Debian 12) takes the driver's path instead
        driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)
    try:
        webkit = WebKit(driver)
        webkit.viewport(BREITE, HOEHE)
        yield webkit
    finally:
        driver.quit()


def starte(name, scale=1.0):
    if name == "firefox":
        import firefox  # noqa: E402 (only where it is used: it needs a WebSocket client)
        return firefox.firefox(scale)
    return {"chromium": chromium, "webkit": webkit}[name](scale)


def load(driver, url, timeout=10):
    """Loads a page and waits for the mark it sets after its first complete picture."""
    driver.get(url)
    ende = time.monotonic() + timeout
    while driver.execute_script("return document.documentElement.dataset.bereit") != "1":
        if time.monotonic() > ende:
            raise TimeoutError(f"{url}: no complete picture after {timeout} s")
        time.sleep(0.02)


def open_page(driver, url, timeout=10):
    """Loads the machine's page."""
    load(driver, url, timeout)
