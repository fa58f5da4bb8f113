"""Firefox ESR over WebDriver BiDi, which it speaks itself (Debian has no geckodriver), with the
calls the tests share with the other browsers' drivers (browser.py)."""
import base64
import contextlib
import json
import re
import subprocess
import tempfile
import threading

import websocket

from browser import BREITE, HOEHE


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

    def aufnahme(self, element_id):
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
