"""Makes the web edition from the layout table and the built machine, at build time: the hosted
site (a folder of static files, with a web app manifest and a service worker for use offline)
and the one-file edition, rechenmaschine.html, which holds the same page, its script, the
WebAssembly, the font and the icon, and opens from disk. Both come from the same sources in
web/site; the window is written into the markup, so it is laid out before any script runs.

Usage: build_page.py LAYOUT_JSON MACHINE_WASM SOURCE_DIR FONT LICENCE ICON_DIR SITE_DIR ONE_FILE
  MACHINE_WASM is the machine as built, with its binding; the page instantiates it itself.
"""
import base64
import hashlib
import html
import json
import re
import shutil
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

KURZNAME = "Rechenmaschine"
# Shown instead of the window where the page cannot start; page.js says the same of WebAssembly.
OHNE_SKRIPT = "Die Rechenmaschine kann hier nicht starten, weil der Browser kein JavaScript ausführt."
OHNE_WASM = "Die Rechenmaschine kann hier nicht starten, weil der Browser kein WebAssembly ausführt."


def schrift(ttf, text, ziel, name):
    """The glyphs the page can show, as WOFF2, under a name of its own: the Reserved Font Name
    stays with the unmodified font, as its licence asks of a subset."""
    font = TTFont(ttf)
    optionen = subset.Options()
    optionen.flavor = "woff2"
    optionen.name_IDs = ["*"]
    optionen.name_languages = ["*"]
    optionen.drop_tables += ["FFTM"]  # a font editor's time stamps
    teiler = subset.Subsetter(optionen)
    teiler.populate(text=text)
    teiler.subset(font)
    for eintrag in font["name"].names:
        if eintrag.nameID in (1, 4, 16):
            eintrag.string = name
        elif eintrag.nameID == 6:
            eintrag.string = name.replace(" ", "")
    font.flavor = "woff2"
    font.save(ziel)


def zeilenhoehen(woff2):
    """Line heights per pixel size, as the desktop toolkit takes them from the same font: on a
    panel ascent and descent, in a label the line gap as well, each sum rounded to whole pixels.
    Known when the page is built, so the browser need not measure anything before its first
    picture."""
    font = TTFont(woff2)
    hhea, em = font["hhea"], font["head"].unitsPerEm
    tafel = (hhea.ascent - hhea.descent) / em
    label = (hhea.ascent - hhea.descent + hhea.lineGap) / em
    return lambda px: round(tafel * px), lambda px: round(label * px)


def stil(e, farbe=None, hintergrund=None, zeile=None):
    teile = [f"left:{e['x']}px", f"top:{e['y']}px", f"width:{e['b']}px", f"height:{e['h']}px",
             f"font-size:{e['px']}px"]
    if zeile:
        teile.append(f"line-height:{zeile}px")
    if hintergrund:
        teile.append(f"background:{hintergrund}")
    if farbe:
        teile.append(f"color:{farbe}")
    return ";".join(teile)


def fenster(layout, woff2):
    """The window's markup: every control where the layout table puts it, showing the picture
    the start settings leave, the focus where they put it."""
    f = layout["farben"]
    start = layout["startbild"]
    tafel, label = zeilenhoehen(woff2)
    teile = []
    for e in layout["elemente"]:
        a = lambda s: html.escape(s, quote=True)
        px = e["px"]
        if e["art"] == "ueberschrift":
            teile.append(f'<div id="{e["name"]}" class="ueberschrift" '
                         f'style="{stil(e, hintergrund=f["ueberschrift"], zeile=label(px))}">'
                         f'{a(e["text"])}</div>')
        elif e["art"] == "hinweis":
            teile.append(f'<div id="{e["name"]}" class="hinweis" '
                         f'style="{stil(e, farbe=f["hinweis"], zeile=label(px))}">'
                         f'{a(e["text"])}</div>')
        elif e["art"] == "feld":
            # The digit's line placed as the desktop toolkit places it: centred in the field
            # less its frame and a pixel of margin, rounded down. Written out, rather than left
            # to each browser's centring of a line of its own height, it stands on the same
            # pixel in every browser at every zoom.
            zeile = tafel(px)
            oben = 1 + (e["h"] - 4 - zeile + 1) // 2
            fokus = " autofocus" if e["name"] == start["fokus"] else ""
            ziffer = a(dict(start["ziffern"])[e["position"]])
            teile.append(
                f'<input id="{e["name"]}" class="feld" data-position="{e["position"]}"{fokus} '
                f'type="text" value="{ziffer}" '
                f'role="spinbutton" aria-label="{a(e["zugang"])}" aria-valuemin="0" '
                f'aria-valuemax="9" aria-valuenow="{ziffer}" aria-valuetext="{ziffer}" '
                f'autocomplete="off" '
                f'autocorrect="off" autocapitalize="off" inputmode="none" spellcheck="false" '
                f'style="{stil(e, zeile=zeile)};padding-top:{oben}px;'
                f'padding-bottom:{e["h"] - 2 - oben - zeile}px">')
        elif e["art"] in ("stab", "spalte"):
            # Named and numbered by the machine in the markup's order; lines in runs of a colour.
            _, zugang, laeufe = start["tafeln"][len([t for t in teile if 'class="tafel"' in t])]
            zeilen = "".join(f'<span aria-hidden="true" data-farbe="{farbe}" '
                             f'style="color:{farbe}">{a(text)}</span>' for farbe, text in laeufe)
            teile.append(f'<div id="{e["name"]}" class="tafel" role="img" '
                         f'aria-label="{a(zugang)}" '
                         f'style="{stil(e, hintergrund=f["tafel"], zeile=tafel(px))};'
                         f'border-color:{f["rand"]}">{zeilen}</div>')
        else:
            raise SystemExit(f"unknown kind of control: {e['art']}")
    return (f'<main id="fenster" aria-label="{html.escape(layout["titel"])}" '
            f'style="width:{layout["breite"]}px;height:{layout["hoehe"]}px;'
            f'background:{f["fenster"]}">\n' + "\n".join(teile) + "\n</main>")


def tasten(layout):
    """The keys on the screen and the two controls that show them and fill the screen with the
    window. None takes the focus: it stays in the digit field the keys act on."""
    a = lambda s: html.escape(str(s), quote=True)
    st = layout["steuerung"]
    knoepfe = "\n".join(
        f'<button type="button" class="taste" tabindex="-1" aria-label="{a(t["name"])}" '
        f'data-key="{a(t["key"])}" data-code="{a(t["code"])}" '
        f'data-umschalt="{int(t["umschalt"])}" style="grid-area:{a(t["platz"])}">'
        f'{a(t["zeichen"])}</button>' for t in layout["tasten"])
    zeit = f'data-nach="{st["nach"]}" data-alle="{st["alle"]}" data-leuchten="{st["leuchten"]}"'
    return (f'<div id="tasten" class="tasten" role="group" aria-label="{a(st["tasten"])}" '
            f'{zeit} hidden>\n{knoepfe}\n</div>',
            '<div id="leiste">'
            f'<button type="button" id="zeige-aufgaben" tabindex="-1" aria-pressed="false" '
            f'aria-keyshortcuts="{a(layout["aufgaben"]["taste_panel"])}">'
            f'{a(layout["aufgaben"]["aufgaben"])}</button>'
            f'<button type="button" id="zeige-tasten" tabindex="-1" aria-pressed="false">'
            f'{a(st["zeigen"])}</button>'
            f'<button type="button" id="fuellen" tabindex="-1" aria-pressed="false">'
            f'{a(st["fuellen"])}</button></div>')


def aufgaben(layout):
    """The exercises' panel: its controls, and places for the texts the machine's exercises give
    it at run time. Its buttons take no focus either."""
    a = lambda s: html.escape(str(s), quote=True)
    au = layout["aufgaben"]
    knopf = lambda id_, text, taste="", label="": (
        f'<button type="button" id="{id_}" tabindex="-1"'
        + (f' aria-keyshortcuts="{a(taste)}"' if taste else "")
        + (f' aria-label="{a(label)}"' if label else "") + f'>{a(text)}</button>')
    nummern = "".join(f'<button type="button" class="nummer" tabindex="-1" data-aufgabe="{k}">'
                      f'{k + 1}</button>' for k in range(au["anzahl"]))
    tasten = {t["platz"]: t["zeichen"] for t in layout["tasten"]}
    return (f'<section id="aufgaben" aria-label="{a(au["aufgaben"])}" data-takt="{au["takt"]}" '
            f'data-taste-panel="{a(au["taste_panel"])}" data-taste-tipp="{a(au["taste_tipp"])}" '
            f'data-taste-aufgabe="{a(au["taste_aufgabe"])}" '
            f'data-nummer="{a(au["nummer"])}" data-vorfuehren="{a(au["vorfuehren"])}" '
            f'data-anhalten="{a(au["anhalten"])}" hidden>\n'
            '<div class="reihe">'
            + knopf("vorige", tasten["links"], "Shift+" + au["taste_aufgabe"], au["vorige"])
            + f'<div class="liste">{nummern}</div>'
            + knopf("naechste", tasten["rechts"], au["taste_aufgabe"], au["naechste"])
            + '</div>\n<h2 id="a-titel"></h2>\n<p id="a-einleitung"></p>\n'
            '<p id="a-schritt"></p>\n<p id="a-geschafft"></p>\n<p id="a-anweisung"></p>\n'
            '<p id="a-hinweis" hidden></p>\n<div class="reihe">'
            + knopf("tipp", au["tipp"], au["taste_tipp"])
            + knopf("vorfuehren", au["vorfuehren"], "Shift+" + au["taste_tipp"])
            + '</div>\n</section>')


def seite(vorlage, layout, woff2, kopf):
    knoepfe, leiste = tasten(layout)
    return (vorlage.replace("{titel}", html.escape(layout["titel"]))
            .replace("{farbe}", layout["farben"]["ueberschrift"])
            .replace("{kopf}", kopf).replace("{fenster}", fenster(layout, woff2))
            .replace("{tasten}", knoepfe).replace("{aufgaben}", aufgaben(layout))
            .replace("{leiste}", leiste)
            .replace("{ohne_skript}", html.escape(OHNE_SKRIPT)))


def stilfakten(css, layout):
    """The style sheet with the layout table's facts put in: its colours and sizes as custom
    properties, the font's name and file."""
    farben = "".join(f"--{name}:{wert};" for name, wert in layout["farben"].items())
    masse = "".join(f"--{name}:{wert}px;" for name, wert in layout["masse"].items())
    return (f":root{{{farben}{masse}}}\n"
            + css.replace("{schrift}", layout["schrift"])
            .replace("{schriftdatei}", layout["schriftdatei"]))


def knapp(text):
    """Script or style as the browser needs it: without the comments on lines of their own
    (and a style's), the indentation and the empty lines. The sources keep them; the page is
    the smaller for it. No line of either continues a string."""
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    zeilen = (z.strip() for z in text.splitlines())
    return "\n".join(z for z in zeilen if z and not z.startswith("//")) + "\n"


def inline_skript(text):
    # Nothing in a script may end the element it stands in.
    if "</script" in text.lower() or "<!--" in text:
        raise SystemExit("a script cannot be put inline: it holds </script or <!--")
    return f"<script>\n{text}</script>"


def data_url(typ, daten):
    return f"data:{typ};base64,{base64.b64encode(daten).decode()}"


def main(layout_json, maschine, quelle, ttf, lizenz, icons, site, einzeln):
    layout = json.loads(Path(layout_json).read_text(encoding="utf-8"))
    quelle, icons, site = Path(quelle), Path(icons), Path(site)
    vorlage = (quelle / "index.html").read_text(encoding="utf-8")
    schriftdatei = layout["schriftdatei"]
    css = knapp(stilfakten((quelle / "page.css").read_text(encoding="utf-8"), layout))
    # The machine's facts the script needs (key codes, shift bits, the font's name) come first.
    js = knapp(f"'use strict';\nconst Fakten = {json.dumps(layout['skript'], ensure_ascii=False)};\n"
               + (quelle / "page.js").read_text(encoding="utf-8").replace("{ohne_wasm}", OHNE_WASM)
               + (quelle / "screen_keys.js").read_text(encoding="utf-8")
               + (quelle / "exercise_panel.js").read_text(encoding="utf-8"))
    wasm = Path(maschine).read_bytes()
    # The machine is a few dozen kilobytes: carried in the page, it needs no request of its own.
    wasm_skript = inline_skript(f"window.rechenmaschineWasm = '{base64.b64encode(wasm).decode()}';\n")

    (site / "fonts").mkdir(parents=True, exist_ok=True)
    texte = ("".join(e["text"] for e in layout["elemente"]) + "0123456789 " + OHNE_WASM
             + "".join(t["zeichen"] for t in layout["tasten"])
             + layout["steuerung"]["zeigen"] + layout["steuerung"]["fuellen"]
             + "".join(v for v in layout["aufgaben"].values() if isinstance(v, str)))
    schrift(ttf, texte + OHNE_SKRIPT, site / schriftdatei, layout["schrift"])
    shutil.copyfile(lizenz, site / "fonts" / "LICENSE")
    shutil.copyfile(icons / "rechenmaschine.svg", site / "icon.svg")
    for groesse in (192, 512):
        shutil.copyfile(icons / f"rechenmaschine-{groesse}.png", site / f"icon-{groesse}.png")
    f = layout["farben"]
    manifest = {
        "name": layout["titel"], "short_name": KURZNAME, "lang": "de", "dir": "ltr",
        "start_url": "./", "scope": "./", "display": "standalone",
        "background_color": f["fenster"], "theme_color": f["ueberschrift"],
        "icons": [
            {"src": "icon.svg", "sizes": "any", "type": "image/svg+xml"},
            {"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
            {"src": "icon-512.png", "sizes": "512x512", "type": "image/png"},
        ],
    }
    (site / "manifest.webmanifest").write_text(
        json.dumps(manifest, ensure_ascii=False, indent=1) + "\n", encoding="utf-8")

    # Style, machine and scripts stand in the head of both editions: the font and the machine
    # start loading before the window's markup is read, and nothing waits for a further request.
    # The hosted page fetches one other file before its first picture, the font, at once.
    kopf = "\n".join([
        f'<link rel="preload" href="{schriftdatei}" as="font" type="font/woff2" crossorigin>',
        f"<style>\n{css}</style>",
        # The small PNG rather than the drawing as SVG: an SVG is a document of its own to
        # read and lay out, on the same thread as the window's first picture.
        '<link rel="icon" href="icon-192.png" type="image/png">',
        '<link rel="manifest" href="manifest.webmanifest">',
        wasm_skript, inline_skript(js),
    ])
    (site / "index.html").write_text(seite(vorlage, layout, site / schriftdatei, kopf),
                                     encoding="utf-8")

    dateien = ["index.html", schriftdatei, "icon.svg", "icon-192.png",
               "icon-512.png", "manifest.webmanifest"]
    fassung = hashlib.sha256(b"".join((site / d).read_bytes() for d in dateien))
    vorspann = (f"const Fassung = '{fassung.hexdigest()[:16]}';\n"
                f"const Dateien = {json.dumps(['./'] + dateien)};\n")
    arbeiter = (quelle / "service_worker.js").read_text(encoding="utf-8")
    (site / "service_worker.js").write_text(vorspann + arbeiter, encoding="utf-8")

    # The one file: the same page with everything it would fetch written into it.
    css_einzeln = css.replace(f'url("{schriftdatei}")',
                              f'url("{data_url("font/woff2", (site / schriftdatei).read_bytes())}")')
    if css_einzeln == css:
        raise SystemExit(f"page.css does not name {schriftdatei}")
    kopf = "\n".join([
        f"<style>\n{css_einzeln}</style>",
        # The small PNG rather than the drawing as SVG: a fifth of the bytes.
        f'<link rel="icon" href="{data_url("image/png", (icons / "rechenmaschine-192.png").read_bytes())}">',
        wasm_skript, inline_skript(js),
    ])
    Path(einzeln).write_text(seite(vorlage, layout, site / schriftdatei, kopf), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 9:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
