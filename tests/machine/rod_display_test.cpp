#include "fakes.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

// The picture rods 1..6 must show, built from Napier's layout rather than the machine's code.
std::vector<Druckzeile> erwarteterStab(int ziffer, int zeile) {
    std::vector<Druckzeile> out;
    for (int j = 1; j <= 9; ++j) {
        const Farbe f = j == zeile ? Hervorhebung : Normalfarbe;
        const int p = ziffer * j;
        out.push_back({f, "  " + std::string(1, char('0' + p / 10))});
        out.push_back({f, "     " + std::string(1, char('0' + p % 10))});
    }
    return out;
}

bool gleich(const std::vector<Druckzeile>& a, const std::vector<Druckzeile>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (!(a[k].farbe == b[k].farbe) || a[k].text != b[k].text) {
            return false;
        }
    }
    return true;
}

struct Bild {
    const char* staebe;
    int zeile;
    const char* roteReihe; // the red cells from left to right
};

void PrintTo(const Bild& b, std::ostream* os) {
    *os << b.staebe << " row " << b.zeile;
}

class RodPicture : public ::testing::TestWithParam<Bild> {};

TEST_P(RodPicture, EveryRodAndTheColumnMatchTheirDigitsAndRow) {
    Pruefstand p;
    p.starte();
    p.stelleStaebe(GetParam().staebe);
    while (p.m.zustand().Zeile != GetParam().zeile) {
        p.m.N_KeyDown(1, taste::Runter, 0);
    }
    std::string roteReihe;
    for (int i = 0; i < 6; ++i) {
        const auto& rod = p.Nep[static_cast<std::size_t>(i)];
        EXPECT_TRUE(gleich(rod.lines, erwarteterStab(GetParam().staebe[i] - '0', GetParam().zeile)))
            << "rod " << i + 1;
        roteReihe += zellen(rod)[static_cast<std::size_t>(GetParam().zeile - 1)] + " ";
    }
    EXPECT_EQ(roteReihe, GetParam().roteReihe);
    ASSERT_EQ(p.Mult.lines.size(), 9u);
    for (int j = 1; j <= 9; ++j) {
        const auto& line = p.Mult.lines[static_cast<std::size_t>(j - 1)];
        EXPECT_EQ(line.text, (std::string{' ', char('0' + j), ' '}));
        EXPECT_EQ(line.farbe, j == GetParam().zeile ? Hervorhebung : Normalfarbe);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, RodPicture,
                         ::testing::Values(Bild{"007000", 6, "00 00 42 00 00 00 "},
                                           Bild{"123456", 9, "09 18 27 36 45 54 "},
                                           Bild{"000705", 3, "00 00 00 21 00 15 "},
                                           Bild{"999999", 9, "81 81 81 81 81 81 "},
                                           Bild{"000000", 1, "00 00 00 00 00 00 "},
                                           Bild{"987654", 7, "63 56 49 42 35 28 "}));

TEST(RodDisplay, OneRedrawIsSevenClearsSixtyThreeColoursAndOneHundredSeventeenLines) {
    Pruefstand p;
    p.starte();
    p.stelleStaebe("314159");
    p.m.Zeichne_Neper_neu();
    EXPECT_EQ(p.countContaining(".clear"), 7);
    EXPECT_EQ(p.countContaining(".color("), 63);
    EXPECT_EQ(p.countContaining(".print("), 117);
    EXPECT_EQ(p.log.size(), 7u + 63u + 117u);
    // Rods left to right, each cleared before it is printed, the column last.
    const std::vector<std::string> clears{"Nep1.clear", "Nep2.clear", "Nep3.clear", "Nep4.clear",
                                          "Nep5.clear", "Nep6.clear", "Mult.clear"};
    std::vector<std::string> seen;
    for (const auto& e : p.log) {
        if (e.find(".clear") != std::string::npos) {
            seen.push_back(e);
        }
    }
    EXPECT_EQ(seen, clears);
    EXPECT_EQ(p.log[0], "Nep1.clear");
    EXPECT_EQ(p.log[1], "Nep1.color(200,200,200)");
    EXPECT_EQ(p.log[2], "Nep1.print(  0)");
    EXPECT_EQ(p.log[3], "Nep1.print(     3)");
    EXPECT_EQ(p.log[28 * 5], "Nep6.clear") << "a rod is 1 clear, 9 colours, 18 lines";
    EXPECT_EQ(p.m.zustand().Zelle, "81") << "the last cell drawn is 9 x 9";
}

TEST(RodDisplay, TwoCallsLeaveTheSamePictureAsOne) {
    Pruefstand p;
    p.starte();
    p.stelleStaebe("271828");
    p.m.Zeichne_Neper_neu();
    const auto rod4 = p.Nep[3].lines;
    const auto mult = p.Mult.lines;
    p.m.Zeichne_Neper_neu();
    EXPECT_TRUE(gleich(p.Nep[3].lines, rod4));
    EXPECT_TRUE(gleich(p.Mult.lines, mult));
}

} // namespace
} // namespace rechenmaschine::test
