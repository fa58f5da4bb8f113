"""The built web page in a browser, served on 127.0.0.1 or opened from disk: shared by the web
tests and the web benchmark. Chromium (headless) and WebKitGTK's MiniBrowser, Safari's engine
(in the display it is given), are driven through Selenium and their drivers, Firefox ESR
(headless) over WebDriver BiDi, which it speaks itself (Debian has no geckodriver); all offer
the few calls the tests make: get, execute_script, title, tasten, klicke, bild."""
import base64
import contextlib
import functools
import http.server
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import time

import websocket
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

    def bild(self, element_id):
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

    def bild(self, element_id):
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


def _wert(r):
    """A value as WebDriver BiDi serialises it, as Python."""
    art, wert = r["type"], r.get("value")
    if art in ("array", "set"):
        return [_wert(v) for v in wert]
    if art == "object":
        return {k if isinstance(k, str) else _wert(k): _wert(v) for k, v in wert}
    if art == "number" and isinstance(wert, float) and wert.is_integer():
        return int(wert)
    return None if art in ("null", "undefined") else wert


class Firefox:
    """Firefox ESR over WebDriver BiDi on a WebSocket."""
    name = "firefox"

    def __init__(self, profile, scale):
        self._prozess = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port", "0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        adresse = None
        for zeile in self._prozess.stderr:
            m = re.search(r"WebDriver BiDi listening on (ws://\S+)", zeile)
            if m:
                adresse = m.group(1)
                break
        if adresse is None:
            raise RuntimeError("Firefox ended before it listened for WebDriver BiDi")
        # Its chatter must be read, or a full pipe stops it.
        threading.Thread(target=self._prozess.stderr.read, daemon=True).start()
        # A request with an Origin header is refused unless that origin was allowed.
        self._ws = websocket.create_connection(adresse + "/session", suppress_origin=True)
        self._nummer = 0
        self.rufe("session.new", capabilities={})
        # The tab Firefox opens with never gets the focus when headless, and without it no field
        # matches :focus or shows its caret: a tab opened in the foreground does.
        self._kontext = self.rufe("browsingContext.create", type="tab", background=False)["context"]
        self.viewport(BREITE, HOEHE, scale)

    def viewport(self, breite, hoehe, scale=1.0, mobile=False):
        self.rufe("browsingContext.setViewport", context=self._kontext,
                  viewport={"width": breite, "height": hoehe}, devicePixelRatio=scale)

    def rufe(self, methode, **parameter):
        self._nummer += 1
        self._ws.send(json.dumps({"id": self._nummer, "method": methode, "params": parameter}))
        while True:  # events, which nobody subscribed to, and answers in order
            antwort = json.loads(self._ws.recv())
            if antwort.get("id") == self._nummer:
                if antwort.get("type") == "error":
                    raise RuntimeError(f"{methode}: {antwort.get('message')}")
                return antwort["result"]

    def schliesse(self):
        with contextlib.suppress(Exception):
            self.rufe("session.end")
        self._ws.close()
        self._prozess.terminate()
        try:
            self._prozess.wait(10)
        except subprocess.TimeoutExpired:
            self._prozess.kill()

    def get(self, url):
        self.rufe("browsingContext.navigate", context=self._kontext, url=url, wait="complete")

    def _funktion(self, koerper, *args):
        werte = [{"type": "string", "value": a} if isinstance(a, str) else {"type": "number", "value": a}
                 for a in args]
        return self.rufe("script.callFunction", functionDeclaration=f"function() {{{koerper}}}",
                         awaitPromise=False, target={"context": self._kontext},
                         arguments=werte, resultOwnership="root")

    def execute_script(self, koerper, *args):
        antwort = self._funktion(koerper, *args)
        if antwort["type"] == "exception":
            raise RuntimeError(antwort["exceptionDetails"]["text"])
        return _wert(antwort["result"])

    @property
    def title(self):
        return self.execute_script("return document.title")

    def _element(self, element_id):
        return {"sharedId": self._funktion(
            f"return document.getElementById({json.dumps(element_id)})")["result"]["sharedId"]}

    def tasten(self, folge):
        aktionen = []
        for senden, halten in folge:
            schritte = [halten] if halten else []
            aktionen += [{"type": "keyDown", "value": s} for s in schritte + [senden]]
            aktionen += [{"type": "keyUp", "value": s} for s in [senden] + schritte]
        self.rufe("input.performActions", context=self._kontext,
                  actions=[{"type": "key", "id": "tastatur", "actions": aktionen}])

    def klicke(self, element_id):
        self.rufe("input.performActions", context=self._kontext, actions=[{
            "type": "pointer", "id": "maus", "actions": [
                {"type": "pointerMove", "x": 0, "y": 0,
                 "origin": {"type": "element", "element": self._element(element_id)}},
                {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}])

    def bild(self, element_id):
        return base64.b64decode(self.rufe(
            "browsingContext.captureScreenshot", context=self._kontext,
            clip={"type": "element", "element": self._element(element_id)})["data"])


@contextlib.contextmanager
def firefox(scale=1.0):
    """Headless Firefox ESR with a fresh profile and the same viewport as Chromium's."""
    with tempfile.TemporaryDirectory() as profile:
        driver = Firefox(profile, scale)
        try:
            yield driver
        finally:
            driver.schliesse()


def starte(name, scale=1.0):
    return {"chromium": chromium, "firefox": firefox, "webkit": webkit}[name](scale)


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
