// What the session hands a front end after each step: the parts of the picture that no key
// rule decides, the focus to move, the timer, the panels' names.
#include "machine/key_codes.h"
#include "machine/sitzung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rechenmaschine {
namespace {

struct Schritt {
    enum Art { Tick, Taste } art;
    Einheit einheit = Einheit::N;
    int index = 1;
    std::int16_t code = 0;
};

struct Fall {
    const char* name;
    std::vector<Schritt> schritte;
    const char* fokus; // of the last step's picture: "N1", or "" for none
    int timer;
    const char* stab2;
    const char* spalte;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Bildteile : public ::testing::TestWithParam<Fall> {};

TEST_P(Bildteile, AfterTheLastStep) {
    const Fall& f = GetParam();
    Sitzung s;
    const Bild* b = &s.bild();
    for (const Schritt& t : f.schritte) {
        b = t.art == Schritt::Tick ? &s.Tick() : &s.KeyDown(t.einheit, t.index, t.code, 0);
    }
    EXPECT_EQ(b->fokus ? std::string(Buchstabe(b->fokus->einheit)) + std::to_string(b->fokus->index)
                       : std::string(),
              f.fokus);
    EXPECT_EQ(b->timer, f.timer);
    EXPECT_EQ(b->namen[1], f.stab2);
    EXPECT_EQ(b->namen[6], f.spalte);
}

const Schritt T{Schritt::Tick};
Schritt taste(Einheit e, int i, std::int16_t code) {
    return {Schritt::Taste, e, i, code};
}

INSTANTIATE_TEST_SUITE_P(
    Schritte, Bildteile,
    ::testing::Values(
        Fall{"before the start", {}, "", Startintervall, "Stab 2", "Multiplikatoren"},
        Fall{"a key before the start: the timer still runs",
             {taste(Einheit::N, 2, taste::Rechts)},
             "",
             Startintervall,
             "Stab 2",
             "Multiplikatoren"},
        Fall{"the start", {T}, "N1", 0, "Stab 2, Reihe 5: 00", "Multiplikatoren, Reihe 5"},
        Fall{"a key after the start moves no focus",
             {T, taste(Einheit::N, 2, taste::Rechts)},
             "",
             0,
             "Stab 2, Reihe 5: 05",
             "Multiplikatoren, Reihe 5"},
        Fall{"a late tick changes nothing",
             {T, taste(Einheit::S, 1, taste::Hoch), T},
             "",
             0,
             "Stab 2, Reihe 4: 00",
             "Multiplikatoren, Reihe 4"},
        Fall{"C on the rods names the cell anew",
             {T, taste(Einheit::N, 2, taste::Rechts), taste(Einheit::N, 5, taste::C)},
             "",
             0,
             "Stab 2, Reihe 5: 00",
             "Multiplikatoren, Reihe 5"}));

} // namespace
} // namespace rechenmaschine
