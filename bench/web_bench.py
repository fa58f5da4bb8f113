"""The web edition's speed in headless Chromium, beside the desktop figures: load to the first
complete picture, cold, against an empty page with the same font (the floor); keydown to page
updated; and the size of the site. Reports numbers; never fails on time.
Usage: web_bench.py SITE_FOLDER [--runs N] [--keys N]
"""
import argparse
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

import browser  # noqa: E402

# The least a page with the same font needs for its first picture: the font loaded, text drawn.
BODEN = """<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Boden</title>
<link rel="preload" href="fonts/LiberationSans-Regular.ttf" as="font" type="font/ttf" crossorigin>
<style>@font-face { font-family: "B"; src: url("fonts/LiberationSans-Regular.ttf"); }
body { font: 37px "B"; }</style></head>
<body>0<script>
document.fonts.load('37px "B"').then(() => requestAnimationFrame(() => requestAnimationFrame(() => {
    window.rechenmaschine = { bereit: performance.now() };
    document.documentElement.dataset.bereit = '1';
})));
</script></body></html>
"""

SEITE = ["index.html", "seite.js", "seite.css", "rechenmaschine.js", "rechenmaschine.wasm",
         "icon.svg"]


def laden(url):
    """One cold load in a fresh browser: ms from navigation to the first complete picture."""
    with browser.chromium() as driver:
        browser.load(driver, url, timeout=30)
        return driver.execute_script("return window.rechenmaschine.bereit")


def tasten(url, anzahl):
    """Keydown to page updated (ms) for Right in N(3), Up in S(2) and Right in A(6)."""
    with browser.chromium() as driver:
        browser.open_page(driver, url)
        ActionChains(driver).send_keys(Keys.TAB * 2).perform()
        ActionChains(driver).send_keys(Keys.ARROW_RIGHT * anzahl).perform()
        ActionChains(driver).send_keys(Keys.TAB * 9).perform()
        ActionChains(driver).send_keys((Keys.ARROW_RIGHT + Keys.ARROW_UP) * (anzahl // 2)).perform()
        return driver.execute_script("return window.rechenmaschine.tastenzeiten")


def main():
    args = argparse.ArgumentParser()
    args.add_argument("site")
    args.add_argument("--runs", type=int, default=10)
    args.add_argument("--keys", type=int, default=300)
    a = args.parse_args()
    with tempfile.TemporaryDirectory() as ordner:
        site = os.path.join(ordner, "site")
        shutil.copytree(a.site, site)
        with open(os.path.join(site, "boden.html"), "w", encoding="utf-8") as f:
            f.write(BODEN)
        with browser.server(site) as url:
            boden_url = url.replace("index.html", "boden.html")
            laden(url)  # warm the disk cache; each load below has a fresh browser profile
            seite, boden = [], []
            for _ in range(a.runs):
                seite.append(laden(url))
                boden.append(laden(boden_url))
            zeiten = sorted(tasten(url, a.keys))
    groesse = sum(len(gzip.compress(open(os.path.join(a.site, d), "rb").read(), 9)) for d in SEITE)
    schrift = os.path.getsize(os.path.join(a.site, "fonts", "LiberationSans-Regular.ttf"))
    ms, mb = statistics.median(seite), statistics.median(boden)
    print(f"{'web edition':34} {'page':>12} {'floor':>12} {'ratio':>8} {'target':>8}")
    print(f"{'load to first picture (ms)':34} {ms:12.1f} {mb:12.1f} {ms / mb:8.2f} {'<= 1.5':>8}")
    print(f"{'keydown to page updated, median (ms)':34} {zeiten[len(zeiten) // 2]:12.2f}")
    print(f"{'keydown to page updated, p95 (ms)':34} {zeiten[int(len(zeiten) * 0.95)]:12.2f}"
          f" {'':12} {'':8} {'< 4':>8}")
    print(f"{'site without the font, gzip (KB)':34} {groesse / 1000:12.1f}"
          f" {'':12} {'':8} {'< 60':>8}")
    print(f"(load: median of {a.runs} cold loads each, fresh profile, from navigation to the page's "
          f"ready mark after its first complete paint; keys: {len(zeiten)} presses; the font, "
          f"{schrift / 1000:.0f} KB uncompressed, comes on top)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
