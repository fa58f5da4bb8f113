// What a screen reader is told after each key, beyond the focused field's own value.
#include "keys.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

struct Taste {
    Einheit einheit;
    int index;
    std::int16_t code;
};

// Keys run through a session as both front ends run them; what is announced after each.
std::vector<std::string> ansagen(Sitzung& s, const std::vector<Taste>& tasten) {
    std::vector<std::string> out;
    for (const Taste& t : tasten) {
        out.push_back(s.KeyDown(t.einheit, t.index, t.code, 0).ansage);
    }
    return out;
}

struct Fall {
    const char* name;
    const char* staebe;
    const char* summe;
    std::vector<Taste> tasten;
    std::vector<std::string> erwartet;
    bool wiederholen = false; // a front end whose screen reader needs a repeated digit said
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Ansage : public ::testing::TestWithParam<Fall> {};

TEST_P(Ansage, SaysWhatChangedBeyondTheFocusedDigit) {
    const Fall& f = GetParam();
    Sitzung s(f.wiederholen);
    s.Tick();
    stelle(s, Einheit::N, f.staebe);
    stelle(s, Einheit::A, f.summe);
    EXPECT_EQ(ansagen(s, f.tasten), f.erwartet);
}

using namespace taste;
INSTANTIATE_TEST_SUITE_P(
    Keys, Ansage,
    ::testing::Values(
        Fall{"digit alone",
             "000000",
             "000000",
             {{Einheit::N, 2, Rechts}, {Einheit::N, 2, Rechts}, {Einheit::A, 6, Rechts}},
             {"", "", ""}},
        Fall{"carry", "000000", "190000", {{Einheit::A, 2, Rechts}}, {"Additionswerk 200000"}},
        Fall{"borrow", "000000", "001000", {{Einheit::A, 6, Links}}, {"Additionswerk 000999"}},
        Fall{
            "past 999999", "000000", "999999", {{Einheit::A, 6, Rechts}}, {"Additionswerk 000000"}},
        Fall{"below 0, focused digit stays",
             "000000",
             "000500",
             {{Einheit::A, 3, Links}},
             {"Additionswerk 000000"}},
        Fall{"nothing changes",
             "000000",
             "000000",
             {{Einheit::A, 1, Links}, {Einheit::S, 1, Eingabe}},
             {"", ""}},
        Fall{"rows in every unit",
             "030000",
             "000000",
             {{Einheit::N, 2, Hoch}, {Einheit::A, 1, Hoch}, {Einheit::S, 6, Runter}},
             {"Reihe 4: 00 12 00 00 00 00", "Reihe 3: 00 09 00 00 00 00",
              "Reihe 4: 00 12 00 00 00 00"}},
        Fall{"resets",
             "300000",
             "000100",
             {{Einheit::N, 4, C}, {Einheit::A, 1, C}, {Einheit::S, 2, C}},
             {"Multiplikationswerk auf null", "Additionswerk auf null", "Speicher auf null"}},
        Fall{"a digit the last field also took: nothing more than the field's own value",
             "000000",
             "000000",
             {{Einheit::S, 1, Rechts},
              {Einheit::S, 2, Rechts},
              {Einheit::S, 2, Rechts},
              {Einheit::N, 1, Links},
              {Einheit::N, 1, Links}},
             {"", "", "", "", ""}},
        Fall{"the same, where the screen reader keeps quiet on it: the repeated digit said",
             "000000",
             "000000",
             {{Einheit::S, 1, Rechts},
              {Einheit::S, 2, Rechts},
              {Einheit::S, 2, Rechts},
              {Einheit::N, 1, Links},
              {Einheit::N, 1, Links}},
             {"", "1", "", "", ""},
             true},
        Fall{"a key that changes nothing repeats no digit",
             "000000",
             "000000",
             {{Einheit::S, 1, Rechts}, {Einheit::S, 1, Eingabe}, {Einheit::S, 2, Rechts}},
             {"", "", "1"},
             true}));

TEST(Ansage, RodsAndColumnNameTheSelectedRow) {
    const Sitzung vorStart;
    EXPECT_EQ(stabname(vorStart.zustand(), 2), "Stab 2");
    EXPECT_EQ(spaltenname(vorStart.zustand()), "Multiplikatoren");
    struct Reihe {
        int reihe;
        const char* name;
        const char* stab2;
        const char* stab6;
    };
    // The first and the last row as well as one between: a bound off by one loses the cell.
    for (const Reihe& r : {Reihe{3, "Reihe 3", "09", "21"}, Reihe{1, "Reihe 1", "03", "07"},
                           Reihe{9, "Reihe 9", "27", "63"}}) {
        Sitzung s;
        s.Tick();
        stelle(s, Einheit::N, "030007");
        waehleReihe(s, r.reihe);
        const auto& z = s.zustand();
        EXPECT_EQ(stabname(z, 2), std::string("Stab 2, ") + r.name + ": " + r.stab2);
        EXPECT_EQ(stabname(z, 6), std::string("Stab 6, ") + r.name + ": " + r.stab6);
        EXPECT_EQ(spaltenname(z), std::string("Multiplikatoren, ") + r.name);
        // No rod 0 or 7: no cell read from beside the digits.
        EXPECT_EQ(stabname(z, 0), "Stab 0");
        EXPECT_EQ(stabname(z, 7), "Stab 7");
    }
}

} // namespace
} // namespace rechenmaschine::test
