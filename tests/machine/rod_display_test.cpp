// The picture of the rods and the multiplier column, built from Napier's layout rather than
// from the machine's code.
#include "keys.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

std::vector<Druckzeile> erwarteterStab(int ziffer, int reihe) {
    std::vector<Druckzeile> out;
    for (int j = 1; j <= 9; ++j) {
        const Farbe f = j == reihe ? Hervorhebung : Normalfarbe;
        const int p = ziffer * j;
        out.push_back({f, "  " + std::string(1, char('0' + p / 10))});
        out.push_back({f, "     " + std::string(1, char('0' + p % 10))});
    }
    return out;
}

struct StabFall {
    const char* staebe;
    int reihe;
    const char* roteReihe; // the red cells from left to right
};

void PrintTo(const StabFall& f, std::ostream* os) {
    *os << f.staebe << " row " << f.reihe;
}

class RodPicture : public ::testing::TestWithParam<StabFall> {};

TEST_P(RodPicture, EveryRodAndTheColumnMatchTheirDigitsAndRow) {
    const StabFall& f = GetParam();
    Sitzung s;
    s.Tick();
    stelle(s, Einheit::N, f.staebe);
    waehleReihe(s, f.reihe);
    std::string roteReihe;
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& stab = s.bild().tafeln[i];
        EXPECT_EQ(stab, erwarteterStab(f.staebe[i] - '0', f.reihe)) << "rod " << i + 1;
        roteReihe += zellen(stab)[static_cast<std::size_t>(f.reihe - 1)] + " ";
    }
    EXPECT_EQ(roteReihe, f.roteReihe);
    const auto& spalte = s.bild().tafeln[6];
    ASSERT_EQ(spalte.size(), 9u);
    for (int j = 1; j <= 9; ++j) {
        const auto& zeile = spalte[static_cast<std::size_t>(j - 1)];
        EXPECT_EQ(zeile.text, (std::string{' ', char('0' + j), ' '}));
        EXPECT_EQ(zeile.farbe, j == f.reihe ? Hervorhebung : Normalfarbe);
    }
    // Drawn again, the picture is the same, and nothing is said to have changed.
    EXPECT_TRUE(s.Zeichne_Neper_neu().tafeln.none());
    EXPECT_EQ(s.bild().tafeln[3], erwarteterStab(f.staebe[3] - '0', f.reihe));
}

INSTANTIATE_TEST_SUITE_P(Settings, RodPicture,
                         ::testing::Values(StabFall{"007000", 6, "00 00 42 00 00 00 "},
                                           StabFall{"123456", 9, "09 18 27 36 45 54 "},
                                           StabFall{"000705", 3, "00 00 00 21 00 15 "},
                                           StabFall{"999999", 9, "81 81 81 81 81 81 "},
                                           StabFall{"000000", 1, "00 00 00 00 00 00 "},
                                           StabFall{"987654", 7, "63 56 49 42 35 28 "}));

} // namespace
} // namespace rechenmaschine::test
