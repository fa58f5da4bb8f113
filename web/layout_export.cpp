// Run at build time: writes the window's layout table as JSON (in pixels, kinds by name, the
// fields' names for screen readers), from which the page, its one-file edition, the font
// subset and the web app manifest are made. The page then carries the window in its markup
// and need not wait for the machine to lay it out.
#include "json.h"
#include "layout/bildschirmtasten.h"
#include "layout/uiconfig.h"
#include "machine/ansage.h"
#include "machine/key_codes.h"

#include <array>
#include <cstdio>
#include <string>

namespace rechenmaschine::web {
namespace {

std::string_view artname(ui::Art art) {
    switch (art) {
    case ui::Art::Ueberschrift:
        return "ueberschrift";
    case ui::Art::Hinweis:
        return "hinweis";
    case ui::Art::Ziffernfelder:
        return "feld";
    case ui::Art::Staebe:
        return "stab";
    case ui::Art::Spalte:
        return "spalte";
    }
    return "";
}

struct Benannt {
    std::string_view name;
    Farbe farbe;
};

// Every colour of the page's markup and style sheet, by the name the sheet uses (as --name);
// the rows' colours come with each picture, as the machine draws them.
constexpr std::array<Benannt, 13> Farben{{
    {"fenster", ui::Fensterfarbe},
    {"ueberschrift", ui::Ueberschriftfarbe},
    {"hinweis", ui::Hinweisfarbe},
    {"tafel", ui::Tafelfarbe},
    {"rand", ui::Tafelrand},
    {"feld", ui::Feldgrund},
    {"feldschrift", ui::Feldschrift},
    {"rahmen", ui::Feldrahmen},
    {"schatten", ui::Feldschatten},
    {"fokus", ui::Fokusrahmen},
    {"fokusschein", ui::Fokusschein},
    {"auswahl", ui::Auswahlgrund},
    {"auswahlschrift", ui::Auswahlschrift},
}};

struct Code {
    std::string_view key; // the browser's KeyboardEvent.key
    std::int16_t code;
};

// The browser's names of the keys a Windows key code stands for, as the desktop passes them
// on; letters, digits and F1..F24 the page counts from their first.
constexpr std::array<Code, 18> Codes{{
    {"ArrowLeft", taste::Links},
    {"ArrowUp", taste::Hoch},
    {"ArrowRight", taste::Rechts},
    {"ArrowDown", taste::Runter},
    {"Backspace", taste::Ruecktaste},
    {"Tab", taste::Tab},
    {"Enter", taste::Eingabe},
    {"Shift", taste::UmschaltTaste},
    {"Control", taste::StrgTaste},
    {"Alt", taste::AltTaste},
    {"Escape", taste::Escape},
    {" ", taste::Leertaste},
    {"PageUp", taste::BildHoch},
    {"PageDown", taste::BildRunter},
    {"End", taste::Ende},
    {"Home", taste::Pos1},
    {"Insert", taste::Einfg},
    {"Delete", taste::Entf},
}};

// What the page's script needs of the machine's facts: key codes, shift bits, the font.
std::string skript() {
    std::string o = "{\"codes\":{";
    for (const Code& c : Codes) {
        json(o, c.key);
        o += ':' + std::to_string(c.code) + ',';
    }
    o.back() = '}';
    o += ",\"c\":" + std::to_string(taste::C) + ",\"f1\":" + std::to_string(taste::F1) +
         ",\"umschalt\":" + std::to_string(taste::Umschalt) +
         ",\"strg\":" + std::to_string(taste::Strg) + ",\"alt\":" + std::to_string(taste::Alt) +
         ",\"schrift\":";
    json(o, ui::Seitenschrift);
    o += '}';
    return o;
}

std::string layout() {
    std::string o = "{\"titel\":";
    json(o, ui::Fenstertitel);
    o += ",\"breite\":" + std::to_string(ui::px(ui::FensterBreite)) +
         ",\"hoehe\":" + std::to_string(ui::px(ui::FensterHoehe));
    o += ",\"farben\":{";
    for (const Benannt& f : Farben) {
        json(o, f.name);
        o += ':';
        farbe(o, f.farbe);
        o += ',';
    }
    o.back() = '}';
    o += ",\"schrift\":";
    json(o, ui::Seitenschrift);
    o += ",\"schriftdatei\":";
    json(o, ui::Seitenschriftdatei);
    o += ",\"skript\":" + skript();
    o += ",\"elemente\":[";
    for (const ui::Steuerelement& e : ui::Steuerelemente) {
        const bool reihe = e.links == ui::KeineSpalte;
        for (int i = 1; i <= (reihe ? 6 : 1); ++i) {
            const int links = reihe ? ui::Spalten[static_cast<std::size_t>(i - 1)] : e.links;
            std::string name(e.name);
            if (reihe) {
                name += std::to_string(i);
            }
            o += "{\"name\":";
            json(o, name);
            o += ",\"art\":";
            json(o, artname(e.art));
            o += ",\"x\":" + std::to_string(ui::px(links)) +
                 ",\"y\":" + std::to_string(ui::px(e.oben)) +
                 ",\"b\":" + std::to_string(ui::px(e.breite)) +
                 ",\"h\":" + std::to_string(ui::px(e.hoehe)) +
                 ",\"px\":" + std::to_string(e.schriftPx) + ",\"text\":";
            json(o, e.text);
            o += ",\"zugang\":";
            if (e.art == ui::Art::Ziffernfelder) {
                json(o, Feldname(EinheitMitBuchstabe(e.name).value(), i));
            } else if (e.art == ui::Art::Staebe) {
                json(o, Stabname(Maschinenzustand{}, i));
            } else if (e.art == ui::Art::Spalte) {
                json(o, Spaltenname(Maschinenzustand{}));
            } else {
                json(o, "");
            }
            o += "},";
        }
    }
    o.back() = ']';
    o += ",\"tasten\":[";
    for (const ui::Bildschirmtaste& t : ui::Bildschirmtasten) {
        o += "{\"name\":";
        json(o, t.name);
        o += ",\"zeichen\":";
        json(o, t.zeichen);
        o += ",\"key\":";
        json(o, t.key);
        o += ",\"code\":";
        json(o, t.code);
        o += std::string(",\"umschalt\":") + (t.umschalt ? "true" : "false") + ",\"platz\":";
        json(o, t.platz);
        o += "},";
    }
    o.back() = ']';
    o += ",\"steuerung\":{\"tasten\":";
    json(o, ui::TastenName);
    o += ",\"zeigen\":";
    json(o, ui::TastenZeigen);
    o += ",\"fuellen\":";
    json(o, ui::Fuellen);
    o += ",\"nach\":" + std::to_string(ui::WiederholungNachMs) +
         ",\"alle\":" + std::to_string(ui::WiederholungAlleMs) +
         ",\"leuchten\":" + std::to_string(ui::LeuchtdauerMs) + "}";
    o += "}\n";
    return o;
}

} // namespace
} // namespace rechenmaschine::web

int main() {
    const std::string text = rechenmaschine::web::layout();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
