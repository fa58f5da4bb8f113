// The exercises' panel on the page: its controls, the keys that work it from the keyboard, its
// size and the pace of a demonstration. The exercises' own texts are the exercises library's.
#pragma once

#include "screen_keys.h"
#include "window_layout.h"

#include <string_view>

namespace rechenmaschine::ui {

inline constexpr std::string_view Aufgaben = "Aufgaben";
inline constexpr std::string_view Tipp = "Tipp";
inline constexpr std::string_view Vorfuehren = "Vorführen";
inline constexpr std::string_view Anhalten = "Anhalten";
inline constexpr std::string_view VorigeAufgabe = "Vorige Aufgabe";
inline constexpr std::string_view NaechsteAufgabe = "Nächste Aufgabe";
inline constexpr std::string_view AufgabeNummer = "Aufgabe"; // "Aufgabe 3" on its button

// Keys no field rule and no browser uses, by their names in the browser's key events: the panel
// opened and closed, the hint, the demonstration, the next and (with Shift) the previous
// exercise.
inline constexpr std::string_view TastePanel = "F2";
inline constexpr std::string_view TasteTipp = "F4";    // with Shift: the demonstration
inline constexpr std::string_view TasteAufgabe = "F8"; // with Shift: the previous one

// Beside the window as high as it, or below it as wide as it.
inline constexpr Groesse AufgabenNeben{300, px(FensterHoehe)};
inline constexpr Groesse AufgabenUnter{px(FensterBreite), 264};
inline constexpr int AufgabenSchriftPx = 14;

// A demonstration at a pace a class can follow.
inline constexpr int VorfuehrTaktMs = 500;

} // namespace rechenmaschine::ui
