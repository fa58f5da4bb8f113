// The start: the machine before its start settings, the picture they leave, and keys pressed
// before the start timer's tick.
#include "keys.h"

#include <gtest/gtest.h>

namespace rechenmaschine::test {
namespace {

TEST(Start, MachineIsAllZeroAndPanelsEmptyBeforeStartSettings) {
    const Sitzung s;
    const auto& z = s.zustand();
    EXPECT_EQ(z.Zeile, 0);
    EXPECT_EQ(z.Summe, 0);
    EXPECT_TRUE(z.Zelle.empty());
    for (std::size_t k = 0; k <= 6; ++k) {
        EXPECT_EQ(z.NZiffer[k], 0);
        EXPECT_EQ(z.SZiffer[k], 0);
        EXPECT_EQ(z.Stellenwert[k], 0);
    }
    for (const auto& tafel : s.bild().tafeln) {
        EXPECT_TRUE(tafel.empty());
    }
    EXPECT_EQ(s.bild().timer, Startintervall);
}

TEST(Start, StartPictureIsRowFiveRedOverZeroRods) {
    Sitzung s;
    const Ereignisse e = s.Tick();
    for (std::size_t p = 0; p < 6; ++p) {
        const auto& stab = s.bild().tafeln[p];
        ASSERT_EQ(stab.size(), 18u);
        EXPECT_EQ(zellen(stab), std::vector<std::string>(9, "00"));
        EXPECT_EQ(roteReihen(stab, 2), std::vector<int>{5});
        EXPECT_EQ(stab[0].farbe, Normalfarbe);
    }
    const auto& spalte = s.bild().tafeln[6];
    ASSERT_EQ(spalte.size(), 9u);
    EXPECT_EQ(spalte[4].text, " 5 ");
    EXPECT_EQ(roteReihen(spalte, 1), std::vector<int>{5});
    EXPECT_EQ(e.fokus, (Feld{Einheit::N, 1}));
    EXPECT_EQ(s.bild().reihe, 5);
    EXPECT_EQ(s.bild().timer, 0);
    EXPECT_EQ(s.zustand().Stellenwert,
              (std::array<std::int32_t, 7>{1, 10, 100, 1000, 10000, 100000, 1000000}));
}

// Before the first timer tick, keys run through the same rules with row 0 and no place values;
// the start settings then leave the fields and the total alone.
TEST(Start, KeysBeforeStartSettingsStayInRangeAndTheStartLeavesTheirDigits) {
    Sitzung s;
    s.KeyDown(Einheit::A, 6, taste::Rechts, 0);
    EXPECT_EQ(ziffern(s, Einheit::A), "000000") << "no place values yet, so nothing is added";
    s.KeyDown(Einheit::N, 2, taste::Rechts, 0);
    s.KeyDown(Einheit::S, 3, taste::Links, 0);
    EXPECT_EQ(ziffern(s, Einheit::N), "010000");
    EXPECT_TRUE(roteReihen(s.bild().tafeln[6], 1).empty()) << "row 0 marks no row";
    s.KeyDown(Einheit::S, 1, taste::Runter, 0);
    EXPECT_EQ(s.bild().reihe, 1);
    s.Tick();
    EXPECT_EQ(ziffern(s, Einheit::N), "010000");
    EXPECT_EQ(ziffern(s, Einheit::S), "009000");
    EXPECT_EQ(zellen(s.bild().tafeln[1])[0], "01");
    EXPECT_EQ(s.bild().reihe, 5);
}

} // namespace
} // namespace rechenmaschine::test
