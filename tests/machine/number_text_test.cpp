#include "machine/number_text.h"

#include <gtest/gtest.h>

namespace rechenmaschine {
namespace {

struct TextFall {
    const char* text;
    int erwartet;
};

void PrintTo(const TextFall& f, std::ostream* os) {
    *os << '"' << f.text << '"';
}

class ZahlAusTextTest : public ::testing::TestWithParam<TextFall> {};

TEST_P(ZahlAusTextTest, ReadsPlainDecimalAndEverythingElseAsZero) {
    EXPECT_EQ(zahlAusText(GetParam().text), GetParam().erwartet) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ZahlAusTextTest,
                         ::testing::Values(TextFall{"0", 0}, TextFall{"7", 7}, TextFall{"9", 9},
                                           TextFall{"007", 7}, TextFall{"1000", 1000},
                                           TextFall{"32767", 32767}, TextFall{"", 0},
                                           TextFall{"32768", 0}, TextFall{"99999999999", 0},
                                           TextFall{"-1", 0}, TextFall{"+1", 0}, TextFall{" 1", 0},
                                           TextFall{"1 ", 0}, TextFall{"x", 0}, TextFall{"1e3", 0},
                                           TextFall{"\xc2\xb3", 0}));

TEST(textAusZahl, IsPlainDecimalWithoutLeadingBlank) {
    EXPECT_EQ(textAusZahl(7), "7");
    EXPECT_EQ(textAusZahl(0), "0");
    EXPECT_EQ(textAusZahl(1000), "1000");
    EXPECT_EQ(textAusZahl(999999), "999999");
}

} // namespace
} // namespace rechenmaschine
