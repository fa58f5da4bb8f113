// The exercises played through a session as a student plays them: every model solution meets
// its step's goal at its last key and not before, and ends in the stated result; a wrong answer
// meets no goal; a demonstration reaches the goal from wherever the student left the machine.
#include "exercises/tutor.h"
#include "machine/key_codes.h"

#include <gtest/gtest.h>

namespace rechenmaschine {
namespace {

// The results, worked out apart from the machine.
constexpr std::array<std::string_view, 6> Ergebnisse{"1623 + 377 = 2000", "2000 − 1 = 1999",
                                                     "7 · 6 = 42",        "347 · 6 = 2082",
                                                     "347 · 26 = 9022",   "84 : 12 = 7"};

// Plays exercise `a` key by key: its model solutions, or from wherever the machine stands its
// demonstrations; a failure names the step.
void spiele(Sitzung& s, std::size_t a, bool vorgefuehrt) {
    Uebung u(a);
    for (std::size_t k = 0; k < aufgaben()[a].schritte.size(); ++k) {
        const auto& muster = aufgaben()[a].schritte[k].loesung;
        const std::vector<Loesungstaste> tasten =
            vorgefuehrt ? vorfuehrung(u, s.bild())
                        : std::vector<Loesungstaste>(muster.begin(), muster.end());
        for (const Loesungstaste& t : tasten) {
            for (int m = 0; m < t.mal; ++m) {
                const bool letzte = &t == &tasten.back() && m + 1 == t.mal;
                s.KeyDown(t.feld.einheit, t.feld.index, t.taste, 0);
                const Uebungsstand stand = u.nachTaste(s.bild());
                ASSERT_EQ(stand.geschafft, letzte) << "exercise " << a + 1 << ", step " << k + 1;
                ASSERT_EQ(u.schritt(), letzte ? k + 1 : k);
            }
        }
    }
    EXPECT_TRUE(u.fertig());
    EXPECT_EQ(u.anweisung(s.bild()), "Fertig: " + std::string(Ergebnisse.at(a)));
    EXPECT_EQ(u.fortschritt(), "");
    EXPECT_FALSE(u.nachTick(s.bild()).zielErfuellt);
    EXPECT_TRUE(vorfuehrung(u, s.bild()).empty());
}

class Exercise : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Exercise, ModelSolutionMeetsEachGoalAtItsLastKeyAndEndsInTheResult) {
    Sitzung fresh;
    fresh.Tick();
    spiele(fresh, GetParam(), false);
    // Demonstrated after every exercise before it, as a class takes them one after another.
    Sitzung nacheinander;
    nacheinander.Tick();
    for (std::size_t a = 0; a <= GetParam(); ++a) {
        spiele(nacheinander, a, true);
    }
}

TEST_P(Exercise, DemonstrationReachesEachGoalFromADetour) {
    const std::size_t a = GetParam();
    for (std::size_t k = 0; k < aufgaben()[a].schritte.size(); ++k) {
        Sitzung s;
        s.Tick();
        spieleBis(s, a, k);
        ASSERT_TRUE(k == 0 || aufgaben()[a].schritte[k - 1].ziel.erfuellt(s.bild())) << k;
        // A student's detour: a unit added to, a rod and a memory digit moved, the row moved.
        for (const Feld f : {Feld{Einheit::A, 6}, Feld{Einheit::N, 2}, Feld{Einheit::S, 1}}) {
            s.KeyDown(f.einheit, f.index, taste::Rechts, 0);
        }
        s.KeyDown(Einheit::S, 1, taste::Hoch, 0);
        Uebung u(a, k);
        for (const Loesungstaste& t : vorfuehrung(u, s.bild())) {
            for (int m = 0; m < t.mal; ++m) {
                s.KeyDown(t.feld.einheit, t.feld.index, t.taste, 0);
            }
        }
        EXPECT_TRUE(u.nachTaste(s.bild()).geschafft) << "exercise " << a + 1 << ", step " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Exercise, ::testing::Range<std::size_t>(0, 6));

// 347 x 6 with 32 units added instead of 42: 002072 meets no goal.
TEST(Exercise, AWrongAnswerMeetsNoGoal) {
    Sitzung s;
    s.Tick();
    const std::size_t letzter = aufgaben()[3].schritte.size() - 1;
    spieleBis(s, 3, letzter);
    Uebung u(3, letzter);
    for (int m = 0; m < 32; ++m) {
        s.KeyDown(Einheit::A, 6, taste::Rechts, 0);
        ASSERT_FALSE(u.nachTaste(s.bild()).zielErfuellt) << m;
    }
    EXPECT_EQ(s.bild().ziffer({Einheit::A, 5}) + s.bild().ziffer({Einheit::A, 6}), "72");
    EXPECT_EQ(u.schritt(), letzter);
}

// A goal that already holds when its step opens is met only after a key of that step.
TEST(Exercise, AStepIsDoneOnlyByAKeyAndSaysSoOnce) {
    Sitzung s;
    s.Tick();
    Uebung u(0);
    EXPECT_TRUE(u.nachTick(s.bild()).zielErfuellt);
    EXPECT_EQ(u.schritt(), 0u);
    const Uebungsstand stand = u.nachTaste(s.bild()); // any key: the adding unit shows 000000
    EXPECT_TRUE(stand.geschafft);
    EXPECT_EQ(stand.meldung.find("Das Additionswerk zeigt 000000. Schritt 2 von 5: Stelle 1623"),
              0u);
    EXPECT_FALSE(u.nachTaste(s.bild()).geschafft);
    EXPECT_EQ(Uebung(2).vorstellung(s.bild()).find("Aufgabe 3 von 6: Ein Stab, eine Reihe"), 0u);
}

// A remembered exercise or step that no longer exists (a newer version has fewer) opens the
// first; a demonstration before the start settings still reaches its goal.
TEST(Exercise, OutOfRangeOpensTheFirstAndADemonstrationWorksBeforeTheStart) {
    const Uebung u(aufgaben().size(), 99);
    EXPECT_EQ(u.aufgabe(), 0u);
    EXPECT_EQ(u.schritt(), 0u);
    Sitzung s; // no tick: row 0, no place values
    const Uebung reihe6(2, 3);
    for (const Loesungstaste& t : vorfuehrung(reihe6, s.bild())) {
        for (int m = 0; m < t.mal; ++m) {
            s.KeyDown(t.feld.einheit, t.feld.index, t.taste, 0);
        }
    }
    EXPECT_EQ(s.bild().reihe, 6);
    EXPECT_EQ(ergebnis(aufgaben()[5], s.bild()), "84 : 12 = 0");
}

// The page's font is cut to these: a text missing from them shows as boxes.
TEST(Exercise, EveryTextIsAmongThoseTheFontIsCutTo) {
    const std::string texte = alleTexte();
    for (const Aufgabe& a : aufgaben()) {
        for (std::string_view text : {a.titel, a.einleitung, a.ergebnis, a.schritte[0].hinweis,
                                      a.schritte.back().anweisung, a.schritte.back().geschafft}) {
            EXPECT_NE(texte.find(text), std::string::npos) << text;
        }
    }
}

} // namespace
} // namespace rechenmaschine
