"""The web page in a headless browser against the desktop's machine library, key for key.

Starts the page, checks its start picture, then sends seeded random keys; after each, the 18
fields, the focus and the selected row must be what the machine library (the `reference`
program) shows for the same keys, and (in Chromium, whose tree the DevTools protocol gives)
the accessibility tree must name the fields and rods as the desktop does, with the digits as
values.
Usage: browser_test.py chromium|firefox SITE_FOLDER_OR_ONE_FILE REFERENCE_PROGRAM [KEYS] [SEED]
"""
import random
import subprocess
import sys
from pathlib import Path

from selenium.webdriver.common.keys import Keys

import browser

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
import layout  # noqa: E402  (tests/layout.py)

# (name, what Selenium sends, modifier held, what the reference is told, weight). The key codes
# are the Windows virtual-key codes, written here on purpose: an independent check of the page's
# translation.
TASTEN = [
    ("Right", Keys.ARROW_RIGHT, None, "key 39 0", 8),
    ("Left", Keys.ARROW_LEFT, None, "key 37 0", 6),
    ("Up", Keys.ARROW_UP, None, "key 38 0", 3),
    ("Down", Keys.ARROW_DOWN, None, "key 40 0", 3),
    ("Shift+Right", Keys.ARROW_RIGHT, Keys.SHIFT, "key 39 1", 1),
    ("Tab", Keys.TAB, None, "tab", 6),
    ("Shift+Tab", Keys.TAB, Keys.SHIFT, "backtab", 3),
    ("c", "c", None, "key 67 0", 1),
    ("Shift+C", "c", Keys.SHIFT, "key 67 1", 1),
    ("5", "5", None, "key 53 0", 1),
    ("x", "x", None, "key 88 0", 1),
    ("Enter", Keys.ENTER, None, "key 13 0", 1),
    ("Backspace", Keys.BACKSPACE, None, "key 8 0", 1),
    ("Delete", Keys.DELETE, None, "key 46 0", 1),
    ("Space", Keys.SPACE, None, "key 32 0", 1),
    ("Home", Keys.HOME, None, "key 36 0", 1),
    ("Ctrl+V", "v", Keys.CONTROL, "key 86 2", 1),
    ("Ctrl+Z", "z", Keys.CONTROL, "key 90 2", 1),
]

# Keys the browser keeps for itself: zoom, full screen, the address bar, leaving the page, reload
# (last: it may really reload).
BROWSERTASTEN = [
    ("Ctrl+Plus", "+", Keys.CONTROL), ("Ctrl+Minus", "-", Keys.CONTROL),
    ("Ctrl+0", "0", Keys.CONTROL), ("F11", Keys.F11, None), ("Ctrl+L", "l", Keys.CONTROL),
    ("Alt+D", "d", Keys.ALT), ("F6", Keys.F6, None), ("Escape", Keys.ESCAPE, None),
    ("F5", Keys.F5, None),
]

# Whether the page stopped the browser's handling of each key (not of the modifiers held for
# it): heard after the page.
HORCHER = """
window.verhindert = [];
window.addEventListener('keydown', (e) => {
    if (!['Shift', 'Control', 'Alt'].includes(e.key)) {
        // WebKitGTK names Shift+Tab's key "Unidentified", its code "Tab".
        window.verhindert.push(`${e.key === 'Unidentified' ? e.code : e.key} ${e.defaultPrevented}`);
    }
});
"""

# The red row of the multiplier column, by the colour the machine draws it in, as the export
# gives it: arguments[0].
ZUSTAND_MIT_FARBE = """
const s = window.rechenmaschine.seite;
const laeufe = [...s.tafeln[6].el.children];
const rot = laeufe.findIndex((z) => z.dataset.farbe === arguments[0]);
const reihe = rot < 0 ? 0 : laeufe.slice(0, rot).map((z) => z.textContent).join('').split('\\n').length;
return s.felder.map((f) => f.value).join('') + ' ' + document.activeElement.id + ' ' + reihe;
"""


def zustand(driver):
    """The 18 digits, the focused field and the red row, as "000…0 N1 5"."""
    return driver.execute_script(ZUSTAND_MIT_FARBE, ROT)


# What the page gives beside the digits, against what it shows and what the machine says:
# each field's value for assistive technology is its digit, each panel holds the machine's
# lines and nothing more.
UNWAHR = """
const s = window.rechenmaschine.seite;
const b = s.rufe('rm_bild');
const felder = s.felder.filter((f) => f.getAttribute('aria-valuenow') !== f.value ||
    f.getAttribute('aria-valuetext') !== f.value).map((f) => f.id);
const tafeln = b.tafeln.filter(([p, name, laeufe]) => s.tafeln[p].el.textContent !==
    laeufe.map((z) => z[1]).join('')).map(([p]) => s.tafeln[p].el.id);
return felder.concat(tafeln);
"""

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)
    return ok


def druecke(driver, taste):
    _, senden, halten, _, _ = taste
    driver.tasten([(senden, halten)])


def barrierefreiheit(driver, ziffern, reihe):
    """Names, roles and values as Chromium gives them to a screen reader."""
    knoten = [n for n in driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
              if not n.get("ignored")]
    rolle = lambda n: n.get("role", {}).get("value")
    name = lambda n: n.get("name", {}).get("value")
    felder = {name(n): n for n in knoten if rolle(n) == "spinbutton"}
    erwartet = [e["zugang"] for e in sorted((e for e in LAYOUT["elemente"] if e["art"] == "feld"),
                                            key=lambda e: e["position"])]
    check(list(felder) == erwartet, f"18 spin buttons named by unit and place ({list(felder)})")
    werte = "".join(str(felder[e].get("value", {}).get("value", "?")) for e in erwartet)
    check(werte == ziffern, f"the spin buttons' values are the digits ({werte} / {ziffern})")
    bilder = [name(n) for n in knoten if rolle(n) == "image"]
    check(len(bilder) == 7 and all(f"Reihe {reihe}" in b for b in bilder),
          f"the rods and the column name the selected row ({bilder})")
    live = [p["value"]["value"] for n in knoten for p in n.get("properties", []) if p["name"] == "live"]
    check("polite" in live, f"a polite live region for announcements ({live})")


def gueltig(driver):
    """What a validator would ask of the markup: ids unique, every field named."""
    fehler = driver.execute_script("""
        const ids = [...document.querySelectorAll('[id]')].map((e) => e.id);
        const doppelt = ids.filter((id, k) => ids.indexOf(id) !== k);
        const namenlos = [...document.querySelectorAll('input')].filter(
            (e) => !e.getAttribute('aria-label')).map((e) => e.id);
        return doppelt.concat(namenlos);""")
    check(fehler == [], f"ids unique and every field named ({fehler})")


def browsertasten(driver):
    """The page lets the browser handle its keys and changes nothing for them; Tab it keeps."""
    driver.execute_script(HORCHER)
    vorher = zustand(driver)
    for name, senden, halten in [("Tab", Keys.TAB, None), ("Shift+Tab", Keys.TAB, Keys.SHIFT)]:
        druecke(driver, (name, senden, halten, None, 0))
    for name, senden, halten in BROWSERTASTEN:
        druecke(driver, (name, senden, halten, None, 0))
    gehoert = driver.execute_script("return window.verhindert")
    check(gehoert[:2] == ["Tab true", "Tab true"], f"Tab stays in the ring ({gehoert[:2]})")
    check([g.endswith(" false") for g in gehoert[2:]] == [True] * len(BROWSERTASTEN),
          f"the browser keeps its keys ({gehoert[2:]})")
    nachher = zustand(driver)
    # Firefox really gives F6 to its own toolbar: then no field has the focus, which is the
    # browser's doing; another field with it would be the page's.
    ziffern, fokus, reihe = vorher.split()
    check(nachher in (vorher, f"{ziffern}  {reihe}"),
          f"the browser's keys change nothing ({vorher} / {nachher})")


def seitenregeln(driver):
    """What the page adds on its own: the C key of a Cyrillic layout resets, a click on a rod
    leaves the focus in its field, the same announcement twice is read twice."""
    feld = lambda: driver.execute_script("return [document.activeElement.id, "
                                         "document.activeElement.value]")
    driver.klicke("N3")
    druecke(driver, ("Right", Keys.ARROW_RIGHT, None, None, 0))
    if feld()[1] == "0":
        druecke(driver, ("Right", Keys.ARROW_RIGHT, None, None, 0))
    driver.klicke("Nep2")
    check(feld()[0] == "N3", f"a click on a rod leaves the focus in N(3) ({feld()})")
    if driver.name == "chromium":  # a key of another layout, as only the DevTools protocol sends it
        for art in ("keyDown", "keyUp"):
            driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": art, "key": "\u0441", "code": "KeyC",
                "text": "\u0441" if art == "keyDown" else "", "windowsVirtualKeyCode": 67})
        rods = driver.execute_script("return window.rechenmaschine.seite.texte.slice(0, 6).join('')")
        check(rods == "000000", f"the C key of a Cyrillic layout resets the rods ({rods})")
    dreimal = driver.execute_script("""
        const s = window.rechenmaschine.seite;
        const schritt = Object.assign(s.rufe('rm_bild'), {ansage: 'Reihe 1: 00', timer: 0});
        return [1, 2, 3].map(() => (s.zeichne(schritt), s.ansage.textContent));""")
    check(len(set(dreimal[:2])) == 2 and len(set(dreimal[1:])) == 2 and
          [z.strip() for z in dreimal] == ["Reihe 1: 00"] * 3,
          f"the same announcement three times is read three times ({dreimal})")
    # Calls the page never makes: no field at tab position 18 or -1, and a second start.
    vorher = zustand(driver)
    driver.execute_script("""
        const s = window.rechenmaschine.seite;
        for (const position of [18, -1, 100]) s.rufe('rm_key', position, Fakten.codes.ArrowRight, 0);
        s.zeichne(s.rufe('rm_start', 0));""")
    nachher = zustand(driver)
    check(nachher == vorher, f"no unknown unit and no second start changes anything ({nachher})")


def start_vor_tastendruck(driver, url):
    """A slow tablet: a key before the machine is there. It is kept and applied once the machine
    has run its start settings, once; a key after them acts as usual. Chromium, which adds a
    script before the page's own: the machine made late."""
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
        const spaeter = WebAssembly.instantiate;
        WebAssembly.instantiate = (...a) => new Promise(
            (fertig) => setTimeout(() => fertig(spaeter(...a)), 800));"""})
    driver.get(url)
    while driver.execute_script("return !document.getElementById('A3')"):
        pass
    driver.execute_script("document.getElementById('A3').focus()")  # a tap on a field
    driver.tasten([(Keys.ARROW_DOWN, None)])
    vorher = driver.execute_script("return !window.rechenmaschine?.seite.maschine")
    while driver.execute_script("return document.documentElement.dataset.bereit") != "1":
        pass
    nach_start = zustand(driver)
    driver.tasten([(Keys.ARROW_DOWN, None)])
    reihe = driver.execute_script("return window.rechenmaschine.seite.rufe('rm_bild').reihe")
    check(vorher and [nach_start, reihe] == ["0" * 18 + " A3 6", 7],
          f"a key before the machine is there, then one after: each applied once, the start "
          f"settings once ({vorher}, {nach_start}, row {reihe})")


def ohne_skripte(driver, url):
    """Scripts blocked, as a mail preview or a locked-down platform does: the sentence alone."""
    driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
    driver.get(url)
    zu_sehen = driver.execute_script("""
        return [...document.querySelectorAll('#fenster, .kein-start')].map(
            (e) => [e.id || e.className, e.getClientRects().length > 0]);""")
    check(zu_sehen == [["fenster", False], ["kein-start", True]],
          f"with scripts blocked only the sentence shows ({zu_sehen})")


def main(name, site, referenz, anzahl=300, saat=1623):
    global LAYOUT, ROT
    LAYOUT = layout.vom_bau(site)
    ROT = LAYOUT["reihenfarben"]["hervorhebung"]
    zufall = random.Random(saat)
    folge = zufall.choices(TASTEN, weights=[t[4] for t in TASTEN], k=anzahl)
    ref = subprocess.Popen([referenz], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    with browser.page(site) as url, browser.starte(name) as driver:
        browser.open_page(driver, url)
        check(driver.title == LAYOUT["titel"], "title")
        start = zustand(driver)
        check(start == "0" * 18 + " N1 5", f"start: all 0, focus in N(1), row 5 ({start})")
        if driver.name == "chromium":
            barrierefreiheit(driver, "0" * 18, 5)
        gueltig(driver)
        for k, taste in enumerate(folge):
            druecke(driver, taste)
            ref.stdin.write(taste[3] + "\n")
            ref.stdin.flush()
            soll = ref.stdout.readline().strip()
            ist = zustand(driver)
            if not check(ist == soll, f"after key {k + 1} ({taste[0]}): page {ist}, machine {soll}"):
                break
            unwahr = driver.execute_script(UNWAHR)
            if not check(unwahr == [], f"after key {k + 1}: values or lines untrue in {unwahr}"):
                break
            if (k + 1) % 100 == 0 and driver.name == "chromium":
                ziffern, _, reihe = ist.split()
                barrierefreiheit(driver, ziffern, int(reihe))
        # An announcement reaches the live region: the row and its cells after Down.
        driver.tasten([(Keys.ARROW_DOWN, None)])
        ansage = driver.execute_script("return document.getElementById('ansage').textContent")
        check(ansage.startswith("Reihe "), f"Down is announced in the live region ({ansage!r})")
        ref.stdin.write("key 40 0\n")
        ref.stdin.flush()
        ref.stdout.readline()
        # Text that reaches a field by other ways than keys: an input method's composition and
        # commit (through the DevTools protocol), an editing command as a paste or an extension
        # would use it.
        vorher = zustand(driver)
        if driver.name == "chromium":
            driver.execute_cdp_cmd("Input.imeSetComposition",
                                   {"text": "7", "selectionStart": 1, "selectionEnd": 1})
            driver.execute_cdp_cmd("Input.insertText", {"text": "8"})
        driver.execute_script("document.execCommand('insertText', false, '9')")
        nachher = zustand(driver)
        check(nachher == vorher, f"input methods and editing commands change nothing ({nachher})")
        browsertasten(driver)
        seitenregeln(driver)
        if driver.name == "chromium":
            driver.set_script_timeout(10)
            start_vor_tastendruck(driver, url)
            ohne_skripte(driver, url)
    ref.stdin.close()
    ref.wait()
    print(f"web ({name}): {anzahl} keys, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    args = sys.argv[1:]
    sys.exit(main(args[0], args[1], args[2], *[int(a) for a in args[3:]]))
