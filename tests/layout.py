"""The window's layout table as the build exported it (layout.json): the tests find the
window's size and its controls' places by it instead of copying them.

Usage: layout.py LAYOUT_JSON NAME   prints "x y width height" of the control NAME ("Mult",
                                     "N1", ...), or "width height" of the window for "fenster",
                                     or a colour as ImageMagick writes it for "farbe:NAME"
                                     ("farbe:fenster", "farbe:hervorhebung").
"""
import json
import sys
from pathlib import Path


def lade(pfad):
    return json.loads(Path(pfad).read_text(encoding="utf-8"))


def vom_bau(pfad):
    """The layout table of the build a built file or folder lies in (build/PRESET/layout.json)."""
    for ordner in Path(pfad).resolve().parents:
        if (ordner / "layout.json").exists():
            return lade(ordner / "layout.json")
    raise FileNotFoundError(f"no layout.json in a folder above {pfad}")


def srgb(tabelle, name):
    """A colour of the page's style sheet or of the rows, as ImageMagick writes a pixel:
    "srgb(255,255,192)"."""
    wert = {**tabelle["farben"], **tabelle["reihenfarben"]}[name]
    return "srgb({},{},{})".format(*(int(wert[k:k + 2], 16) for k in (1, 3, 5)))


def element(layout, name):
    """A control's place and size in pixels: (x, y, width, height)."""
    for e in layout["elemente"]:
        if e["name"] == name:
            return e["x"], e["y"], e["b"], e["h"]
    raise KeyError(f"no control {name} in the layout table")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    tabelle = lade(sys.argv[1])
    if sys.argv[2].startswith("farbe:"):
        print(srgb(tabelle, sys.argv[2][len("farbe:"):]))
    elif sys.argv[2] == "fenster":
        print(tabelle["breite"], tabelle["hoehe"])
    else:
        print(*element(tabelle, sys.argv[2]))
