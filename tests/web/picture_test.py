"""The web page looks like the desktop window: its screenshot in a headless browser, after
start and after a fixed sequence of keys, at 100 % and 200 % zoom, against the desktop
window's recorded pictures (tests/window/pictures), allowing a glyph to lie one pixel off.
Usage: picture_test.py chromium|firefox|webkit SITE_FOLDER_OR_ONE_FILE DESKTOP_PICTURE_FOLDER
"""
import os
import sys
import tempfile
from pathlib import Path

from selenium.webdriver.common.keys import Keys

import pictures
import browser

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
import layout  # noqa: E402  (tests/layout.py)

# As the desktop's picture test presses them: rods 3 and 7, row 6, a borrow, a digit stored.
FOLGE = [(t, None) for t in
         [Keys.TAB] + [Keys.ARROW_RIGHT] * 3 + [Keys.TAB] + [Keys.ARROW_LEFT] * 3
         + [Keys.ARROW_DOWN] + [Keys.TAB] * 5 + [Keys.ARROW_RIGHT] + [Keys.TAB] * 4
         + [Keys.ARROW_LEFT] + [Keys.TAB] * 3 + [Keys.ARROW_RIGHT]]

# WebKit places glyphs at fractions of a pixel where the desktop and the other engines round
# each advance to whole pixels: a long line of text comes out a few pixels wider, its glyphs up
# to 5 pixels off at its ends. Borders, colours and every glyph are still compared.
SPIEL = {"webkit": 5}

# The field focused in each picture: inside its frame the browser's caret blinks there, the
# desktop's does not.
FOKUS = {"start": "N1", "keys": "S3"}


def main(browsername, site, vorlagen):
    tabelle = layout.vom_bau(site)
    gleich = 0
    with browser.page(site) as url:
        for skala in (1, 2):
            with browser.starte(browsername, skala) as driver:
                browser.open_page(driver, url)
                for name in ("start", "keys"):
                    if name == "keys":
                        driver.tasten(FOLGE)
                    png = driver.aufnahme("fenster")
                    ist = pictures.lies(png)
                    soll = pictures.lies(os.path.join(vorlagen, f"{name}@{skala}.png"))
                    x, y, w, h = layout.element(tabelle, FOKUS[name])
                    x, y, w, h = x + 2, y + 2, w - 4, h - 4
                    n, wo = pictures.unterschied(ist, soll, skala,
                                                 [(x * skala, y * skala, w * skala, h * skala)],
                                                 SPIEL.get(browsername, 1))
                    if n == 0:
                        gleich += 1
                        print(f"ok   {name} at {skala * 100} %")
                    else:
                        datei = os.path.join(tempfile.gettempdir(),
                                             f"web-{browsername}-{name}@{skala}.png")
                        with open(datei, "wb") as f:
                            f.write(png)
                        print(f"FAIL {name} at {skala * 100} %: {wo} (device pixels); "
                              f"the page as drawn is in {datei}")
    print(f"pictures ({browsername}): {gleich} alike")
    return 0 if gleich == 4 else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
