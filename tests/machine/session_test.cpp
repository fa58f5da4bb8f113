// What the session hands a front end after each step, beyond what the key rules decide: which
// parts of the picture changed, the focus to move, the timer, the panels' names.
#include "keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rechenmaschine::test {
namespace {

struct Eingabe {
    bool tick;
    Feld feld{};
    std::int16_t code = 0;
};

struct Fall {
    const char* name;
    std::vector<Eingabe> eingaben;
    const char* fokus;     // of the last step: "N1", or "" for none
    const char* geaendert; // the fields the last step changed, "A5 A6"
    std::size_t tafeln;    // how many panels it changed
    int timer;
    const char* stab2;
    const char* spalte;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

std::string name(Feld f) {
    return std::string(buchstabe(f.einheit)) + std::to_string(f.index);
}

class Steps : public ::testing::TestWithParam<Fall> {};

TEST_P(Steps, AnswerWhatChangedAndWhatToDoOnce) {
    const Fall& f = GetParam();
    Sitzung s;
    Ereignisse e;
    for (const Eingabe& t : f.eingaben) {
        e = t.tick ? s.Tick() : s.KeyDown(t.feld.einheit, t.feld.index, t.code, 0);
    }
    EXPECT_EQ(e.fokus ? name(*e.fokus) : "", f.fokus);
    std::string geaendert;
    for (std::size_t k = 0; k < Feldanzahl; ++k) {
        geaendert += e.ziffern.test(k) ? (geaendert.empty() ? "" : " ") + name(Feld::an(k)) : "";
    }
    EXPECT_EQ(geaendert, f.geaendert);
    EXPECT_EQ(e.tafeln.count(), f.tafeln);
    EXPECT_EQ(s.bild().timer, f.timer);
    EXPECT_EQ(s.bild().namen[1], f.stab2);
    EXPECT_EQ(s.bild().namen[6], f.spalte);
}

const Eingabe T{true};
Eingabe taste(Einheit e, int i, std::int16_t code) {
    return {false, {e, i}, code};
}

INSTANTIATE_TEST_SUITE_P(
    Table, Steps,
    ::testing::Values(
        Fall{"before the start", {}, "", "", 0, Startintervall, "Stab 2", "Multiplikatoren"},
        Fall{"a key before the start: the timer still runs, the rods are drawn without a row",
             {taste(Einheit::N, 2, taste::Rechts)},
             "",
             "N2",
             7,
             Startintervall,
             "Stab 2",
             "Multiplikatoren"},
        Fall{"the start", {T}, "N1", "", 7, 0, "Stab 2, Reihe 5: 00", "Multiplikatoren, Reihe 5"},
        Fall{"a key after the start moves no focus; one rod changes",
             {T, taste(Einheit::N, 2, taste::Rechts)},
             "",
             "N2",
             1,
             0,
             "Stab 2, Reihe 5: 05",
             "Multiplikatoren, Reihe 5"},
        Fall{"a key that changes nothing marks nothing",
             {T, taste(Einheit::A, 5, taste::Links)},
             "",
             "",
             0,
             0,
             "Stab 2, Reihe 5: 00",
             "Multiplikatoren, Reihe 5"},
        Fall{"one unit added: that field, and no panel",
             {T, taste(Einheit::A, 5, taste::Rechts), taste(Einheit::A, 6, taste::Rechts)},
             "",
             "A6",
             0,
             0,
             "Stab 2, Reihe 5: 00",
             "Multiplikatoren, Reihe 5"},
        Fall{"a late tick changes nothing",
             {T, taste(Einheit::S, 1, taste::Hoch), T},
             "",
             "",
             0,
             0,
             "Stab 2, Reihe 4: 00",
             "Multiplikatoren, Reihe 4"},
        Fall{"a row key changes every panel",
             {T, taste(Einheit::S, 1, taste::Hoch)},
             "",
             "",
             7,
             0,
             "Stab 2, Reihe 4: 00",
             "Multiplikatoren, Reihe 4"},
        Fall{"C on the rods names the cell anew",
             {T, taste(Einheit::N, 2, taste::Rechts), taste(Einheit::N, 5, taste::C)},
             "",
             "N2",
             1,
             0,
             "Stab 2, Reihe 5: 00",
             "Multiplikatoren, Reihe 5"}));

// A carry reaches past the focused digit: 000999 and Right in A(6).
TEST(Steps, ACarryMarksEveryDigitItChanges) {
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::A, "000999");
    const Ereignisse e = s.KeyDown(Einheit::A, 6, taste::Rechts, 0);
    EXPECT_EQ(e.ziffern.count(), 4u);
    for (int i = 3; i <= 6; ++i) {
        EXPECT_TRUE(e.ziffern.test(Feld{Einheit::A, i}.position())) << i;
    }
}

} // namespace
} // namespace rechenmaschine::test
