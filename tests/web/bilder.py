"""Pictures as arrays, and a comparison of the page with the desktop window that forgives a
glyph drawn one pixel off and the two toolkits' different smoothing of glyph edges."""
import subprocess

import numpy


def lies(png):
    """A PNG file or PNG bytes as an array of height x width x 3 (RGB)."""
    daten = png if isinstance(png, bytes) else open(png, "rb").read()
    ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=daten,
                         capture_output=True, check=True).stdout
    kopf = ppm.split(maxsplit=4)
    breite, hoehe = int(kopf[1]), int(kopf[2])
    return numpy.frombuffer(kopf[4], dtype=numpy.uint8)[:breite * hoehe * 3].reshape(
        hoehe, breite, 3).astype(numpy.int16)


def _verschoben(b, r=1):
    """The copies of b moved by at most r pixels each way."""
    h, w, _ = b.shape
    gross = numpy.pad(b, ((r, r), (r, r), (0, 0)), mode="edge")
    n = range(2 * r + 1)
    return [gross[dy:dy + h, dx:dx + w] for dy in n for dx in n]


def _naechste(a, b, r):
    """For each pixel of a, the least colour distance to a pixel of b at most r pixels away."""
    return numpy.min([numpy.abs(a - v).max(axis=2) for v in _verschoben(b, r)], axis=0)


def _ausserhalb(a, b, r):
    """For each pixel of a, how far its colour lies outside the range of colours of b's pixels
    at most r pixels away: 0 for a pixel that is one of them or a blend of them (a glyph's
    smoothed edge), most for ink where b has none."""
    nahe = _verschoben(b, r)
    unten, oben = numpy.min(nahe, axis=0), numpy.max(nahe, axis=0)
    return numpy.maximum(unten - a, a - oben).max(axis=2)


def _flach(a):
    """Pixels whose eight neighbours have their colour: paper, bars, background."""
    return numpy.all([numpy.abs(a - v).max(axis=2) == 0 for v in _verschoben(a)], axis=0)


# Glyph edges are smoothed differently by Qt and by the browser (Firefox spreads a stem that
# Qt puts on one pixel column over two); a missing or extra glyph, a missing border or a wrong
# background is off by far more.
NAEHE = 72
MISCHUNG = 24
FLAECHE = 8


def _fremd(a, b, r):
    return (_naechste(a, b, r) > NAEHE) & (_ausserhalb(a, b, r) > MISCHUNG)


def unterschied(ist, soll, skala=1, auslassen=()):
    """Where the page `ist` differs from the desktop's `soll`, both drawn at `skala` device
    pixels per pixel: flat areas must have the same colour, and every pixel elsewhere must have,
    at most one pixel (`skala` device pixels) away in the other picture, a colour within NAEHE
    per channel, or lie within MISCHUNG of the range of colours there; either way round.
    `auslassen`: (x, y, w, h) rectangles in device pixels not compared.
    Returns (count, description)."""
    r = int(numpy.ceil(skala))
    if ist.shape != soll.shape:
        return -1, f"size {ist.shape[1]}x{ist.shape[0]}, not {soll.shape[1]}x{soll.shape[0]}"
    flach = _flach(soll) & _flach(ist)
    falsch = (flach & (numpy.abs(ist - soll).max(axis=2) > FLAECHE)) | (
        ~flach & (_fremd(ist, soll, r) | _fremd(soll, ist, r)))
    for x, y, w, h in auslassen:
        falsch[y:y + h, x:x + w] = False
    ys, xs = numpy.nonzero(falsch)
    if len(xs) == 0:
        return 0, "the same"
    return len(xs), f"{len(xs)} pixels differ within x {xs.min()}..{xs.max()}, y {ys.min()}..{ys.max()}"
