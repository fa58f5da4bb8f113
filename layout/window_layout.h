// Everything that fixes how the window looks: one table of controls in twips, the colours,
// the fonts, their sizes and the texts. Both editions are made from it: the desktop window
// reads it, and the web page gets it through the layout export at build time. The rows' two
// colours are the machine's (machine/interfaces.h), as it draws them.
#pragma once

#include "machine/interfaces.h"
#include "machine/unit.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace rechenmaschine::ui {

// 15 twips are one pixel at 96 dots per inch; Qt's scale factor takes it from there.
constexpr int px(int twips) {
    return twips / 15;
}

inline constexpr std::string_view Fenstertitel =
    "Tesmar Zovadiduze Varbinger Rechenmaschine von 1623";
inline constexpr int FensterBreite = 8730; // client area, twips
inline constexpr int FensterHoehe = 8130;
inline constexpr Farbe Fensterfarbe{255, 255, 192};
inline constexpr Farbe Ueberschriftfarbe{255, 192, 192};
inline constexpr Farbe Hinweisfarbe{192, 192, 0};
inline constexpr Farbe Tafelfarbe{255, 255, 255};
inline constexpr Farbe Tafelrand{96, 96, 96};

// A digit field as the page draws it, after the desktop toolkit's own style: the desktop
// takes these from its style instead.
inline constexpr Farbe Feldgrund{255, 255, 255};
inline constexpr Farbe Feldschrift{0, 0, 0};
inline constexpr Farbe Feldrahmen{171, 171, 171};
inline constexpr Farbe Feldschatten{237, 237, 237};
inline constexpr Farbe Fokusrahmen{38, 112, 158};
inline constexpr Farbe Fokusschein{221, 233, 240};
inline constexpr Farbe Auswahlgrund{48, 140, 198};
inline constexpr Farbe Auswahlschrift{255, 255, 255};

// The desktop asks for Arial (fontconfig gives Liberation Sans, which has its metrics); the
// page carries a subset of Liberation Sans under a name of its own, as the font's licence
// asks of a modified font.
inline constexpr std::string_view Schriftart = "Arial";
inline constexpr std::string_view Ersatzschrift = "Liberation Sans"; // what fontconfig serves
inline constexpr std::string_view Seitenschrift = "Rechenmaschine Sans";
inline constexpr std::string_view Seitenschriftdatei = "fonts/rechenmaschine-sans.woff2";
// The platform's dialog font, for the credit line, as the page draws it: 9 points.
inline constexpr int SeitenDialogschriftPx = 12;

// The six columns shared by the rod setting fields, the rods, the adding unit and the memory.
inline constexpr std::array<int, 6> Spalten{240, 1440, 2640, 3840, 4920, 6120};

enum class Art { Ueberschrift, Hinweis, Feldreihe, Staebe, Spalte };

struct Steuerelement {
    std::string_view name;
    Art art;
    int links; // twips; for the arrays N, A, S and Nep the column of each index instead
    int oben;
    int breite;
    int hoehe;
    int schriftPx; // 0: the platform's dialog font (SeitenDialogschriftPx on the page)
    std::string_view text;
};

inline constexpr int KeineSpalte = -1;

inline constexpr std::string_view Bedienhinweis =
    "Bedienung nur mit den 4 Pfeiltasten und der TAB-Taste zum Springen von Feld zu Feld. "
    "Nullstellung mit \"c\"";
inline constexpr std::string_view Urheberzeile = "Nachbau 2026: rechenmaschine";

// The fields overlap the heading bars: both editions keep the labels beneath them.
inline constexpr std::array<Steuerelement, 10> Steuerelemente{{
    {"Label4", Art::Ueberschrift, 240, 0, 6495, 375, 19, "Multiplikationswerk"},
    {"Label2", Art::Ueberschrift, 240, 5640, 6495, 375, 19, "Additionswerk"},
    {"Label3", Art::Ueberschrift, 240, 6960, 6495, 375, 19,
     "Merkhilfe bzw. Speicher f\u00fcr Zwischenergebnisse"},
    {"Label6", Art::Hinweis, 7080, 6000, 1455, 1335, 11, Bedienhinweis},
    {"Label7", Art::Hinweis, 6840, 7680, 1935, 495, 0, Urheberzeile},
    {"N", Art::Feldreihe, KeineSpalte, 360, 600, 720, 37, "0"},
    {"A", Art::Feldreihe, KeineSpalte, 6000, 615, 735, 37, "0"},
    {"S", Art::Feldreihe, KeineSpalte, 7320, 615, 735, 37, "0"},
    {"Nep", Art::Staebe, KeineSpalte, 1200, 615, 4335, 13, ""},
    {"Mult", Art::Spalte, 7440, 1200, 615, 4335, 28, ""},
}};

// The place of a control in the table, or the table's size for none. An index rather than a
// pointer: GCC cannot compare pointers into the table at compile time under the sanitizers.
constexpr std::size_t findeElement(std::string_view name) {
    std::size_t k = 0;
    while (k < Steuerelemente.size() && Steuerelemente[k].name != name) {
        ++k;
    }
    return k;
}

// Not constant: reached while the compiler evaluates `element`, it stops the build. Never defined.
void unbekanntesSteuerelement();

// Evaluated by the compiler only: a misspelt name is a compile error, never a fault at run time.
consteval const Steuerelement& element(std::string_view name) {
    if (findeElement(name) == Steuerelemente.size()) {
        unbekanntesSteuerelement();
    }
    return Steuerelemente[findeElement(name)];
}

// A unit's row of fields is named by the unit's letter; every unit has one.
static_assert(std::all_of(AlleEinheiten.begin(), AlleEinheiten.end(), [](Einheit e) {
    return findeElement(buchstabe(e)) < Steuerelemente.size();
}));
constexpr const Steuerelement& feldreihe(Einheit einheit) {
    return Steuerelemente[findeElement(buchstabe(einheit))];
}

} // namespace rechenmaschine::ui
