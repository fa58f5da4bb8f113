#include "fakes.h"
#include "machine/einheit.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

struct ResetFall {
    const char* einheit;
    const char* N;
    const char* A;
    const char* S;
    int redraws;
};

void PrintTo(const ResetFall& f, std::ostream* os) {
    *os << '"' << f.einheit << '"';
}

class Reset : public ::testing::TestWithParam<ResetFall> {};

// Every unit holds digits and the row is 8; a reset may clear only its own unit.
TEST_P(Reset, ClearsOnlyItsOwnUnitAndNeverTheRow) {
    Pruefstand p;
    p.starte();
    p.stelleStaebe("123456");
    for (int k = 0; k < 3; ++k) {
        p.m.A_KeyDown(6 - k, taste::Runter, 0); // rows 6, 7, 8
    }
    p.A.set("123456");
    p.m.A_KeyDown(6, 13, 0); // lets the adding unit take its total from the fields
    p.S.set("654321");
    p.m.S_KeyDown(1, 13, 0);
    p.log.clear();

    p.m.Setzealleszurueck(GetParam().einheit);

    EXPECT_EQ(p.N.digits(), GetParam().N);
    EXPECT_EQ(p.A.digits(), GetParam().A);
    EXPECT_EQ(p.S.digits(), GetParam().S);
    EXPECT_EQ(p.redraws(), GetParam().redraws);
    EXPECT_EQ(p.m.zustand().Zeile, 8);
    EXPECT_EQ(p.countContaining(".read("), 0) << "a reset reads no field";
    const bool nGeloescht = std::string(GetParam().N) == "000000";
    EXPECT_EQ(p.m.zustand().NZiffer[1], nGeloescht ? 0 : 1);
    EXPECT_EQ(p.m.zustand().NZiffer[6], nGeloescht ? 0 : 6);
    EXPECT_EQ(p.m.zustand().Summe, std::string(GetParam().A) == "000000" ? 0 : 123456);
    EXPECT_EQ(p.m.zustand().SZiffer[1], 6) << "the register keeps its copies until its next key";
    if (nGeloescht) {
        for (const auto& rod : p.Nep) {
            EXPECT_EQ(zellen(rod), std::vector<std::string>(9, "00"));
            EXPECT_EQ(roteZeilen(rod, 2), std::vector<int>{8});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Units, Reset,
                         ::testing::Values(ResetFall{"N", "000000", "123456", "654321", 1},
                                           ResetFall{"A", "123456", "000000", "654321", 0},
                                           ResetFall{"S", "123456", "123456", "000000", 0},
                                           ResetFall{"n", "123456", "123456", "654321", 0},
                                           ResetFall{"a", "123456", "123456", "654321", 0},
                                           ResetFall{"", "123456", "123456", "654321", 0},
                                           ResetFall{"NA", "123456", "123456", "654321", 0}));

TEST(Reset, UnknownUnitTouchesNoControl) {
    Pruefstand p;
    p.starte();
    p.m.Setzealleszurueck("X");
    EXPECT_TRUE(p.log.empty());
}

// The letters the reset takes name one unit each, and nothing else names one.
TEST(Reset, EachLetterNamesOneUnitAndNoOtherNamesAny) {
    for (Einheit e : AlleEinheiten) {
        EXPECT_EQ(EinheitMitBuchstabe(Buchstabe(e)), e);
    }
    for (const char* fremd : {"X", "s", "", "NA", "S "}) {
        EXPECT_EQ(EinheitMitBuchstabe(fremd), std::nullopt) << '"' << fremd << '"';
    }
}

TEST(Reset, WritesEachFieldBeforeClearingItsCopyThenRedraws) {
    Pruefstand p;
    p.starte();
    p.m.Setzealleszurueck("N");
    ASSERT_GE(p.log.size(), 7u);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(p.log[static_cast<std::size_t>(i - 1)], "N.write(" + std::to_string(i) + ",0)");
    }
    EXPECT_EQ(p.log[6], "Nep1.clear");
}

} // namespace
} // namespace rechenmaschine::test
