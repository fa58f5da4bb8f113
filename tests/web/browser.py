"""The built web page in a headless browser, served on 127.0.0.1 or opened from disk: shared by
the web tests and the web benchmark. Chromium is driven through Selenium and its driver,
Firefox ESR over WebDriver BiDi, which it speaks itself (Debian has no geckodriver); both offer
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
from selenium.webdriver.common.by import By

# Viewport just larger than the window.
BREITE, HOEHE = 640, 600


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
    (the DevTools protocol, ActionChains) is Selenium's own."""
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
        """A mouse click in the middle of the element, wherever that lands."""
        ActionChains(self._driver).move_to_element(
            self._driver.find_element(By.ID, element_id)).click().perform()

    def bild(self, element_id):
        return self._driver.find_element(By.ID, element_id).screenshot_as_png


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
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": BREITE, "height": HOEHE, "deviceScaleFactor": scale, "mobile": False})
            # As a window the user is working in: without it, a headless window that the
            # system has not given the focus draws no focus frame.
            driver.execute_cdp_cmd("Emulation.setFocusEmulationEnabled", {"enabled": True})
            yield Chromium(driver)
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
        self.rufe("browsingContext.setViewport", context=self._kontext,
                  viewport={"width": BREITE, "height": HOEHE}, devicePixelRatio=scale)

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

    def _funktion(self, koerper):
        return self.rufe("script.callFunction", functionDeclaration=f"function() {{{koerper}}}",
                         awaitPromise=False, target={"context": self._kontext},
                         resultOwnership="root")

    def execute_script(self, koerper):
        antwort = self._funktion(koerper)
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
    return {"chromium": chromium, "firefox": firefox}[name](scale)


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
