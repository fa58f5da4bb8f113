"""The web edition's speed in headless Chromium and in WebKitGTK (Safari's engine, in the
display of DISPLAY), beside the desktop figures: load to the first complete picture, cold, of
the hosted site and of the one file, each against an empty page with the same font (the floor);
keydown to page updated; a tap on a key on the screen to page updated, on an emulated tablet;
what a first visit fetches and the one file's size. Reports numbers; never fails on time.
Usage: web_bench.py SITE_FOLDER [--runs N] [--keys N]
"""
import argparse
import base64
import gzip
import json
import os
import pathlib
import re
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

import browser  # noqa: E402

# The least a page with the same font needs for its first picture: the font loaded, text drawn.
# FONT is the font's address: its file on the site, or the font itself for the one file.
BODEN = """<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Boden</title>
PRELOAD<style>@font-face { font-family: "B"; src: url("FONT"); }
body { font: 37px "B"; }</style></head>
<body>0<script>
document.fonts.load('37px "B"').then(() => requestAnimationFrame(() => requestAnimationFrame(() => {
    window.rechenmaschine = { bereit: performance.now() };
    document.documentElement.dataset.bereit = '1';
})));
</script></body></html>
"""


def boden(schrift, preload):
    vorlade = (f'<link rel="preload" href="{schrift}" as="font" type="font/woff2" crossorigin>\n'
               if preload else "")
    return BODEN.replace("PRELOAD", vorlade).replace("FONT", schrift)


def erster_besuch(site):
    """What a first visit fetches at most, gzip: every file the service worker keeps, the page
    and all it loads among them, plus the worker itself."""
    with open(os.path.join(site, "service_worker.js"), encoding="utf-8") as f:
        dateien = json.loads(re.search(r"const Dateien = (\[.*\]);", f.read()).group(1))
    dateien = [d for d in dateien if d != "./"] + ["service_worker.js"]
    return sum(len(gzip.compress(open(os.path.join(site, d), "rb").read(), 9)) for d in dateien)


def laden(url, engine):
    """One cold load in a fresh browser: ms from navigation to the first complete picture. The
    browser is given a second to finish its own start first: on two cores its start-up work
    otherwise falls on some loads and not on others, and swings them by a factor of two."""
    with browser.starte(engine) as driver:
        driver.get("about:blank")
        time.sleep(1.0)
        browser.load(driver, url, timeout=30)
        return driver.execute_script("return window.rechenmaschine.bereit")


# After the page's own handlers: a listener on the window hears an event once the field's or
# the key's listener has updated the page.
NACHHER = """
window.zeiten = [];
window.addEventListener(arguments[0], (e) => window.zeiten.push(performance.now() - e.timeStamp));
"""


def tasten(url, anzahl):
    """Keydown to page updated (ms) for Right in N(3), Up in S(2) and Right in A(6)."""
    with browser.chromium() as driver:
        browser.open_page(driver, url)
        driver.execute_script(NACHHER, "keydown")
        ActionChains(driver).send_keys(Keys.TAB * 2).perform()
        ActionChains(driver).send_keys(Keys.ARROW_RIGHT * anzahl).perform()
        ActionChains(driver).send_keys(Keys.TAB * 9).perform()
        ActionChains(driver).send_keys((Keys.ARROW_RIGHT + Keys.ARROW_UP) * (anzahl // 2)).perform()
        return driver.execute_script("return window.zeiten")


def tippen(url, anzahl):
    """A tap on the key Right on the screen to page updated (ms), on an emulated tablet: from
    the touch's time stamp to the end of its handler, as for keys; and the share of it before
    the page hears of the touch, the browser's own."""
    with browser.chromium() as driver:
        driver.viewport(820, 1180, 2, mobile=True)
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        browser.open_page(driver, url)
        driver.execute_script(NACHHER, "pointerdown")
        driver.execute_script("""
            window.vorher = [];
            document.addEventListener('pointerdown', (e) => {
                window.vorher.push(performance.now() - e.timeStamp);
            }, {capture: true});""")
        x, y = driver.execute_script(browser.MITTE, "[aria-label='Pfeil rechts']")
        for _ in range(anzahl):
            for art in ("touchStart", "touchEnd"):
                driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
                    "type": art, "touchPoints": [{"x": x, "y": y}] if art == "touchStart" else []})
        return driver.execute_script("return [window.zeiten, window.vorher]")


def main():
    args = argparse.ArgumentParser()
    args.add_argument("site")
    args.add_argument("--runs", type=int, default=10)
    args.add_argument("--keys", type=int, default=300)
    a = args.parse_args()
    web = os.path.dirname(os.path.abspath(a.site))
    einzeln_quelle = os.path.join(web, "rechenmaschine.html")
    with open(os.path.join(web, "..", "layout.json"), encoding="utf-8") as f:
        schriftdatei = json.load(f)["schriftdatei"]
    with tempfile.TemporaryDirectory() as ordner:
        site = os.path.join(ordner, "site")
        shutil.copytree(a.site, site)
        with open(os.path.join(site, "boden.html"), "w", encoding="utf-8") as f:
            f.write(boden(schriftdatei, preload=True))
        # The one file and its floor opened from disk, the floor with the same font inline.
        einzeln = os.path.join(ordner, "rechenmaschine.html")
        shutil.copyfile(einzeln_quelle, einzeln)
        with open(os.path.join(site, schriftdatei), "rb") as f:
            schrift = "data:font/woff2;base64," + base64.b64encode(f.read()).decode()
        einzeln_boden = os.path.join(ordner, "boden.html")
        with open(einzeln_boden, "w", encoding="utf-8") as f:
            f.write(boden(schrift, preload=False))
        einzeln_url = pathlib.Path(einzeln).as_uri()
        einzeln_boden_url = pathlib.Path(einzeln_boden).as_uri()
        with browser.server(site) as url:
            boden_url = url.replace("index.html", "boden.html")
            zeiten = {}
            for engine in ("chromium", "webkit"):
                laden(url, engine)  # warm the disk cache; each load below has a fresh profile
                laden(einzeln_url, engine)
                for name in ("site", "one file"):
                    zeiten[f"{engine}, {name}"] = ([], [])
            for _ in range(a.runs):  # interleaved, so that a busy moment falls on all alike
                for engine in ("chromium", "webkit"):
                    for name, seite, grund in [("site", url, boden_url),
                                               ("one file", einzeln_url, einzeln_boden_url)]:
                        zeiten[f"{engine}, {name}"][0].append(laden(seite, engine))
                        zeiten[f"{engine}, {name}"][1].append(laden(grund, engine))
            tasten_ms = sorted(tasten(url, a.keys))
            gesamt, vorher = tippen(url, a.keys // 2)
            tippen_ms = sorted(gesamt)
            seite_ms = sorted(g - v for g, v in zip(gesamt, vorher))
    print(f"{'web edition':44} {'page':>10} {'floor':>10} {'ratio':>8} {'target':>8}")
    for name, (seite, grund) in zeiten.items():
        ms, mb = statistics.median(seite), statistics.median(grund)
        print(f"{'load to first picture, ' + name + ' (ms)':44} {ms:10.1f} {mb:10.1f} "
              f"{ms / mb:8.2f} {'<= 1.5':>8}")
    for was, ms in [("keydown", tasten_ms), ("tap on a key", tippen_ms),
                    ("tap, the page's share", seite_ms)]:
        print(f"{was + ' to page updated, median (ms)':44} {ms[len(ms) // 2]:10.2f}")
        print(f"{was + ' to page updated, p95 (ms)':44} {ms[int(len(ms) * 0.95)]:10.2f}"
              f" {'':10} {'':8} {'< 4':>8}")
    print(f"{'first visit fetches, gzip (KB)':44} {erster_besuch(a.site) / 1000:10.1f}"
          f" {'':10} {'':8} {'< 50':>8}")
    print(f"{'one file, font included (KB)':44} {os.path.getsize(einzeln_quelle) / 1000:10.1f}"
          f" {'':10} {'':8} {'< 100':>8}")
    print(f"(load: median of {a.runs} cold loads each, fresh profile, from navigation to the page's "
          f"ready mark after its first complete paint, the browser started a second before; "
          f"the site served on 127.0.0.1, the one file from disk; keys: {len(tasten_ms)} "
          f"presses, taps: {len(tippen_ms)} on an emulated 820 x 1180 tablet; the first visit "
          f"counts the font and every file the service worker keeps)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
