"""The web edition's speed in Chromium, Firefox and WebKitGTK (Safari's engine, in the display of
DISPLAY), beside the desktop figures: the page ready against its floor, cold, in both editions;
keydown to page updated; a tap on a key on the screen to page updated, on an emulated tablet;
what a first visit fetches and the one file's size. Reports numbers; never fails on time.

Ready: the start picture on the screen (rods drawn, row 5 red, the font there, two frames later)
and the machine taking keys. The floor: the page's own window as the build writes it (the same
markup, style and font, the panels empty) with no script, marked the same way; the old floor, an
empty page with one digit in the font, on a second line. WebKit is measured with accelerated
compositing off, which stands for the page's own work where no GPU is present, and with it on on
a line of its own. Page and floor loads alternate, in three sets; each ratio is the median of all
loads, beside the lowest and highest of the three sets' ratios.
Usage: web_bench.py SITE_FOLDER [--runs N] [--keys N]   (--runs: loads of each in each set)
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
from selenium.webdriver.common.keys import Keys  # noqa: E402

import browser  # noqa: E402

# The mark both the page and its floors set: the font there, two frames later.
MARKE = """<script>
document.fonts.load('1em "FONT"').then(() => requestAnimationFrame(() => requestAnimationFrame(() => {
    window.rechenmaschine = {bereit: performance.now()};
    document.documentElement.dataset.bereit = '1';
})));
</script>"""
LEER = """<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Boden</title>
PRELOAD<style>@font-face { font-family: "FONT"; src: url("DATEI"); }
body { font: 37px "FONT"; }</style></head>
<body>0MARKE</body></html>
"""


def boden(seite, schrift):
    """The page's own window without its scripts (the machine and the page's) and with its
    panels empty, marked as the page marks itself."""
    ohne = re.sub(r"<script>.*?</script>\n?", "", seite, flags=re.S)
    ohne = re.sub(r'(<div [^>]*class="tafel"[^>]*>).*?(</div>)', r"\1\2", ohne, flags=re.S)
    ohne = ohne.replace('<noscript><style>#fenster { display: none; }</style></noscript>\n', "")
    return ohne.replace("</body>", MARKE.replace("FONT", schrift) + "\n</body>")


def leer(schrift, datei, preload):
    vorlade = (f'<link rel="preload" href="{datei}" as="font" type="font/woff2" crossorigin>\n'
               if preload else "")
    return (LEER.replace("PRELOAD", vorlade).replace("DATEI", datei)
            .replace("MARKE", MARKE).replace("FONT", schrift))


def erster_besuch(site):
    """What a first visit fetches at most, gzip: every file the service worker keeps, the page
    and all it loads among them, plus the worker itself."""
    with open(os.path.join(site, "service_worker.js"), encoding="utf-8") as f:
        dateien = json.loads(re.search(r"const Dateien = (\[.*\]);", f.read()).group(1))
    dateien = [d for d in dateien if d != "./"] + ["service_worker.js"]
    return sum(len(gzip.compress(open(os.path.join(site, d), "rb").read(), 9)) for d in dateien)


def laden(url, maschine):
    """One cold load in a fresh browser: ms from navigation to the ready mark. The browser is
    given a second to finish its own start first: on two cores its start-up work otherwise falls
    on some loads and not on others, and swings them by a factor of two."""
    engine, _, mit = maschine.partition("+")
    os.environ.pop("WEBKIT_DISABLE_COMPOSITING_MODE", None)
    if engine == "webkit" and mit != "compositing":
        os.environ["WEBKIT_DISABLE_COMPOSITING_MODE"] = "1"  # read by the browser the driver starts
    with browser.starte(engine) as driver:
        driver.get("about:blank")
        time.sleep(1.0)
        browser.load(driver, url, timeout=30)
        return driver.execute_script("return window.rechenmaschine.bereit")


# Heard before the page's handler (capture on the window) and after it (bubbling to the window):
# for keys, from the event's time stamp to the page updated; for taps, from the moment the page
# hears the touch, with the engine's delivery before it apart.
HORCHER = """
window.zeiten = [];
window.addEventListener(arguments[0], (e) => { e.gehoert = performance.now(); }, true);
window.addEventListener(arguments[0], (e) => {
    const jetzt = performance.now();
    window.zeiten.push([jetzt - e.timeStamp, jetzt - e.gehoert, e.gehoert - e.timeStamp]);
});
"""


def tasten(url, engine, anzahl):
    """Keydown to page updated (ms) for Right in N(3), then Right and Up in turn in A(6)."""
    with browser.starte(engine) as driver:
        browser.open_page(driver, url)
        driver.execute_script(HORCHER, "keydown")
        driver.tasten([(Keys.TAB, None)] * 2 + [(Keys.ARROW_RIGHT, None)] * (anzahl // 2)
                      + [(Keys.TAB, None)] * 9
                      + [(Keys.ARROW_RIGHT, None), (Keys.ARROW_UP, None)] * (anzahl // 4))
        return [z[0] for z in driver.execute_script("return window.zeiten")]


def tippen(url, anzahl):
    """The key Right on the screen tapped on an emulated tablet: (page's share, delivery) ms."""
    with browser.chromium() as driver:
        driver.viewport(820, 1180, 2, mobile=True)
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        browser.open_page(driver, url)
        driver.execute_script(HORCHER, "pointerdown")
        x, y = driver.execute_script(browser.MITTE, "[aria-label='Pfeil rechts']")
        for _ in range(anzahl):
            for art in ("touchStart", "touchEnd"):
                driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
                    "type": art, "touchPoints": [{"x": x, "y": y}] if art == "touchStart" else []})
        zeiten = driver.execute_script("return window.zeiten")
        return [z[1] for z in zeiten], [z[2] for z in zeiten]


def quantile(werte, q):
    werte = sorted(werte)
    return werte[min(len(werte) - 1, int(len(werte) * q))]


def main():
    args = argparse.ArgumentParser()
    args.add_argument("site")
    args.add_argument("--runs", type=int, default=10)
    args.add_argument("--keys", type=int, default=300)
    args.add_argument("--engines", default="chromium,firefox,webkit,webkit+compositing")
    a = args.parse_args()
    web = os.path.dirname(os.path.abspath(a.site))
    einzeln_quelle = os.path.join(web, "rechenmaschine.html")
    with open(os.path.join(web, "..", "layout.json"), encoding="utf-8") as f:
        layout = json.load(f)
    schrift, datei = layout["schrift"], layout["schriftdatei"]
    with tempfile.TemporaryDirectory() as ordner:
        site = os.path.join(ordner, "site")
        shutil.copytree(a.site, site)
        einzeln = os.path.join(ordner, "rechenmaschine.html")
        shutil.copyfile(einzeln_quelle, einzeln)
        with open(os.path.join(site, datei), "rb") as f:
            inline = "data:font/woff2;base64," + base64.b64encode(f.read()).decode()
        dateien = {  # name: (folder, contents)
            "boden.html": (site, boden(open(os.path.join(site, "index.html")).read(), schrift)),
            "leer.html": (site, leer(schrift, datei, True)),
            "boden-einzeln.html": (ordner, boden(open(einzeln).read(), schrift)),
            "leer-einzeln.html": (ordner, leer(schrift, inline, False)),
        }
        for name, (wo, inhalt) in dateien.items():
            with open(os.path.join(wo, name), "w", encoding="utf-8") as f:
                f.write(inhalt)
        uri = lambda name: pathlib.Path(os.path.join(ordner, name)).as_uri()
        with browser.server(site) as url:
            neben = lambda name: url.replace("index.html", name)
            seiten = {"site": (url, neben("boden.html"), neben("leer.html")),
                      "one file": (uri("rechenmaschine.html"), uri("boden-einzeln.html"),
                                   uri("leer-einzeln.html"))}
            maschinen = a.engines.split(",")
            zeiten = {(m, s): ([], [], []) for m in maschinen for s in seiten}
            for m in maschinen:  # warm the disk cache; each load below has a fresh profile
                for s in seiten.values():
                    laden(s[0], m)
            for satz in range(3):
                for _ in range(a.runs):  # interleaved, so that a busy moment falls on all alike
                    for (m, s), (seite, grund, alt) in ((k, seiten[k[1]]) for k in zeiten):
                        zeiten[m, s][0].append(laden(seite, m))
                        zeiten[m, s][1].append(laden(grund, m))
                        if satz == 0 and "+" not in m:
                            zeiten[m, s][2].append(laden(alt, m))
            taste = {e: tasten(url, e, a.keys) for e in maschinen if "+" not in e}
            tap, zustellung = tippen(url, a.keys // 2) if "chromium" in maschinen else ([0], [0])
    median = statistics.median
    print(f"{'web edition: page ready':44} {'page':>8} {'floor':>8} {'ratio':>6} {'sets':>11} "
          f"{'target':>7}")
    for (m, s), (seite, grund, alt) in zeiten.items():
        n = len(seite) // 3
        saetze = [median(seite[k::3]) / median(grund[k::3]) for k in range(3)] if n else [0]
        name = f"{m.replace('+', ' with ')}, {s} (ms)"
        ziel = "<= 1.25" if "+" not in m else ""
        print(f"{name:44} {median(seite):8.1f} {median(grund):8.1f} {median(seite) / median(grund):6.2f}"
              f" {min(saetze):5.2f}-{max(saetze):4.2f} {ziel:>7}")
        if alt:
            print(f"{'  against an empty page with one digit':44} {'':8} {median(alt):8.1f}"
                  f" {median(seite) / median(alt):6.2f}")
    for was, ms, ziel in ([(f"keydown, {e}", t, "< 4") for e, t in taste.items()]
                          + [("tap on a key, from the page's handler", tap, "< 4"),
                             ("  the engine's delivery before it", zustellung, "")]):
        print(f"{was + ', median / p95 (ms)':44} {median(ms):8.2f} {quantile(ms, 0.95):8.2f}"
              f" {'':6} {'':11} {ziel:>7}")
    print(f"{'first visit fetches, gzip (KB)':44} {erster_besuch(a.site) / 1000:8.1f}"
          f" {'':8} {'':6} {'':11} {'< 55':>7}")
    print(f"{'one file, font included (KB)':44} {os.path.getsize(einzeln_quelle) / 1000:8.1f}"
          f" {'':8} {'':6} {'':11} {'< 110':>7}")
    print(f"(ready: medians of {3 * a.runs} cold loads each in three sets of {a.runs}, fresh "
          f"profile, from navigation to the ready mark, the browser started a second before, "
          f"page and floor alternating; the site served on 127.0.0.1, the one file from disk; "
          f"keys: {a.keys} presses, taps: {a.keys // 2} on an emulated 820 x 1180 tablet)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
