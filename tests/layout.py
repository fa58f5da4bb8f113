"""The window's layout table as the build exported it (layout.json): the tests find the
window's size and its controls' places by it instead of copying them.

Usage: layout.py LAYOUT_JSON NAME   prints "x y width height" of the control NAME ("Mult",
                                     "N1", ...), or "width height" of the window for "fenster".
"""
import json
import sys
from pathlib import Path


def lade(pfad):
    return json.loads(Path(pfad).read_text(encoding="utf-8"))


def element(layout, name):
    """A control's place and size in pixels: (x, y, width, height)."""
    for e in layout["elemente"]:
        if e["name"] == name:
            return e["x"], e["y"], e["b"], e["h"]
    raise KeyError(f"no control {name} in the layout table")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    tafel = lade(sys.argv[1])
    if sys.argv[2] == "fenster":
        print(tafel["breite"], tafel["hoehe"])
    else:
        print(*element(tafel, sys.argv[2]))
