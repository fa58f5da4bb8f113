// Turns arbitrary bytes into a run of a session (the start timer's tick at some moment, KeyDown
// of N, A or S with any index 1..6, key code and shift state), checks the machine's invariants
// after every event, compares the picture with a small model of the key rules written here,
// apart from the machine's code, and checks that each step marks exactly the parts of the
// picture it changed.
#include "machine/key_codes.h"
#include "machine/session.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace rechenmaschine;

[[noreturn]] void fehler(const char* was) {
    std::fprintf(stderr, "invariant broken: %s\n", was);
    std::abort();
}

void pruefe(bool bedingung, const char* was) {
    if (!bedingung) {
        fehler(was);
    }
}

// What the user should see, from the key rules alone.
struct Modell {
    std::array<int, 6> n{}, s{};
    int summe = 0;
    int zeile = 0;
    bool gestartet = false;

    void zeileHoch() { zeile = zeile < 2 ? 9 : zeile - 1; }
    void zeileRunter() { zeile = zeile > 8 ? 1 : zeile + 1; }
    static int runter(int d) { return d < 1 ? 9 : d - 1; }
    static int hoch(int d) { return d > 8 ? 0 : d + 1; }

    void taste(Einheit einheit, int i, int code) {
        auto& d = einheit == Einheit::N ? n[static_cast<std::size_t>(i - 1)]
                                        : s[static_cast<std::size_t>(i - 1)];
        if (code == taste::Hoch) {
            zeileHoch();
        } else if (code == taste::Runter) {
            zeileRunter();
        }
        if (einheit == Einheit::A) {
            int stelle = 1;
            for (int k = i; k < 6; ++k) {
                stelle *= 10;
            }
            if (!gestartet) {
                summe = 0; // no place values yet: every field counts nothing
            } else if (code == taste::Links) {
                summe = summe - stelle < 0 ? 0 : summe - stelle;
            } else if (code == taste::Rechts) {
                summe = summe + stelle > 999999 ? 0 : summe + stelle;
            } else if (code == taste::C) {
                summe = 0;
            }
            return;
        }
        if (code == taste::Links) {
            d = runter(d);
        } else if (code == taste::Rechts) {
            d = hoch(d);
        } else if (code == taste::C) {
            (einheit == Einheit::N ? n : s).fill(0);
        }
    }
};

class Lauf {
public:
    void start() {
        const bool schonGestartet = modell_.gestartet;
        const Ereignisse e = s_.Tick();
        if (!schonGestartet) { // the start settings run once per run of the program
            modell_.gestartet = true;
            modell_.zeile = 5;
            pruefe(e.fokus == Feld{Einheit::N, 1}, "the start focuses N1");
        } else {
            pruefe(!e.fokus, "a late tick moves no focus");
        }
        pruefe(s_.bild().timer == 0, "timer off after start");
        const auto& st = s_.zustand().Stellenwert;
        pruefe(st[0] == 1 && st[6] == 1000000, "place values");
        vergleiche(e);
    }

    void taste(Einheit einheit, int i, std::int16_t code, std::int16_t shift) {
        const Ereignisse e = s_.KeyDown(einheit, i, code, shift);
        modell_.taste(einheit, i, code);
        pruefe(!e.fokus, "a key moves no focus");
        vergleiche(e);
    }

private:
    static std::array<char, 6> ziffern(const std::array<std::string, 6>& f) {
        std::array<char, 6> s{};
        for (std::size_t k = 0; k < 6; ++k) {
            const auto& t = f[k];
            pruefe(t.size() == 1 && t[0] >= '0' && t[0] <= '9', "a field shows one digit");
            s[k] = t[0];
        }
        return s;
    }

    void vergleiche(const Ereignisse& e) {
        const Bild& b = s_.bild();
        for (std::size_t k = 0; k < Feldanzahl; ++k) {
            const Feld f = Feld::an(k);
            pruefe(e.ziffern.test(k) == (b.ziffer(f) != vorher_.ziffer(f)),
                   "a step marks exactly the digits it changed");
        }
        for (std::size_t p = 0; p < Tafelanzahl; ++p) {
            pruefe(e.tafeln.test(p) ==
                       (b.tafeln[p] != vorher_.tafeln[p] || b.namen[p] != vorher_.namen[p]),
                   "a step marks exactly the panels it changed");
        }
        pruefe(e.reihe == (b.reihe != vorher_.reihe), "a step marks a new row");
        vorher_ = b;
        const auto& z = s_.zustand();
        const auto n = ziffern(b.ziffern[0]), a = ziffern(b.ziffern[1]), s = ziffern(b.ziffern[2]);
        int gezeigt = 0;
        for (char c : a) {
            gezeigt = gezeigt * 10 + (c - '0');
        }
        if (modell_.gestartet) {
            pruefe(z.Zeile >= 1 && z.Zeile <= 9, "row 1..9 after start");
        }
        pruefe(z.Zeile == modell_.zeile && b.reihe == modell_.zeile, "row as the model");
        pruefe(z.Summe >= 0 && z.Summe <= 999999, "total in range");
        pruefe(gezeigt == z.Summe, "adding unit spells the total");
        pruefe(z.Summe == modell_.summe, "total as the model");
        for (std::size_t k = 0; k < 6; ++k) {
            pruefe(n[k] - '0' == modell_.n[k], "rod digit as the model");
            pruefe(s[k] - '0' == modell_.s[k], "memory digit as the model");
        }
        // Before the first drawing the panels are blank; after it, always whole.
        if (modell_.gestartet || !b.tafeln[6].empty()) {
            pruefeTafeln(b);
        }
    }

    void pruefeTafeln(const Bild& b) const {
        for (std::size_t i = 0; i < 6; ++i) {
            const auto& zeilen = b.tafeln[i];
            pruefe(zeilen.size() == 18, "18 lines a rod");
            for (int j = 1; j <= 9; ++j) {
                const int p = modell_.n[i] * j;
                const auto& oben = zeilen[static_cast<std::size_t>(2 * j - 2)];
                const auto& unten = zeilen[static_cast<std::size_t>(2 * j - 1)];
                pruefe(oben.text.size() == 3 && oben.text.compare(0, 2, "  ") == 0 &&
                           oben.text[2] == char('0' + p / 10),
                       "tens line");
                pruefe(unten.text.size() == 6 && unten.text.compare(0, 5, "     ") == 0 &&
                           unten.text[5] == char('0' + p % 10),
                       "units line");
                const Farbe f = j == modell_.zeile ? Hervorhebung : Normalfarbe;
                pruefe(oben.farbe == f && unten.farbe == f, "cell colour: one red row, the row");
            }
        }
        pruefe(b.tafeln[6].size() == 9, "9 lines in the column");
        for (int j = 1; j <= 9; ++j) {
            const auto& zeile = b.tafeln[6][static_cast<std::size_t>(j - 1)];
            pruefe(zeile.text.size() == 3 && zeile.text[0] == ' ' &&
                       zeile.text[1] == char('0' + j) && zeile.text[2] == ' ',
                   "column number");
            pruefe((zeile.farbe == Hervorhebung) == (j == modell_.zeile), "column colour");
        }
    }

    Sitzung s_;
    Bild vorher_ = s_.bild();
    Modell modell_;
};

class Bytes {
public:
    Bytes(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    bool leer() const { return pos_ >= n_; }
    std::uint8_t naechstes() { return pos_ < n_ ? d_[pos_++] : 0; }

private:
    const std::uint8_t* d_;
    std::size_t n_;
    std::size_t pos_ = 0;
};

constexpr std::array<std::int16_t, 5> Maschinentasten{taste::Links, taste::Hoch, taste::Rechts,
                                                      taste::Runter, taste::C};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Bytes b(daten, groesse);
    Lauf lauf;
    while (!b.leer()) {
        const std::uint8_t op = b.naechstes();
        if (op % 8 == 0) {
            lauf.start();
            continue;
        }
        const Einheit einheit = AlleEinheiten[op % AlleEinheiten.size()];
        const int index = 1 + b.naechstes() % 6;
        const std::uint8_t wahl = b.naechstes();
        std::int16_t code;
        if (wahl < 224) {
            code = Maschinentasten[wahl % 5];
        } else {
            code = static_cast<std::int16_t>(b.naechstes() | (b.naechstes() << 8));
        }
        const auto shift = static_cast<std::int16_t>(b.naechstes());
        lauf.taste(einheit, index, code, shift);
    }
    return 0;
}
