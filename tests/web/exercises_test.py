"""The exercises on the page, in Chromium on an emulated tablet held upright: the window, the
keys and the panel fit the screen at every step (and sideways and on a phone); exercise 5 done by
taps alone, each confirmation read from the live region; its demonstration played through;
the panel's keys; the open exercise and step remembered across a reload; the print style.
Usage: exercises_test.py SITE_FOLDER_OR_ONE_FILE
"""
import sys

from selenium.webdriver.common.keys import Keys

import browser
import touch_test
from touch_test import check, tippe

# The panel whole beside the window and the keys, at every step of every exercise with its hint
# and a confirmation as long as the longest shown.
PASST = """
const s = window.rechenmaschine.seite, a = document.getElementById('aufgaben'), zu_gross = [];
for (let k = 0; k < 6; ++k) {
    for (let j = 0; ; ++j) {
        const r = s.rufe('rm_uebung', 1, k, j);
        if (r.uebung.schritt !== j) break;
        s.zeichne(r);
        document.getElementById('tipp').click();
        document.getElementById('a-geschafft').textContent = 'Ein langer Satz, '.repeat(5);
        if (a.scrollHeight > a.clientHeight) zu_gross.push(`${k + 1}.${j + 1}`);
    }
}
return zu_gross;
"""
ZUSTAND = """
const s = window.rechenmaschine.seite, u = s.rufe('rm_uebung', -1, -1, -1);
return [s.felder.map((f) => f.value).join(''), u.reihe, u.uebung.aufgabe, u.uebung.schritt,
        document.getElementById('aufgaben').hidden, document.activeElement.id];
"""
ANSAGE = "return document.getElementById('ansage').textContent"

# Exercise 5, 347 x 26, by the keys on the screen from N(1), step by step: (taps, what the live
# region says after the last of them).
T, R, U, D, C = "Tab", "Pfeil rechts", "Pfeil hoch", "Pfeil runter", "C"
MAL26 = [
    ([C], None), ([T] * 6 + [C], None), ([T] * 6 + [C], None),
    ([T] * 9 + [R] * 3 + [T] + [R] * 4 + [T] + [R] * 7, None), ([D], None),
    ([T] * 4 + [R] * 18 + [T] + [R] * 24 + [T] + [R] * 42, None),
    ([T] * 3 + [R] * 2 + [T] * 2 + [R] * 8 + [T] + [R] * 2, None), ([U] * 4, None),
    ([T] * 9 + [R] * 6, None), ([T] + [R] * 8, None), ([T] + [R] * 14, "Fertig: 347 · 26 = 9022"),
]
ENDE = "000347009022002082"  # the rods, the adding unit and the memory after 347 x 26


def stand(driver):
    """The digits, the row, the open exercise and step, the panel hidden, the focused field."""
    return driver.execute_script(ZUSTAND)


def mit_tasten(driver):
    for k, (folge, gesagt) in enumerate(MAL26):
        for name in folge:
            tippe(driver, name)
        ansage = driver.execute_script(ANSAGE)
        erwartet = gesagt or f"Schritt {k + 2} von {len(MAL26)}"
        if not check(erwartet in ansage, f"347 · 26 by taps, step {k + 1}: '{erwartet}' said"
                                         f" ({ansage[:60]}...)"):
            return
    check(stand(driver)[0] == ENDE, f"347 · 26 by taps leaves {ENDE} ({stand(driver)[0]})")


def fuehre_vor(driver, k):
    """Taps "Vorführen" and waits until step k is done."""
    tippe(driver, "Vorführen", selektor="#vorfuehren")
    driver.execute_async_script("""
        const k = arguments[0], fertig = arguments[1], s = window.rechenmaschine.seite;
        const warte = () => s.rufe('rm_uebung', -1, -1, -1).uebung.schritt > k ?
            fertig() : setTimeout(warte, 20);
        warte();""", k)


def vorgefuehrt(driver):
    """Each step of exercise 5 played by its demonstration, at a quicker beat."""
    tippe(driver, "Aufgabe 5: 347 · 26")
    driver.execute_script("document.getElementById('aufgaben').dataset.takt = 5")
    for k in range(len(MAL26)):
        fuehre_vor(driver, k)
    digits, reihe = stand(driver)[:2]
    check([digits, reihe] == [ENDE, 2] and "Fertig: 347 · 26 = 9022" in driver.execute_script(ANSAGE),
          f"the demonstration plays exercise 5 through as its model solution ({digits}, row {reihe})")


def tasten_und_merken(driver, url):
    """F2, F8 and Shift+F8 from a field; the exercise and step remembered across a reload."""
    driver.execute_script("document.getElementById('N2').focus()")
    folge = []
    for senden, halten in [(Keys.F2, None), (Keys.F2, None), (Keys.F8, None),
                           (Keys.F8, Keys.SHIFT)]:
        driver.tasten([(senden, halten)])
        folge.append(stand(driver)[2:])
    check(folge == [[4, 11, True, "N2"], [4, 11, False, "N2"], [5, 0, False, "N2"],
                    [4, 0, False, "N2"]],
          f"F2 closes and opens the panel, F8 and Shift+F8 change the exercise ({folge})")
    for k in range(4):  # the three units cleared, the rods set to 347
        fuehre_vor(driver, k)
    browser.open_page(driver, url)
    digits, _, aufgabe, schritt, verborgen, _ = stand(driver)
    check([digits[:6], aufgabe, schritt, verborgen] == ["000347", 4, 4, False],
          f"a reload opens exercise 5 at step 5 with the rods set ({digits}, {aufgabe}, {schritt})")


def main(site):
    with browser.page(site) as url, browser.chromium() as driver:
        for breite, hoehe in [(1180, 820), (390, 844), (820, 1180)]:
            driver.viewport(breite, hoehe, 2, mobile=True)
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
            browser.open_page(driver, url)
            if driver.execute_script("return document.getElementById('aufgaben').hidden"):
                tippe(driver, "Aufgaben", selektor="#zeige-aufgaben")  # else remembered open
            ganz = driver.execute_script(touch_test.GANZ.replace("'tasten'", "'aufgaben'"))
            zu_gross = driver.execute_script(PASST)
            check(ganz == [True] * 3 and zu_gross == [],
                  f"{breite} x {hoehe}: window, keys and panel whole at every step ({zu_gross})")
        browser.open_page(driver, url)
        tippe(driver, "Aufgabe 5: 347 · 26")
        mit_tasten(driver)
        vorgefuehrt(driver)
        tasten_und_merken(driver, url)
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        gedruckt = driver.execute_script("""return ['fenster', 'aufgaben', 'tasten', 'leiste'].map(
            (id) => document.getElementById(id).getClientRects().length > 0)""")
        check(gedruckt == [True, True, False, False],
              f"printed: the window and the exercise, not the controls ({gedruckt})")
    print(f"exercises: {len(touch_test.failures)} failures")
    return 1 if touch_test.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
