"""End to end: the real program, real key presses (xdotool), read back through AT-SPI."""
import functools
import subprocess
from pathlib import Path
import sys
import time

import pyatspi

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
import layout  # noqa: E402  (tests/layout.py)

TITLE = "Tesmar Zovadiduze Varbinger Rechenmaschine von 1623"
UNITS = {"N": "Multiplikationswerk", "A": "Additionswerk", "S": "Speicher"}
failures = []
checks = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    checks.append(what)
    if not condition:
        failures.append(what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_app(deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            for node in walk(app):
                if node.name == TITLE:
                    return app
        time.sleep(0.2)
    return None


class Window:
    def __init__(self, app):
        # Rods and the column add the selected row to their names: keep them by the first part.
        self.nodes = {n.name.split(", Reihe")[0]: n for n in walk(app) if n.name}

    def field(self, unit, i):
        return self.nodes[f"{UNITS[unit]}, Stelle {i}"]

    def digits(self, unit):
        out = ""
        for i in range(1, 7):
            out += str(int(self.field(unit, i).queryValue().currentValue))
        return out

    def focused(self):
        for name, node in self.nodes.items():
            if ", Stelle " in name and node.getState().contains(pyatspi.STATE_FOCUSED):
                return name
        return None

    def panel(self, name):
        return self.nodes[name].description


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)
    time.sleep(0.3)


def pixel(png, x, y):
    out = subprocess.run(["convert", png, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                         check=True, capture_output=True, text=True).stdout.strip()
    return out


def main(program, layout_json):
    tabelle = layout.lade(layout_json)
    # Bring up the accessibility bus and its registry before the program looks for them;
    # a program that starts first may find no bus and never register.
    desktop = pyatspi.Registry.getDesktop(0)
    print(f"accessibility registry up ({desktop.childCount} applications)")
    time.sleep(0.5)
    proc = subprocess.Popen([program])
    app = find_app(time.time() + 20)
    if app is None:
        # Registration on a freshly started bus can be lost; a real fault fails twice.
        print("the program did not register; starting it once more")
        proc.terminate()
        proc.wait(timeout=10)
        proc = subprocess.Popen([program])
        app = find_app(time.time() + 20)
    try:
        check(app is not None, "the program appears on the accessibility bus")
        if app is None:
            return
        win_id = ""
        for _ in range(50):
            win_id = subprocess.run(["xdotool", "search", "--name", "Rechenmaschine von 1623"],
                                    capture_output=True, text=True).stdout.split()
            if win_id:
                win_id = win_id[0]
                break
            time.sleep(0.1)
        subprocess.run(["xdotool", "windowfocus", "--sync", win_id], check=False)
        # The tree fills in as the toolkit registers its objects: wait for all 18 fields.
        deadline = time.time() + 15
        w = Window(app)
        while time.time() < deadline and sum(", Stelle " in n for n in w.nodes) < 18:
            time.sleep(0.3)
            w = Window(app)
        time.sleep(0.5)

        fields = [n for n in w.nodes if ", Stelle " in n]
        check(len(fields) == 18, f"18 digit fields are named by unit and place ({len(fields)})")
        check(all(w.digits(u) == "000000" for u in "NAS"), "every field shows 0 at start")
        check(w.focused() == "Multiplikationswerk, Stelle 1", f"focus in N(1) ({w.focused()})")
        check("Ausgewählte Reihe 5: 00." in w.panel("Stab 1"), "rod 1 reads row 5 selected")
        check(w.nodes["Stab 1"].name == "Stab 1, Reihe 5: 00", "rod 1 is named with its row 5 cell")
        check(w.panel("Multiplikatoren") == "Multiplikatoren 1 2 3 4 5 6 7 8 9. Ausgewählte Reihe 5.",
              "the multiplier column reads 1..9, row 5 selected")
        check("Multiplikationswerk" in w.nodes and "Additionswerk" in w.nodes,
              "the headings are read as they stand")

        start_shot = "/tmp/e2e_start.png"
        subprocess.run(["import", "-window", win_id, start_shot], check=True)
        mx, my, mb, mh = layout.element(tabelle, "Mult")
        rechts = (mx + mb + tabelle["breite"]) // 2  # between the column and the window's edge
        ox, oy, _, _ = layout.element(tabelle, "Label4")
        ux, uy, _, _ = layout.element(tabelle, "Label2")
        farbe = functools.partial(layout.srgb, tabelle)
        check(pixel(start_shot, rechts, my + mh // 2) == farbe("fenster"),
              "window background light yellow")
        check(pixel(start_shot, ox + 4, oy + 3) == farbe("ueberschrift"), "heading bar light red")
        check(pixel(start_shot, ux + 4, uy + 4) == farbe("ueberschrift"),
              "second heading bar light red")
        check(pixel(start_shot, mx + 4, my + 220) == farbe("tafel"),
              "the column's paper is white")

        # The rods: N(1) to 3, then the road of one key press in N(3).
        keys("Right", "Right", "Right", "Tab", "Tab")
        check(w.focused() == "Multiplikationswerk, Stelle 3", "Tab, Tab reach N(3)")
        keys(*["Right"] * 7, "Down")
        check(w.digits("N") == "307000", f"rods set to 3 0 7 ({w.digits('N')})")
        check(w.panel("Stab 3") == "Zellen 07 14 21 28 35 42 49 56 63. Ausgewählte Reihe 6: 42.",
              "rod 3 reads 7, 14 .. 63 with 42 in the selected row 6")
        check(w.panel("Stab 1").endswith("Ausgewählte Reihe 6: 18."), "rod 1 reads 18 in row 6")

        # The adding unit: twelve units in A(6), then one ten back in A(5).
        keys(*["Tab"] * 9)
        check(w.focused() == "Additionswerk, Stelle 6", f"nine Tabs reach A(6) ({w.focused()})")
        keys(*["Right"] * 12, "shift+Tab", "Left")
        check(w.digits("A") == "000002", f"12 - 10 = 2 in the adding unit ({w.digits('A')})")

        # The memory: 9 by wrap-around in S(1), then the row goes up.
        keys("Tab", "Tab", "Left", "Up")
        check(w.focused() == "Speicher, Stelle 1", "Tab, Tab reach S(1)")
        check(w.digits("S") == "900000", f"Left on 0 shows 9 ({w.digits('S')})")
        check(w.panel("Multiplikatoren").endswith("Ausgewählte Reihe 5."), "Up selects row 5")

        # C resets only the unit with the focus.
        keys("c")
        check(w.digits("S") == "000000" and w.digits("A") == "000002" and w.digits("N") == "307000",
              "c in S clears only the memory")
        keys(*["shift+Tab"] * 7, "shift+c")
        check(w.focused() == "Multiplikationswerk, Stelle 6", "seven Shift+Tabs reach N(6)")
        check(w.digits("N") == "000000" and w.digits("A") == "000002", "C in N clears only the rods")
        check(w.panel("Stab 3").startswith("Zellen 00 00 00"), "the rods redraw after C")
        keys("5", "BackSpace", "ctrl+v")
        check(w.digits("N") == "000000", "typing, deleting and pasting change no digit")

        # On a Russian layout the C key gives a Cyrillic letter; it is still the C key.
        keys("Right")
        check(w.digits("N") == "000001", f"Right sets N(6) to 1 ({w.digits('N')})")
        subprocess.run(["setxkbmap", "ru"], check=True)
        try:
            keys("Cyrillic_es")
            check(w.digits("N") == "000000", f"the C key resets on a Russian layout ({w.digits('N')})")
            keys("Cyrillic_a")  # the F key: no reset, nothing changes
        finally:
            subprocess.run(["setxkbmap", "us"], check=True)

        end_shot = "/tmp/e2e_end.png"
        subprocess.run(["import", "-window", win_id, end_shot], check=True)
        # Row 5 is selected again: the '5' of the column is red, the '6' grey.
        reds = subprocess.run(
            ["convert", end_shot, "-crop", f"{mb}x{mh}+{mx}+{my}", "+repage", "txt:-"],
            check=True, capture_output=True, text=True).stdout.splitlines()[1:]
        red_ys = sorted({int(z.split(",")[1].split(":")[0]) for z in reds
                         if (lambda r, g, b: r > 200 and g < 90 and b < 90)(
                             *map(int, z.split("(")[1].split(")")[0].split(",")[:3]))})
        check(bool(red_ys) and 4 * mh // 9 - 8 < red_ys[0] and red_ys[-1] < 5 * mh // 9 + 8,
              f"the red row on screen is row 5 (y {red_ys[:1]}..{red_ys[-1:]})")
    finally:
        proc.terminate()
        proc.wait(timeout=10)


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except Exception as error:  # a missing object or a dead bus is a failure, not a crash
        check(False, f"the session ran to its end ({type(error).__name__}: {error})")
    print(f"e2e: {len(checks) - len(failures)} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)
