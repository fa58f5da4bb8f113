// The reset of one unit: it clears its own unit only, never the row.
#include "keys.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

struct ResetFall {
    const char* einheit;
    const char* N;
    const char* A;
    const char* S;
};

void PrintTo(const ResetFall& f, std::ostream* os) {
    *os << '"' << f.einheit << '"';
}

class Reset : public ::testing::TestWithParam<ResetFall> {};

// Every unit holds digits and the row is 8; a reset may clear only its own unit.
TEST_P(Reset, ClearsOnlyItsOwnUnitAndNeverTheRow) {
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::N, "123456");
    stelle(s, Einheit::A, "123456");
    stelle(s, Einheit::S, "654321");
    waehleReihe(s, 8);
    s.Setzealleszurueck(GetParam().einheit);
    EXPECT_EQ(ziffern(s, Einheit::N), GetParam().N);
    EXPECT_EQ(ziffern(s, Einheit::A), GetParam().A);
    EXPECT_EQ(ziffern(s, Einheit::S), GetParam().S);
    EXPECT_EQ(s.bild().reihe, 8);
    EXPECT_EQ(s.zustand().Summe, std::string(GetParam().A) == "000000" ? 0 : 123456);
    const bool nGeloescht = std::string(GetParam().N) == "000000";
    EXPECT_EQ(s.zustand().NZiffer[6], nGeloescht ? 0 : 6);
    for (std::size_t p = 0; p < 6; ++p) {
        EXPECT_EQ(zellen(s.bild().tafeln[p])[0], nGeloescht ? "00" : "0" + std::to_string(p + 1));
        EXPECT_EQ(roteReihen(s.bild().tafeln[p], 2), std::vector<int>{8});
    }
}

INSTANTIATE_TEST_SUITE_P(Units, Reset,
                         ::testing::Values(ResetFall{"N", "000000", "123456", "654321"},
                                           ResetFall{"A", "123456", "000000", "654321"},
                                           ResetFall{"S", "123456", "123456", "000000"},
                                           ResetFall{"n", "123456", "123456", "654321"},
                                           ResetFall{"a", "123456", "123456", "654321"},
                                           ResetFall{"", "123456", "123456", "654321"},
                                           ResetFall{"NA", "123456", "123456", "654321"},
                                           ResetFall{"X", "123456", "123456", "654321"}));

// The letters the reset takes name one unit each, and nothing else names one.
TEST(Reset, EachLetterNamesOneUnitAndNoOtherNamesAny) {
    for (Einheit e : AlleEinheiten) {
        EXPECT_EQ(einheitMitBuchstabe(buchstabe(e)), e);
    }
    for (const char* fremd : {"X", "s", "", "NA", "S "}) {
        EXPECT_EQ(einheitMitBuchstabe(fremd), std::nullopt) << '"' << fremd << '"';
    }
}

} // namespace
} // namespace rechenmaschine::test
