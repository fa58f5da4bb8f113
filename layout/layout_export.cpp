// Run at build time: writes the window's layout table and the machine's facts that others need
// as JSON (sizes in pixels, kinds by name, the fields' places in the tab order and their names
// for screen readers). The page, its one-file edition, the font subset and the web app
// manifest are made from it, and the tests find the window's controls by it.
#include "exercises/tutor.h"
#include "layout/exercise_panel.h"
#include "layout/json.h"
#include "layout/screen_keys.h"
#include "layout/step_json.h"
#include "layout/window_layout.h"
#include "machine/announcements.h"
#include "machine/key_codes.h"

#include <array>
#include <cstdio>
#include <string>

namespace rechenmaschine {
namespace {

std::string_view artname(ui::Art art) {
    switch (art) {
    case ui::Art::Ueberschrift:
        return "ueberschrift";
    case ui::Art::Hinweis:
        return "hinweis";
    case ui::Art::Feldreihe:
        return "feld";
    case ui::Art::Staebe:
        return "stab";
    case ui::Art::Spalte:
        return "spalte";
    }
    return "";
}

template <class T> struct Benannt {
    std::string_view name;
    T wert;
};

// Every colour of the page's markup and style sheet, by the name the sheet uses (as --name);
// the rows' colours come with each picture, as the machine draws them.
constexpr std::array<Benannt<Farbe>, 13> Farben{{
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

// Every size of the style sheet, in pixels, by the name the sheet uses (as --name).
constexpr std::array<Benannt<int>, 12> Masse{{
    {"abstand", ui::Abstand},
    {"tasten-breite", ui::TastenNeben.breite},
    {"tasten-hoehe", ui::TastenNeben.hoehe},
    {"tasten-unter-breite", ui::TastenUnter.breite},
    {"tasten-unter-hoehe", ui::TastenUnter.hoehe},
    {"tasten-schrift", ui::TastenSchriftPx},
    {"leiste-schrift", ui::LeisteSchriftPx},
    {"aufgaben-breite", ui::AufgabenNeben.breite},
    {"aufgaben-hoehe", ui::AufgabenNeben.hoehe},
    {"aufgaben-unter-breite", ui::AufgabenUnter.breite},
    {"aufgaben-unter-hoehe", ui::AufgabenUnter.hoehe},
    {"aufgaben-schrift", ui::AufgabenSchriftPx},
}};

// The browser's names of the keys a Windows key code stands for, as the desktop passes them
// on; letters, digits and F1..F24 the page counts from their first.
constexpr std::array<Benannt<std::int16_t>, 18> Codes{{
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

void zahl(std::string& o, std::string_view name, long wert) {
    json(o, name);
    o += ':' + std::to_string(wert) + ',';
}

template <class T> void text(std::string& o, std::string_view name, const T& wert) {
    json(o, name);
    o += ':';
    json(o, wert);
    o += ',';
}

// Closes an object or a list whose last member left a comma.
void schliesse(std::string& o, char zeichen) {
    if (o.back() == ',') {
        o.back() = zeichen;
    } else {
        o += zeichen;
    }
}

// What the page's script needs of the machine's facts: key codes, shift bits, the font.
void skript(std::string& o) {
    o += "{\"codes\":{";
    for (const auto& c : Codes) {
        zahl(o, c.name, c.wert);
    }
    schliesse(o, '}');
    o += ',';
    zahl(o, "c", taste::C);
    zahl(o, "f1", taste::F1);
    zahl(o, "umschalt", taste::Umschalt);
    zahl(o, "strg", taste::Strg);
    zahl(o, "alt", taste::Alt);
    text(o, "schrift", ui::Seitenschrift);
    schliesse(o, '}');
}

void element(std::string& o, const ui::Steuerelement& e, int i) {
    const bool reihe = e.links == ui::KeineSpalte;
    const int links = reihe ? ui::Spalten[static_cast<std::size_t>(i - 1)] : e.links;
    o += '{';
    text(o, "name", std::string(e.name) + (reihe ? std::to_string(i) : ""));
    text(o, "art", artname(e.art));
    zahl(o, "x", ui::px(links));
    zahl(o, "y", ui::px(e.oben));
    zahl(o, "b", ui::px(e.breite));
    zahl(o, "h", ui::px(e.hoehe));
    zahl(o, "px", e.schriftPx > 0 ? e.schriftPx : ui::SeitenDialogschriftPx);
    text(o, "text", e.text);
    if (e.art == ui::Art::Feldreihe) {
        const Feld feld{einheitMitBuchstabe(e.name).value(), i};
        zahl(o, "position", static_cast<long>(feld.position()));
        text(o, "zugang", feldname(feld));
    } else if (e.art == ui::Art::Staebe) {
        text(o, "zugang", stabname(Maschinenzustand{}, i));
    } else if (e.art == ui::Art::Spalte) {
        text(o, "zugang", spaltenname(Maschinenzustand{}));
    }
    schliesse(o, '}');
    o += ',';
}

std::string layout() {
    std::string o = "{";
    text(o, "titel", ui::Fenstertitel);
    zahl(o, "breite", ui::px(ui::FensterBreite));
    zahl(o, "hoehe", ui::px(ui::FensterHoehe));
    o += "\"farben\":{";
    for (const auto& f : Farben) {
        text(o, f.name, f.wert);
    }
    schliesse(o, '}');
    o += ",\"masse\":{";
    for (const auto& m : Masse) {
        zahl(o, m.name, m.wert);
    }
    schliesse(o, '}');
    o += ",\"reihenfarben\":{";
    text(o, "hervorhebung", Hervorhebung);
    text(o, "normal", Normalfarbe);
    schliesse(o, '}');
    o += ',';
    text(o, "schrift", ui::Seitenschrift);
    text(o, "schriftdatei", ui::Seitenschriftdatei);
    o += "\"skript\":";
    skript(o);
    o += ",\"elemente\":[";
    for (const ui::Steuerelement& e : ui::Steuerelemente) {
        for (int i = 1; i <= (e.links == ui::KeineSpalte ? Stellen : 1); ++i) {
            element(o, e, i);
        }
    }
    schliesse(o, ']');
    o += ",\"tasten\":[";
    for (const ui::Bildschirmtaste& t : ui::Bildschirmtasten) {
        o += '{';
        text(o, "name", t.name);
        text(o, "zeichen", t.zeichen);
        text(o, "key", t.key);
        text(o, "code", t.code);
        zahl(o, "umschalt", t.umschalt ? 1 : 0);
        text(o, "platz", t.platz);
        schliesse(o, '}');
        o += ',';
    }
    schliesse(o, ']');
    o += ",\"steuerung\":{";
    text(o, "tasten", ui::TastenName);
    text(o, "zeigen", ui::TastenZeigen);
    text(o, "fuellen", ui::Fuellen);
    zahl(o, "nach", ui::WiederholungNachMs);
    zahl(o, "alle", ui::WiederholungAlleMs);
    zahl(o, "leuchten", ui::LeuchtdauerMs);
    schliesse(o, '}');
    // The picture the start settings leave, which the page's markup shows before its script
    // runs: the machine drawn by itself at build time.
    Sitzung s;
    Ereignisse start = s.Tick();
    start.ziffern.set();
    start.tafeln.set();
    o += ",\"startbild\":{";
    schrittJson(o, s.bild(), start);
    o += '}';
    o += ",\"aufgaben\":{";
    text(o, "aufgaben", ui::Aufgaben);
    text(o, "tipp", ui::Tipp);
    text(o, "vorfuehren", ui::Vorfuehren);
    text(o, "anhalten", ui::Anhalten);
    text(o, "vorige", ui::VorigeAufgabe);
    text(o, "naechste", ui::NaechsteAufgabe);
    text(o, "nummer", ui::AufgabeNummer);
    zahl(o, "anzahl", static_cast<long>(aufgaben().size()));
    text(o, "taste_panel", ui::TastePanel);
    text(o, "taste_tipp", ui::TasteTipp);
    text(o, "taste_aufgabe", ui::TasteAufgabe);
    zahl(o, "takt", ui::VorfuehrTaktMs);
    // Every letter the exercises can show, for the page's font.
    text(o, "texte", alleTexte());
    // The exercises and their steps, for the teachers' sheet.
    o += "\"liste\":[";
    for (const Aufgabe& a : aufgaben()) {
        o += '{';
        text(o, "titel", a.titel);
        text(o, "einleitung", a.einleitung);
        text(o, "ergebnis", a.ergebnis);
        o += "\"schritte\":[";
        for (const Schritt& s : a.schritte) {
            o += '{';
            text(o, "anweisung", s.anweisung);
            text(o, "hinweis", s.hinweis);
            text(o, "geschafft", s.geschafft);
            schliesse(o, '}');
            o += ',';
        }
        schliesse(o, ']');
        o += "},";
    }
    schliesse(o, ']');
    schliesse(o, '}');
    o += "}\n";
    return o;
}

} // namespace
} // namespace rechenmaschine

int main() {
    const std::string text = rechenmaschine::layout();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
