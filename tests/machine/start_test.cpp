#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rechenmaschine::test {
namespace {

TEST(Start, MachineIsAllZeroAndPanelsEmptyBeforeStartSettings) {
    Pruefstand p;
    const auto& z = p.m.zustand();
    EXPECT_EQ(z.Zeile, 0);
    EXPECT_EQ(z.Summe, 0);
    EXPECT_TRUE(z.Zelle.empty());
    for (std::size_t k = 0; k <= 6; ++k) {
        EXPECT_EQ(z.NZiffer[k], 0);
        EXPECT_EQ(z.SZiffer[k], 0);
        EXPECT_EQ(z.Stellenwert[k], 0);
    }
    EXPECT_TRUE(p.log.empty()) << "creating the machine must not touch the controls";
}

TEST(Start, StartPictureIsRowFiveRedOverZeroRods) {
    Pruefstand p;
    p.m.Starteinstellugen();
    for (const auto& rod : p.Nep) {
        ASSERT_EQ(rod.lines.size(), 18u);
        EXPECT_EQ(zellen(rod), std::vector<std::string>(9, "00"));
        EXPECT_EQ(roteZeilen(rod, 2), std::vector<int>{5});
        EXPECT_EQ(rod.lines[8].farbe, Hervorhebung);
        EXPECT_EQ(rod.lines[9].farbe, Hervorhebung);
        EXPECT_EQ(rod.lines[0].farbe, Normalfarbe);
    }
    ASSERT_EQ(p.Mult.lines.size(), 9u);
    EXPECT_EQ(p.Mult.lines[4].text, " 5 ");
    EXPECT_EQ(roteZeilen(p.Mult, 1), std::vector<int>{5});
    EXPECT_EQ(p.N.focus, 1);
    EXPECT_EQ(p.m.zustand().Zeile, 5);
    EXPECT_EQ(p.Timer1.interval, 0);
}

TEST(Start, StepsRunInTheirOrder) {
    Pruefstand p;
    std::array<std::int32_t, 7> stellenwertBeimFokus{};
    p.N.onFocus = [&] { stellenwertBeimFokus = p.m.zustand().Stellenwert; };
    p.m.Starteinstellugen();

    const auto pos = [&](const std::string& e) {
        return std::find(p.log.begin(), p.log.end(), e) - p.log.begin();
    };
    EXPECT_EQ(p.log.front(), "Timer1.interval(0)");
    EXPECT_LT(pos("Timer1.interval(0)"), pos("Nep1.clear"));
    EXPECT_EQ(p.log.back(), "N.focus(1)") << "focus comes after the whole first drawing";
    EXPECT_EQ(p.count("Timer1.enabled"), 0) << "disabling the timer is the window's step";
    EXPECT_EQ(stellenwertBeimFokus, (std::array<std::int32_t, 7>{}))
        << "place values are filled after the drawing and the focus";
    EXPECT_EQ(p.m.zustand().Stellenwert,
              (std::array<std::int32_t, 7>{1, 10, 100, 1000, 10000, 100000, 1000000}));
}

TEST(Start, LeavesFieldsAndTotalAlone) {
    Pruefstand p;
    p.N.set("123456");
    p.A.set("000042");
    p.S.set("987654");
    p.m.Starteinstellugen();
    EXPECT_EQ(p.writes(), 0);
    EXPECT_EQ(p.countContaining(".read("), 0);
    EXPECT_EQ(p.N.digits(), "123456");
    EXPECT_EQ(p.A.digits(), "000042");
    EXPECT_EQ(p.S.digits(), "987654");
    EXPECT_EQ(p.m.zustand().Summe, 0);
    // The rods are drawn from the digit copies, which are still 0.
    EXPECT_EQ(zellen(p.Nep[0]), std::vector<std::string>(9, "00"));
}

// Before the first timer tick, keys run through the same rules with row 0 and no place values.
TEST(Start, KeysBeforeStartSettingsStayInRange) {
    Pruefstand p;
    p.m.A_KeyDown(6, taste::Rechts, 0);
    EXPECT_EQ(p.A.digits(), "000000") << "no place values yet, so nothing is added";
    p.m.N_KeyDown(2, taste::Rechts, 0);
    EXPECT_EQ(p.N.digits(), "010000");
    EXPECT_TRUE(roteZeilen(p.Mult, 1).empty()) << "row 0 marks no row";
    p.m.S_KeyDown(1, taste::Runter, 0);
    EXPECT_EQ(p.m.zustand().Zeile, 1);
}

} // namespace
} // namespace rechenmaschine::test
