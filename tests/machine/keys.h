// Keys as a student presses them, through a session, and what its picture shows: the machine's
// tests drive the session as both front ends do and check what it answers.
#pragma once

#include "machine/key_codes.h"
#include "machine/session.h"
#include "machine/unit.h"

#include <string>
#include <string_view>
#include <vector>

namespace rechenmaschine::test {

inline Ereignisse druecke(Sitzung& s, Einheit e, int index, std::int16_t code, int mal = 1) {
    Ereignisse letzte;
    for (int k = 0; k < mal; ++k) {
        letzte = s.KeyDown(e, index, code, 0);
    }
    return letzte;
}

// A unit's six digits as one text, "001623".
inline std::string ziffern(const Sitzung& s, Einheit e) {
    std::string text;
    for (const std::string& ziffer : s.bild().ziffern.at(nummer(e))) {
        text += ziffer;
    }
    return text;
}

// Sets a unit's six digits by its own keys: Right on each rod or memory digit until it shows
// the digit, and in the adding unit C, then Right as often as each place's digit says.
inline void stelle(Sitzung& s, Einheit e, std::string_view sechs) {
    if (e == Einheit::A) {
        druecke(s, e, 1, taste::C);
    }
    for (int i = 1; i <= Stellen; ++i) {
        const char soll = sechs[static_cast<std::size_t>(i - 1)];
        if (e == Einheit::A) {
            druecke(s, e, i, taste::Rechts, soll - '0');
        }
        while (s.bild().ziffer({e, i})[0] != soll) {
            druecke(s, e, i, taste::Rechts);
        }
    }
}

inline void waehleReihe(Sitzung& s, int reihe) {
    while (s.bild().reihe != reihe) {
        druecke(s, Einheit::S, 1, taste::Runter);
    }
}

// A rod's nine cells as two-character products, "07", "14", ...
inline std::vector<std::string> zellen(const std::vector<Druckzeile>& stab) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k + 1 < stab.size(); k += 2) {
        out.push_back(std::string(1, stab[k].text.back()) + stab[k + 1].text.back());
    }
    return out;
}

// The rows (1..9) drawn in the highlight colour; every line of a row must agree.
inline std::vector<int> roteReihen(const std::vector<Druckzeile>& tafel, std::size_t jeReihe) {
    std::vector<int> reihen;
    for (std::size_t k = 0; k < tafel.size(); k += jeReihe) {
        bool rot = true;
        for (std::size_t z = k; z < k + jeReihe; ++z) {
            rot = rot && tafel[z].farbe == Hervorhebung;
        }
        if (rot) {
            reihen.push_back(static_cast<int>(k / jeReihe) + 1);
        }
    }
    return reihen;
}

} // namespace rechenmaschine::test
