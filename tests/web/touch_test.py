"""The page worked without a keyboard: by touch on an emulated tablet and phone (Chromium's
touch emulation), and by mouse at a whiteboard in every engine.

On each touch screen the window and its keys must be whole and unscrolled; in both tablet
orientations a student does 347 x 6 by taps alone. At a whiteboard the keys are shown by one
control and remembered, and the window fills the screen by another.
Usage: touch_test.py chromium|firefox|webkit SITE_FOLDER_OR_ONE_FILE
"""
import sys
import time

from selenium.webdriver.common.keys import Keys

import browser

ZUSTAND = """
const s = window.rechenmaschine.seite;
return [s.felder.map((f) => f.value).join(''), document.activeElement.id,
        s.rufe('rm_bild').reihe, document.getElementById('ansage').textContent];
"""
GANZ = """
const b = document.getElementById('buehne').getBoundingClientRect();
const t = document.getElementById('tasten');
return [b.left >= 0 && b.top >= 0 && b.right <= innerWidth && b.bottom <= innerHeight,
        !t.hidden && t.getBoundingClientRect().height > 0,
        document.scrollingElement.scrollHeight <= innerHeight &&
        document.scrollingElement.scrollWidth <= innerWidth];
"""
# 347 x 6: the rods set to 3, 4, 7, row 6 (18 24 42), and those added in the adding unit at the
# hundreds, tens and ones: 1800 + 240 + 42.
RECHNUNG = (["Tab"] * 3 + ["Pfeil rechts"] * 3 + ["Tab"] + ["Pfeil rechts"] * 4 + ["Tab"]
            + ["Pfeil rechts"] * 7 + ["Pfeil runter"] + ["Tab"] * 4 + ["Pfeil rechts"] * 18
            + ["Tab"] + ["Pfeil rechts"] * 24 + ["Tab"] + ["Pfeil rechts"] * 42)

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)
    return ok


def taste(name):
    return f"[aria-label='{name}']"


def beruehre(driver, x, y, halten=0.0):
    for art in ("touchStart", "touchEnd"):
        punkte = [{"x": x, "y": y}] if art == "touchStart" else []
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": art, "touchPoints": punkte})
        if halten and art == "touchStart":
            time.sleep(halten)


def tippe(driver, name, halten=0.0, selektor=None):
    beruehre(driver, *driver.execute_script(browser.MITTE, selektor or taste(name)), halten)


def tablet(driver, url, breite, hoehe, rechnen):
    driver.viewport(breite, hoehe, 2, mobile=True)
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    browser.open_page(driver, url)
    groesse = f"{breite} x {hoehe}"
    check(driver.execute_script(GANZ) == [True] * 3, f"{groesse}: window and keys whole, no scrolling")
    if not rechnen:
        return
    for name in RECHNUNG:
        tippe(driver, name)
    ziffern, fokus, reihe, _ = driver.execute_script(ZUSTAND)
    check((ziffern[:12], fokus, reihe) == ("000347002082", "A6", 6),
          f"{groesse}: 347 x 6 by touch gives 002082 ({ziffern}, {fokus}, row {reihe})")
    vorher = driver.execute_script(ZUSTAND)
    for ziel in ("Nep2", "Label6", "Label2"):
        beruehre(driver, *driver.execute_script(browser.MITTE, f"#{ziel}"))
    beruehre(driver, breite - 3, hoehe - 3)  # beside the window
    check(driver.execute_script(ZUSTAND) == vorher,
          f"{groesse}: a tap on a panel, a label or beside the window changes nothing")
    tippe(driver, "Umschalt+Tab")
    tippe(driver, "Pfeil hoch")
    zustand = driver.execute_script(ZUSTAND)
    check(zustand[1:] == ["A5", 5, "Reihe 5: 00 00 00 15 20 35"],
          f"{groesse}: Shift+Tab and Up on the screen act and announce as the keys ({zustand})")
    tippe(driver, "Pfeil rechts", halten=1.0)
    mal = (int(driver.execute_script(ZUSTAND)[0][6:12]) - 2082) // 10
    check(mal > 3, f"{groesse}: a key held down for a second repeats ({mal} times)")


def whiteboard(driver, url):
    """A fine pointer: the keys behind their control, remembered; the window filling a
    1280 x 720 projector, larger than at the browser's zoom."""
    driver.viewport(1280, 720)
    browser.open_page(driver, url)
    versteckt = driver.execute_script("return document.getElementById('tasten').hidden")
    driver.klicke("zeige-tasten")
    driver.klicke("fuellen")
    check(versteckt and driver.execute_script(GANZ) == [True] * 3,
          "whiteboard: the keys shown by their control, and all fills the screen")
    zoom = float(driver.execute_script("return document.getElementById('buehne').style.zoom"))
    check(zoom > 1.2, f"whiteboard: the window enlarged to fill the screen ({zoom})")
    driver.klicke("N3")
    driver.execute_script("document.querySelector(arguments[0]).id = 'rechts'", taste("Pfeil rechts"))
    for _ in range(2):
        driver.klicke("rechts")
    driver.tasten([(Keys.ARROW_LEFT, None)])
    leuchtet = driver.execute_script(
        "return document.querySelector(arguments[0]).classList.contains('leuchtet')",
        taste("Pfeil links"))
    zustand = driver.execute_script(ZUSTAND)
    check(zustand[0][:6] == "001000" and zustand[1] == "N3" and leuchtet,
          f"whiteboard: clicks on a key act in the focused field, a key of the keyboard lights "
          f"its key ({zustand[:2]}, lit {leuchtet})")
    # Tab and Shift+Tab light their own key only: the two keys share the key's name.
    lit = ("return [...document.querySelectorAll('.taste.leuchtet')]"
           ".map((t) => t.getAttribute('aria-label'))")
    for senden, halten, name in [(Keys.TAB, None, "Tab"), (Keys.TAB, Keys.SHIFT, "Umschalt+Tab")]:
        time.sleep(0.3)  # the last light gone out
        driver.tasten([(senden, halten)])
        leuchten = driver.execute_script(lit)
        check(leuchten == [name], f"whiteboard: {name} on the keyboard lights its key alone ({leuchten})")
    browser.open_page(driver, url)
    check(not driver.execute_script("return document.getElementById('tasten').hidden"),
          "whiteboard: the keys shown again at the next visit")


def main(name, site):
    with browser.page(site) as url, browser.starte(name) as driver:
        whiteboard(driver, url)
        if name == "chromium":
            for breite, hoehe, rechnen in [(820, 1180, True), (1180, 820, True), (390, 844, False)]:
                tablet(driver, url, breite, hoehe, rechnen)
    print(f"touch ({name}): {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
