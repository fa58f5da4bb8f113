#include "fakes.h"
#include "machine/key_codes.h"
#include "machine/sitzung.h"

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

// Sets six fields of a unit by Right on each, as a student would.
void stelle(Sitzung& s, Einheit e, const std::string& ziffern) {
    for (int i = 1; i <= 6; ++i) {
        for (char d = '0'; d < ziffern[static_cast<std::size_t>(i - 1)]; ++d) {
            s.KeyDown(e, i, taste::Rechts, 0);
        }
    }
}

struct Fall {
    const char* name;
    const char* staebe;
    const char* summe;
    std::vector<Taste> tasten;
    std::vector<std::string> erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Ansage : public ::testing::TestWithParam<Fall> {};

TEST_P(Ansage, SaysWhatChangedBeyondTheFocusedDigit) {
    const Fall& f = GetParam();
    Sitzung s;
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
             {{Einheit::A, 1, Links}, {Einheit::S, 1, 13}},
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
             {"", "", "", "", ""}}));

TEST(Ansage, NothingForAFieldThatDoesNotExist) {
    Sitzung s;
    s.Tick();
    EXPECT_EQ(s.KeyDown(Einheit::N, 7, taste::Rechts, 0).ansage, "");
    const Bild& b = s.KeyDown(Einheit::S, 0, taste::C, 0);
    EXPECT_EQ(b.ansage, "");
    EXPECT_EQ(b.felder, Sitzung().bild().felder);
}

TEST(Ansage, RodsAndColumnNameTheSelectedRow) {
    const Pruefstand vorStart;
    EXPECT_EQ(Stabname(vorStart.m.zustand(), 2), "Stab 2");
    EXPECT_EQ(Spaltenname(vorStart.m.zustand()), "Multiplikatoren");
    struct Reihe {
        std::int16_t taste;
        int mal; // from the start row, 5
        const char* reihe;
        const char* stab2;
        const char* stab6;
    };
    // The first and the last row as well as one between: a bound off by one loses the cell.
    for (const Reihe& r : {Reihe{taste::Hoch, 2, "Reihe 3", "09", "21"},
                           Reihe{taste::Hoch, 4, "Reihe 1", "03", "07"},
                           Reihe{taste::Runter, 4, "Reihe 9", "27", "63"}}) {
        Pruefstand p;
        p.starte();
        p.stelleStaebe("030007");
        for (int k = 0; k < r.mal; ++k) {
            p.m.S_KeyDown(1, r.taste, 0);
        }
        EXPECT_EQ(Stabname(p.m.zustand(), 2), std::string("Stab 2, ") + r.reihe + ": " + r.stab2);
        EXPECT_EQ(Stabname(p.m.zustand(), 6), std::string("Stab 6, ") + r.reihe + ": " + r.stab6);
        EXPECT_EQ(Spaltenname(p.m.zustand()), std::string("Multiplikatoren, ") + r.reihe);
        // No rod 0 or 7: no cell read from beside the digits.
        EXPECT_EQ(Stabname(p.m.zustand(), 0), "Stab 0");
        EXPECT_EQ(Stabname(p.m.zustand(), 7), "Stab 7");
    }
}

} // namespace
} // namespace rechenmaschine::test
