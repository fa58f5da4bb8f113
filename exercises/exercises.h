// Exercises that teach a student to calculate with the machine: each a title, a few words of
// introduction and a list of steps, each step an instruction, a goal on what the machine shows,
// a hint and the keys of a model solution. The texts are German, as the window is, written for a
// pupil of about twelve. No toolkit: any front end shows them.
#pragma once

#include "machine/session.h"
#include "machine/unit.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rechenmaschine {

// What the machine must show for a step: each unit's six digits ('?' for any) and the selected
// row (0 for any).
struct Ziel {
    std::string_view N = "??????";
    std::string_view A = "??????";
    std::string_view S = "??????";
    int reihe = 0;

    bool erfuellt(const Bild& bild) const;
};

// A key of a model solution: a key of the machine, pressed `mal` times in one field.
struct Loesungstaste {
    Feld feld;
    std::int16_t taste;
    int mal = 1;
};

struct Schritt {
    std::string_view anweisung;
    std::string_view hinweis;
    std::string_view geschafft; // said when its goal is met, before the next instruction
    Ziel ziel;
    std::span<const Loesungstaste> loesung;
};

struct Aufgabe {
    std::string_view titel;
    std::string_view einleitung;
    std::span<const Schritt> schritte;
    // What a finished exercise says, with {A} and {S} for the numbers the adding unit and the
    // memory show then: "347 · 26 = {A}".
    std::string_view ergebnis;
};

// The six exercises, from one digit to several, in the order a student takes them.
std::span<const Aufgabe> aufgaben();

// The result a finished exercise says, from what the machine shows: "347 · 26 = 9022".
std::string ergebnis(const Aufgabe& aufgabe, const Bild& bild);

} // namespace rechenmaschine
