"""The built web page in headless Chromium, served on 127.0.0.1 or opened from disk: shared by
the web tests and the web benchmark."""
import contextlib
import functools
import http.server
import os
import pathlib
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait


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
                "width": 640, "height": 600, "deviceScaleFactor": scale, "mobile": False})
            # As a window the user is working in: without it, a headless window that the
            # system has not given the focus draws no focus frame.
            driver.execute_cdp_cmd("Emulation.setFocusEmulationEnabled", {"enabled": True})
            yield driver
        finally:
            driver.quit()


def load(driver, url, timeout=10):
    """Loads a page and waits for the mark it sets after its first complete picture."""
    driver.get(url)
    WebDriverWait(driver, timeout).until(
        lambda d: d.execute_script("return document.documentElement.dataset.bereit === '1'"))


def open_page(driver, url, timeout=10):
    """Loads the machine's page; returns its window."""
    load(driver, url, timeout)
    return driver.find_element(By.ID, "fenster")
