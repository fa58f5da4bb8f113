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


def _verbreitert(maske, r):
    """The mask grown by r pixels each way (a square), by running sums along each axis."""
    for achse in (0, 1):
        m = numpy.pad(maske.astype(numpy.int32), [(r + 1, r) if k == achse else (0, 0)
                                                  for k in (0, 1)])
        summe = numpy.cumsum(m, axis=achse)
        n = maske.shape[achse]
        maske = (numpy.take(summe, range(2 * r + 1, 2 * r + 1 + n), axis=achse)
                 - numpy.take(summe, range(0, n), axis=achse)) > 0
    return maske


def _fremd_bei(a, b, r, ys, xs):
    """_fremd at the pixels (ys, xs) only, for a larger r."""
    h, w, _ = b.shape
    ergebnis = numpy.zeros(len(ys), dtype=bool)
    for k, (y, x) in enumerate(zip(ys, xs)):
        nahe = b[max(0, y - r):y + r + 1, max(0, x - r):x + r + 1].reshape(-1, 3)
        p = a[y, x]
        naechste = numpy.abs(nahe - p).max(axis=1).min()
        aussen = numpy.maximum(nahe.min(axis=0) - p, p - nahe.max(axis=0)).max()
        ergebnis[k] = naechste > NAEHE and aussen > MISCHUNG
    return ergebnis


# Glyph edges are smoothed differently by Qt and by the browser (Firefox spreads a stem that
# Qt puts on one pixel column over two); a missing or extra glyph, a missing border or a wrong
# background is off by far more.
NAEHE = 72
MISCHUNG = 24
FLAECHE = 8


def _fremd(a, b, r):
    return (_naechste(a, b, r) > NAEHE) & (_ausserhalb(a, b, r) > MISCHUNG)


def unterschied(ist, soll, skala=1, auslassen=(), spiel=1):
    """Where the page `ist` differs from the desktop's `soll`, both drawn at `skala` device
    pixels per pixel: flat areas must have the same colour, and every pixel elsewhere must have,
    at most one pixel (`skala` device pixels) away in the other picture, a colour within NAEHE
    per channel, or lie within MISCHUNG of the range of colours there; either way round.
    `auslassen`: (x, y, w, h) rectangles in device pixels not compared. `spiel`: how many pixels
    a glyph may lie off, for an engine that places glyphs at fractions of a pixel.
    Returns (count, description)."""
    r = int(numpy.ceil(skala))
    if ist.shape != soll.shape:
        return -1, f"size {ist.shape[1]}x{ist.shape[0]}, not {soll.shape[1]}x{soll.shape[0]}"
    flach = _flach(soll) & _flach(ist)
    if spiel > 1:
        # A glyph further off leaves flat ink where the other has flat paper: only areas flat
        # that far round are held to one colour.
        r = int(numpy.ceil(skala * spiel))
        flach = ~_verbreitert(~flach, r - 1)
    falsch = flach & (numpy.abs(ist - soll).max(axis=2) > FLAECHE)
    # The rest, first at a pixel's reach (cheap, for the whole picture), then where that finds
    # a difference, at the reach allowed.
    r1 = int(numpy.ceil(skala))
    rest = ~flach & (_fremd(ist, soll, r1) | _fremd(soll, ist, r1))
    if r > r1:
        ys, xs = numpy.nonzero(rest)
        rest[ys, xs] = _fremd_bei(ist, soll, r, ys, xs) | _fremd_bei(soll, ist, r, ys, xs)
    falsch |= rest
    for x, y, w, h in auslassen:
        falsch[y:y + h, x:x + w] = False
    ys, xs = numpy.nonzero(falsch)
    if len(xs) == 0:
        return 0, "the same"
    return len(xs), f"{len(xs)} pixels differ within x {xs.min()}..{xs.max()}, y {ys.min()}..{ys.max()}"
