// The keys the page offers on the screen, for a touch screen or a whiteboard: one for each key
// the window's instruction label names, each acting as that key does in the focused field.
// The desktop window has the keyboard and shows none of them.
#pragma once

#include <array>
#include <string_view>

namespace rechenmaschine::ui {

struct Bildschirmtaste {
    std::string_view name;    // what a screen reader calls it
    std::string_view zeichen; // what it shows
    std::string_view key;     // the key it acts as, by its name in the browser's key events
    std::string_view code;    // and by the physical key's name
    bool umschalt;            // with Shift held
    std::string_view platz;   // where it stands among the others
};

inline constexpr std::array<Bildschirmtaste, 7> Bildschirmtasten{{
    {"Umschalt+Tab", "\u2190 Tab", "Tab", "Tab", true, "zurueck"},
    {"Tab", "Tab \u2192", "Tab", "Tab", false, "vor"},
    {"Pfeil hoch", "\u2191", "ArrowUp", "ArrowUp", false, "hoch"},
    {"Pfeil links", "\u2190", "ArrowLeft", "ArrowLeft", false, "links"},
    {"C", "C", "c", "KeyC", false, "c"},
    {"Pfeil rechts", "\u2192", "ArrowRight", "ArrowRight", false, "rechts"},
    {"Pfeil runter", "\u2193", "ArrowDown", "ArrowDown", false, "runter"},
}};

inline constexpr std::string_view TastenName = "Tasten";
// The two controls of a screen without touch: the keys shown or not, the window filling the
// screen or at the browser's zoom.
inline constexpr std::string_view TastenZeigen = "Tasten";
inline constexpr std::string_view Fuellen = "Bildschirm f\u00fcllen";

// Held down, a key on the screen repeats as a held key of a keyboard does; a key of the
// keyboard lights its key on the screen for a moment.
inline constexpr int WiederholungNachMs = 500;
inline constexpr int WiederholungAlleMs = 33;
inline constexpr int LeuchtdauerMs = 150;

// Sizes on the page, in CSS pixels before the page fills the screen: the gap between the
// window and its neighbours and around them, the keys' block beside the window (a column of
// keys) and below it (a row), the letters of the keys and of the controls.
struct Groesse {
    int breite;
    int hoehe;
};
inline constexpr int Abstand = 8;
inline constexpr Groesse TastenNeben{216, 288};
inline constexpr Groesse TastenUnter{432, 224};
inline constexpr int TastenSchriftPx = 24;
inline constexpr int LeisteSchriftPx = 13;

} // namespace rechenmaschine::ui
