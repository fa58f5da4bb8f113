"""Writes the exercises' part of the teachers' sheet (docs/unterricht.md, between its markers)
and, with --pictures, a picture of the window for each step as its model solution leaves it,
taken from the built page in headless Chromium (docs/unterricht/A-S.png), and one of the page
with its exercises open (docs/exercises.png, for the README). With --check it only says
whether the sheet's exercises are those the build's machine has.

Usage: lesson_pictures.py LAYOUT_JSON SHEET [--pictures SITE_FOLDER] [--check]
"""
import argparse
import subprocess
import sys
from pathlib import Path

ANFANG = "<!-- Die Aufgaben: geschrieben von scripts/lesson_pictures.sh -->"
ENDE = "<!-- Ende der Aufgaben -->"


def aufgaben(layout):
    teile = []
    for a, aufgabe in enumerate(layout["aufgaben"]["liste"], 1):
        teile.append(f"### Aufgabe {a}: {aufgabe['titel']}\n\n{aufgabe['einleitung']}\n")
        for s, schritt in enumerate(aufgabe["schritte"], 1):
            teile.append(f"{s}. {schritt['anweisung']}  \n   *Tipp:* {schritt['hinweis']}  \n"
                         f"   *Geschafft:* {schritt['geschafft']}\n\n"
                         f"   ![Aufgabe {a}, nach Schritt {s}](unterricht/{a}-{s}.png)\n")
        teile.append(f"Am Ende steht: {aufgabe['ergebnis'].replace('{A}', '…').replace('{S}', '…')}"
                     "\n")
    return "\n".join(teile)


# The window as the model solutions of the exercise's first steps leave it: up to the last
# step the binding plays them itself; the last one's demonstration is played here.
NACH_SCHRITT = """
const s = window.rechenmaschine.seite, [aufgabe, schritt, letzter] = arguments;
if (schritt < letzter) {
    s.zeichne(s.rufe('rm_uebung', 0, aufgabe, 0));
    s.zeichne(s.rufe('rm_uebung', 0, aufgabe, schritt));
} else {
    for (const [p, c, m] of s.rufe('rm_vorfuehrung')) {
        for (let k = 0; k < m; ++k) s.zeichne(s.rufe('rm_key', p, c, 0));
    }
}
"""
# No focus frame or caret on paper: no field is at work in a picture.
OHNE_FOKUS = """
const stil = document.createElement('style');
stil.textContent = '.feld:focus { border-color: var(--rahmen); box-shadow: inset 0 1px 0 ' +
    'var(--schatten); caret-color: transparent; }';
document.head.append(stil);
"""


def knapp(png):
    """A few dozen colours keep the pictures small and their letters sharp."""
    return subprocess.run(["convert", "png:-", "-strip", "-colors", "64", "png8:-"], input=png,
                          capture_output=True, check=True).stdout


def bilder(site, ordner, layout):
    sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "web"))
    import browser
    ordner.mkdir(exist_ok=True)
    with browser.page(site) as url, browser.chromium() as driver:
        for a, aufgabe in enumerate(layout["aufgaben"]["liste"]):
            browser.open_page(driver, url)  # each exercise on a machine just started
            driver.execute_script(OHNE_FOKUS)
            letzter = len(aufgabe["schritte"])
            for s in range(1, letzter + 1):
                driver.execute_script(NACH_SCHRITT, a, s, letzter)
                (ordner / f"{a + 1}-{s}.png").write_bytes(knapp(driver.aufnahme("fenster")))
        # The page as a student sees it in the middle of 347 x 6, the keys shown.
        driver.viewport(1140, 600)
        browser.open_page(driver, url)
        driver.execute_script("""
            localStorage.clear();
            document.getElementById('zeige-tasten').click();
            const s = window.rechenmaschine.seite;
            s.zeichne(s.rufe('rm_uebung', 1, 3, 4));
            s.felder[9].focus();
            s.felder[9].setSelectionRange(1, 1);""")
        (ordner.parent / "exercises.png").write_bytes(knapp(driver.get_screenshot_as_png()))


def main():
    args = argparse.ArgumentParser()
    args.add_argument("layout_json")
    args.add_argument("sheet")
    args.add_argument("--pictures")
    args.add_argument("--check", action="store_true")
    a = args.parse_args()
    sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
    import layout as tabelle
    layout = tabelle.lade(a.layout_json)
    blatt = Path(a.sheet)
    text = blatt.read_text(encoding="utf-8")
    vorher, rest = text.split(ANFANG, 1)
    _, nachher = rest.split(ENDE, 1)
    neu = f"{vorher}{ANFANG}\n\n{aufgaben(layout)}\n{ENDE}{nachher}"
    if a.check:
        if neu != text:
            print(f"{blatt}: its exercises are not the machine's: run scripts/lesson_pictures.sh")
            return 1
        print(f"{blatt}: the machine's exercises")
        return 0
    blatt.write_text(neu, encoding="utf-8")
    if a.pictures:
        bilder(a.pictures, blatt.parent / "unterricht", layout)
    print(f"wrote {blatt}" + (" and its pictures" if a.pictures else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
