// The key rules of the three units, key by key through a session: the digits, the row and the
// rods each key leaves.
#include "keys.h"

#include "machine/number_text.h"

#include <gtest/gtest.h>

namespace rechenmaschine {
// Found by GoogleTest beside the type, to name a unit in a test's name.
static void PrintTo(Einheit e, std::ostream* os) {
    *os << "unit " << buchstabe(e);
}
} // namespace rechenmaschine

namespace rechenmaschine::test {
namespace {

using taste::C, taste::Eingabe, taste::Hoch, taste::Links, taste::Rechts, taste::Runter;

// ---- digits: one table for the three units ----

struct ZiffernFall {
    Einheit einheit;
    const char* vorher;
    int index;
    std::int16_t key;
    const char* nachher;
};

void PrintTo(const ZiffernFall& f, std::ostream* os) {
    *os << "unit " << buchstabe(f.einheit) << " " << f.vorher << " key " << f.key << " at "
        << f.index;
}

class DigitKeys : public ::testing::TestWithParam<ZiffernFall> {};

TEST_P(DigitKeys, ChangeTheFieldsAsTheUnitsRulesSay) {
    const auto& f = GetParam();
    // The shift state is never looked at: every combination gives the same result.
    for (std::int16_t shift : {0, 1, 2, 3, 4, 7}) {
        Sitzung s;
        s.Tick();
        stelle(s, f.einheit, f.vorher);
        s.KeyDown(f.einheit, f.index, f.key, shift);
        EXPECT_EQ(ziffern(s, f.einheit), f.nachher) << "shift " << shift;
        EXPECT_EQ(s.bild().reihe, 5);
        // The rods show the multiples of the digits they are set to, after every key.
        const std::string staebe = ziffern(s, Einheit::N);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(zellen(s.bild().tafeln[i])[4], zellentext(staebe[i] - '0', 5)) << i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rods, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::N, "000000", 1, Links, "900000"},
                                           ZiffernFall{Einheit::N, "000900", 4, Rechts, "000000"},
                                           ZiffernFall{Einheit::N, "190000", 2, Rechts, "100000"},
                                           ZiffernFall{Einheit::N, "000050", 5, Links, "000040"},
                                           ZiffernFall{Einheit::N, "000008", 6, Rechts, "000009"},
                                           ZiffernFall{Einheit::N, "123456", 3, C, "000000"},
                                           ZiffernFall{Einheit::N, "123456", 3, Eingabe, "123456"},
                                           ZiffernFall{Einheit::N, "123456", 3, '5', "123456"}));

INSTANTIATE_TEST_SUITE_P(Adding, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::A, "000999", 6, Rechts, "001000"},
                                           ZiffernFall{Einheit::A, "001000", 6, Links, "000999"},
                                           ZiffernFall{Einheit::A, "000000", 1, Links, "000000"},
                                           ZiffernFall{Einheit::A, "000000", 4, Links, "000000"},
                                           ZiffernFall{Einheit::A, "000000", 6, Links, "000000"},
                                           ZiffernFall{Einheit::A, "999999", 6, Rechts, "000000"},
                                           ZiffernFall{Einheit::A, "950000", 1, Rechts, "000000"},
                                           ZiffernFall{Einheit::A, "899999", 1, Rechts, "999999"},
                                           ZiffernFall{Einheit::A, "000500", 3, Links, "000000"},
                                           ZiffernFall{Einheit::A, "001000", 3, Links, "000000"},
                                           ZiffernFall{Einheit::A, "123456", 2, Rechts, "133456"},
                                           ZiffernFall{Einheit::A, "193456", 2, Rechts, "203456"},
                                           ZiffernFall{Einheit::A, "099999", 6, Rechts, "100000"},
                                           ZiffernFall{Einheit::A, "100000", 6, Links, "099999"},
                                           ZiffernFall{Einheit::A, "100000", 1, Links, "000000"},
                                           ZiffernFall{Einheit::A, "054321", 5, Rechts, "054331"},
                                           ZiffernFall{Einheit::A, "123456", 4, C, "000000"},
                                           ZiffernFall{Einheit::A, "123456", 4, Eingabe,
                                                       "123456"}));

INSTANTIATE_TEST_SUITE_P(Memory, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::S, "000000", 3, Links, "009000"},
                                           ZiffernFall{Einheit::S, "000009", 6, Rechts, "000000"},
                                           ZiffernFall{Einheit::S, "090000", 2, Rechts, "000000"},
                                           ZiffernFall{Einheit::S, "500000", 1, Links, "400000"},
                                           ZiffernFall{Einheit::S, "123456", 4, Rechts, "123556"},
                                           ZiffernFall{Einheit::S, "123456", 5, C, "000000"},
                                           ZiffernFall{Einheit::S, "123456", 5, Eingabe,
                                                       "123456"}));

// ---- rows: the same two rules, reached from every unit ----

struct ReihenFall {
    int vorher;
    std::int16_t key;
    int nachher;
};

void PrintTo(const ReihenFall& f, std::ostream* os) {
    *os << "row " << f.vorher << " key " << f.key;
}

class RowKeys : public ::testing::TestWithParam<std::tuple<Einheit, ReihenFall>> {};

TEST_P(RowKeys, MoveTheSelectedRowWithWrapAndRedrawIt) {
    const auto [einheit, fall] = GetParam();
    Sitzung s;
    s.Tick();
    stelle(s, einheit, "102030");
    waehleReihe(s, fall.vorher);
    s.KeyDown(einheit, 2, fall.key, 0);
    EXPECT_EQ(s.bild().reihe, fall.nachher);
    EXPECT_EQ(roteReihen(s.bild().tafeln[6], 1), std::vector<int>{fall.nachher});
    EXPECT_EQ(roteReihen(s.bild().tafeln[5], 2), std::vector<int>{fall.nachher});
    EXPECT_EQ(ziffern(s, einheit), "102030") << "a row key leaves the digits";
}

INSTANTIATE_TEST_SUITE_P(
    AllUnits, RowKeys,
    ::testing::Combine(::testing::ValuesIn(AlleEinheiten),
                       ::testing::Values(ReihenFall{5, Hoch, 4}, ReihenFall{1, Hoch, 9},
                                         ReihenFall{2, Hoch, 1}, ReihenFall{9, Runter, 1},
                                         ReihenFall{5, Runter, 6}, ReihenFall{8, Runter, 9})));

TEST(RowRules, WrapFromTheUnsetRowBeforeStart) {
    Sitzung hoch;
    hoch.KeyDown(Einheit::S, 1, Hoch, 0);
    EXPECT_EQ(hoch.bild().reihe, 9);
    Sitzung runter;
    runter.KeyDown(Einheit::S, 1, Runter, 0);
    EXPECT_EQ(runter.bild().reihe, 1);
}

// ---- unknown keys, for every code that is not one of the five ----

TEST(UnknownKeys, ChangeNothingInAnyUnit) {
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::N, "314159");
    stelle(s, Einheit::A, "271828");
    stelle(s, Einheit::S, "141421");
    const Bild vorher = s.bild();
    for (int code = -32768; code <= 32767; code += (code > -50 && code < 300) ? 1 : 977) {
        const auto key = static_cast<std::int16_t>(code);
        if (key == Links || key == Hoch || key == Rechts || key == Runter || key == C) {
            continue;
        }
        for (Einheit e : AlleEinheiten) {
            const Ereignisse ereignisse = s.KeyDown(e, 3, key, 1);
            ASSERT_TRUE(ereignisse.ziffern.none() && ereignisse.tafeln.none()) << code;
        }
        ASSERT_EQ(s.bild().ziffern, vorher.ziffern) << code;
        ASSERT_EQ(s.bild().tafeln, vorher.tafeln) << code;
    }
}

// ---- the stories of everyday use ----

TEST(Road, DownInAFieldShowingSevenSelectsRowSixAndShowsFortyTwoInRed) {
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::N, "007000");
    s.KeyDown(Einheit::N, 3, Runter, 0);
    EXPECT_EQ(s.zustand().NZiffer[3], 7);
    EXPECT_EQ(s.bild().reihe, 6);
    EXPECT_EQ(zellen(s.bild().tafeln[2]),
              (std::vector<std::string>{"07", "14", "21", "28", "35", "42", "49", "56", "63"}));
    EXPECT_EQ(s.bild().tafeln[2][10].text, "  4");
    EXPECT_EQ(s.bild().tafeln[2][11].text, "     2");
    for (std::size_t p = 0; p < 6; ++p) {
        EXPECT_EQ(roteReihen(s.bild().tafeln[p], 2), std::vector<int>{6});
    }
    EXPECT_EQ(roteReihen(s.bild().tafeln[6], 1), std::vector<int>{6});
}

TEST(Memory, ResetThenRightCountsFromZeroWhateverTheFieldHeldBefore) {
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::S, "987654");
    s.KeyDown(Einheit::S, 1, Hoch, 0); // the register now holds copies of 9 8 7 6 5 4
    s.KeyDown(Einheit::S, 4, C, 0);
    EXPECT_EQ(s.zustand().SZiffer[4], 6) << "the register keeps its copies until its next key";
    s.KeyDown(Einheit::S, 4, Rechts, 0);
    EXPECT_EQ(ziffern(s, Einheit::S), "000100");
    s.Setzealleszurueck("S");
    s.KeyDown(Einheit::S, 2, Rechts, 0);
    EXPECT_EQ(ziffern(s, Einheit::S), "010000");
}

// ---- faults elsewhere must not break the machine ----

TEST(Robustness, AFieldOutsideOneToSixChangesNothing) {
    Sitzung s;
    s.Tick();
    const Bild vorher = s.bild();
    for (int index : {0, 7, -1, 1000}) {
        for (Einheit e : AlleEinheiten) {
            for (std::int16_t key : {Links, Hoch, Rechts, Runter, C}) {
                const Ereignisse ereignisse = s.KeyDown(e, index, key, 0);
                EXPECT_TRUE(ereignisse.ziffern.none() && ereignisse.tafeln.none() &&
                            !ereignisse.reihe && ereignisse.ansage.empty())
                    << index;
            }
        }
    }
    EXPECT_EQ(s.bild().ziffern, vorher.ziffern);
    EXPECT_EQ(s.bild().tafeln, vorher.tafeln);
}

} // namespace
} // namespace rechenmaschine::test
