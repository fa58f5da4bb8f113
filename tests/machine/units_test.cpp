#include "fakes.h"

#include "machine/einheit.h"
#include "machine/key_codes.h"

#include <gtest/gtest.h>

namespace rechenmaschine {
// Found by GoogleTest beside the type, to name a unit in a test's name.
static void PrintTo(Einheit e, std::ostream* os) {
    *os << "unit " << Buchstabe(e);
}
} // namespace rechenmaschine

namespace rechenmaschine::test {
namespace {

constexpr std::int16_t L = taste::Links, U = taste::Hoch, R = taste::Rechts, D = taste::Runter,
                       C = taste::C, Enter = 13, Ziffer5 = 53;

void waehleZeile(Pruefstand& p, int zeile) {
    while (p.m.zustand().Zeile != zeile) {
        p.m.S_KeyDown(1, D, 0);
    }
    p.log.clear();
}

void druecke(Pruefstand& p, Einheit e, int index, std::int16_t key, std::int16_t shift = 0) {
    switch (e) {
    case Einheit::N:
        p.m.N_KeyDown(index, key, shift);
        break;
    case Einheit::A:
        p.m.A_KeyDown(index, key, shift);
        break;
    case Einheit::S:
        p.m.S_KeyDown(index, key, shift);
        break;
    }
}

FakeFields& felder(Pruefstand& p, Einheit e) {
    return e == Einheit::N ? p.N : e == Einheit::A ? p.A : p.S;
}

// ---- digits: one table for the three units ----

struct ZiffernFall {
    Einheit einheit;
    const char* vorher;
    int index;
    std::int16_t key;
    const char* nachher;
};

void PrintTo(const ZiffernFall& f, std::ostream* os) {
    *os << "unit " << Buchstabe(f.einheit) << " " << f.vorher << " key " << f.key << " at "
        << f.index;
}

class DigitKeys : public ::testing::TestWithParam<ZiffernFall> {};

TEST_P(DigitKeys, ChangeTheFieldsAsTheUnitsRulesSay) {
    const auto& f = GetParam();
    // The shift state is never looked at: every combination gives the same result.
    for (std::int16_t shift : {0, 1, 2, 3, 4, 7}) {
        Pruefstand p;
        p.starte();
        if (f.einheit == Einheit::N) {
            p.stelleStaebe(f.vorher);
        } else {
            felder(p, f.einheit).set(f.vorher);
        }
        druecke(p, f.einheit, f.index, f.key, shift);
        EXPECT_EQ(felder(p, f.einheit).digits(), f.nachher) << "shift " << shift;
        EXPECT_EQ(p.m.zustand().Zeile, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Rods, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::N, "000000", 1, L, "900000"},
                                           ZiffernFall{Einheit::N, "000900", 4, R, "000000"},
                                           ZiffernFall{Einheit::N, "190000", 2, R, "100000"},
                                           ZiffernFall{Einheit::N, "000050", 5, L, "000040"},
                                           ZiffernFall{Einheit::N, "000008", 6, R, "000009"},
                                           ZiffernFall{Einheit::N, "123456", 3, C, "000000"},
                                           ZiffernFall{Einheit::N, "123456", 3, Enter, "123456"},
                                           ZiffernFall{Einheit::N, "123456", 3, Ziffer5,
                                                       "123456"}));

INSTANTIATE_TEST_SUITE_P(Adding, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::A, "000999", 6, R, "001000"},
                                           ZiffernFall{Einheit::A, "001000", 6, L, "000999"},
                                           ZiffernFall{Einheit::A, "000000", 1, L, "000000"},
                                           ZiffernFall{Einheit::A, "000000", 4, L, "000000"},
                                           ZiffernFall{Einheit::A, "000000", 6, L, "000000"},
                                           ZiffernFall{Einheit::A, "999999", 6, R, "000000"},
                                           ZiffernFall{Einheit::A, "950000", 1, R, "000000"},
                                           ZiffernFall{Einheit::A, "899999", 1, R, "999999"},
                                           ZiffernFall{Einheit::A, "000500", 3, L, "000000"},
                                           ZiffernFall{Einheit::A, "001000", 3, L, "000000"},
                                           ZiffernFall{Einheit::A, "123456", 2, R, "133456"},
                                           ZiffernFall{Einheit::A, "193456", 2, R, "203456"},
                                           ZiffernFall{Einheit::A, "099999", 6, R, "100000"},
                                           ZiffernFall{Einheit::A, "100000", 6, L, "099999"},
                                           ZiffernFall{Einheit::A, "100000", 1, L, "000000"},
                                           ZiffernFall{Einheit::A, "054321", 5, R, "054331"},
                                           ZiffernFall{Einheit::A, "123456", 4, C, "000000"},
                                           ZiffernFall{Einheit::A, "123456", 4, Enter, "123456"}));

INSTANTIATE_TEST_SUITE_P(Memory, DigitKeys,
                         ::testing::Values(ZiffernFall{Einheit::S, "000000", 3, L, "009000"},
                                           ZiffernFall{Einheit::S, "000009", 6, R, "000000"},
                                           ZiffernFall{Einheit::S, "090000", 2, R, "000000"},
                                           ZiffernFall{Einheit::S, "500000", 1, L, "400000"},
                                           ZiffernFall{Einheit::S, "123456", 4, R, "123556"},
                                           ZiffernFall{Einheit::S, "123456", 5, C, "000000"},
                                           ZiffernFall{Einheit::S, "123456", 5, Enter, "123456"}));

// ---- rows: the same two rules, reached from every unit ----

struct ZeilenFall {
    int vorher;
    std::int16_t key;
    int nachher;
};

void PrintTo(const ZeilenFall& f, std::ostream* os) {
    *os << "row " << f.vorher << " key " << f.key;
}

class RowKeys : public ::testing::TestWithParam<std::tuple<Einheit, ZeilenFall>> {};

TEST_P(RowKeys, MoveTheSelectedRowWithWrapAndRedrawIt) {
    const auto [einheit, fall] = GetParam();
    Pruefstand p;
    p.starte();
    waehleZeile(p, fall.vorher);
    felder(p, einheit).set("102030");
    druecke(p, einheit, 2, fall.key);
    EXPECT_EQ(p.m.zustand().Zeile, fall.nachher);
    EXPECT_EQ(roteZeilen(p.Mult, 1), std::vector<int>{fall.nachher});
    EXPECT_EQ(roteZeilen(p.Nep[5], 2), std::vector<int>{fall.nachher});
    EXPECT_EQ(felder(p, einheit).digits(), "102030") << "a row key leaves the digits";
}

INSTANTIATE_TEST_SUITE_P(
    AllUnits, RowKeys,
    ::testing::Combine(::testing::Values(Einheit::N, Einheit::A, Einheit::S),
                       ::testing::Values(ZeilenFall{5, U, 4}, ZeilenFall{1, U, 9},
                                         ZeilenFall{2, U, 1}, ZeilenFall{9, D, 1},
                                         ZeilenFall{5, D, 6}, ZeilenFall{8, D, 9})));

TEST(RowRules, WrapFromTheUnsetRowBeforeStart) {
    Pruefstand p;
    p.m.Schiebe_Zeile_hoch();
    EXPECT_EQ(p.m.zustand().Zeile, 9);
    Pruefstand q;
    q.m.Schiebe_Zeile_runter();
    EXPECT_EQ(q.m.zustand().Zeile, 1);
}

// ---- what each key repaints, and what it reads ----

struct Wirkung {
    Einheit einheit;
    std::int16_t key;
    int redraws;
    int reads;
};

void PrintTo(const Wirkung& w, std::ostream* os) {
    *os << "unit" << static_cast<int>(w.einheit) << " key " << w.key;
}

class KeyEffects : public ::testing::TestWithParam<Wirkung> {};

TEST_P(KeyEffects, RepaintAndReadExactlyAsTheUnitsRulesSay) {
    const auto& w = GetParam();
    Pruefstand p;
    p.starte();
    druecke(p, w.einheit, 4, w.key);
    EXPECT_EQ(p.redraws(), w.redraws);
    EXPECT_EQ(p.countContaining(".read("), w.reads);
    if (w.einheit == Einheit::N) {
        EXPECT_EQ(p.log.front(), "N.read(4)") << "the rods re-read only the field with the key";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyEffects,
    ::testing::Values(
        // The multiplication unit redraws after every key; C redraws in the reset and again.
        Wirkung{Einheit::N, L, 1, 1}, Wirkung{Einheit::N, R, 1, 1}, Wirkung{Einheit::N, U, 1, 1},
        Wirkung{Einheit::N, D, 1, 1}, Wirkung{Einheit::N, C, 2, 1},
        Wirkung{Einheit::N, Enter, 1, 1}, Wirkung{Einheit::N, 0, 1, 1},
        // The adding unit and the register redraw only for Up and Down.
        Wirkung{Einheit::A, L, 0, 6}, Wirkung{Einheit::A, R, 0, 6}, Wirkung{Einheit::A, U, 1, 6},
        Wirkung{Einheit::A, D, 1, 6}, Wirkung{Einheit::A, C, 0, 6},
        Wirkung{Einheit::A, Enter, 0, 6}, Wirkung{Einheit::S, L, 0, 6},
        Wirkung{Einheit::S, R, 0, 6}, Wirkung{Einheit::S, U, 1, 6}, Wirkung{Einheit::S, D, 1, 6},
        Wirkung{Einheit::S, C, 0, 6}, Wirkung{Einheit::S, Enter, 0, 6}));

// ---- unknown keys, for every code that is not one of the five ----

TEST(UnknownKeys, ChangeNoValueInAnyUnit) {
    for (int code = -32768; code <= 32767; code += (code > -50 && code < 300) ? 1 : 977) {
        const auto key = static_cast<std::int16_t>(code);
        if (key == L || key == U || key == R || key == D || key == C) {
            continue;
        }
        Pruefstand p;
        p.starte();
        p.stelleStaebe("314159");
        p.A.set("271828");
        p.S.set("141421");
        for (Einheit e : {Einheit::N, Einheit::A, Einheit::S}) {
            druecke(p, e, 3, key, 1);
        }
        ASSERT_EQ(p.N.digits(), "314159") << code;
        ASSERT_EQ(p.A.digits(), "271828") << code;
        ASSERT_EQ(p.S.digits(), "141421") << code;
        ASSERT_EQ(p.m.zustand().Zeile, 5) << code;
        ASSERT_EQ(p.redraws(), 1) << "only the rod unit repaints, once; code " << code;
    }
}

// ---- the two stories of everyday use ----

TEST(Road, DownInAFieldShowingSevenSelectsRowSixAndShowsFortyTwoInRed) {
    Pruefstand p;
    p.starte();
    p.N.set("007000"); // as the field shows it; the copy is read at the key
    p.m.N_KeyDown(3, D, 0);
    EXPECT_EQ(p.m.zustand().NZiffer[3], 7);
    EXPECT_EQ(p.m.zustand().Zeile, 6);
    EXPECT_EQ(zellen(p.Nep[2]),
              (std::vector<std::string>{"07", "14", "21", "28", "35", "42", "49", "56", "63"}));
    EXPECT_EQ(p.Nep[2].lines[10].text, "  4");
    EXPECT_EQ(p.Nep[2].lines[11].text, "     2");
    for (const auto& rod : p.Nep) {
        EXPECT_EQ(roteZeilen(rod, 2), std::vector<int>{6});
    }
    EXPECT_EQ(roteZeilen(p.Mult, 1), std::vector<int>{6});
}

TEST(Counting, NineRightsReachNineAndTheTenthWrapsWithoutCarry) {
    Pruefstand p;
    p.starte();
    p.N.set("300000");
    p.S.set("300000");
    for (int k = 1; k <= 10; ++k) {
        p.m.N_KeyDown(2, R, 0);
        p.m.S_KeyDown(2, R, 0);
        const std::string erwartet = "3" + std::to_string(k % 10) + "0000";
        ASSERT_EQ(p.N.digits(), erwartet) << k;
        ASSERT_EQ(p.S.digits(), erwartet) << k;
    }
}

TEST(Memory, ResetThenRightCountsFromZeroWhateverTheFieldHeldBefore) {
    Pruefstand p;
    p.starte();
    p.S.set("987654");
    p.m.S_KeyDown(1, taste::Hoch, 0); // the register now holds copies of 9 8 7 6 5 4
    p.m.S_KeyDown(4, C, 0);
    p.m.S_KeyDown(4, R, 0);
    EXPECT_EQ(p.S.digits(), "000100");
    p.m.Setzealleszurueck("S");
    p.m.S_KeyDown(2, R, 0);
    EXPECT_EQ(p.S.digits(), "010000");
}

// ---- faults elsewhere must not break the machine ----

TEST(Robustness, IndexOutsideOneToSixDoesNothing) {
    for (int index : {0, 7, -1, 1000}) {
        Pruefstand p;
        p.starte();
        for (std::int16_t key : {L, U, R, D, C}) {
            p.m.N_KeyDown(index, key, 0);
            p.m.A_KeyDown(index, key, 0);
            p.m.S_KeyDown(index, key, 0);
        }
        EXPECT_TRUE(p.log.empty()) << index;
    }
}

TEST(Robustness, AFieldWithoutOneDigitCannotOverflowTheTotal) {
    struct Fall {
        const char* feld6;
        const char* nachher;
    };
    for (const Fall& f :
         {Fall{"x", "000001"}, Fall{"32767", "032768"}, Fall{"", "000001"}, Fall{"-3", "000001"}}) {
        Pruefstand p;
        p.starte();
        p.A.texts[5] = f.feld6;
        p.m.A_KeyDown(6, R, 0);
        EXPECT_EQ(p.A.digits(), f.nachher) << f.feld6;
    }
    Pruefstand p;
    p.starte();
    p.A.texts[0] = "32767"; // 32767 x 100000 would overflow 32 bits
    p.m.A_KeyDown(6, Enter, 0);
    EXPECT_EQ(p.A.digits(), "000000");
    EXPECT_EQ(p.m.zustand().Summe, 0);
}

} // namespace
} // namespace rechenmaschine::test
