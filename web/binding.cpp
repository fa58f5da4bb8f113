// The machine for the web page: one session, whose picture the page's script draws after each
// call below, handed over as JSON (the window itself is in the page's markup, made at build
// time from the same layout table). The rules stay in the machine: the page only translates
// keys and draws what a step changed.
#include "exercises/tutor.h"
#include "layout/step_json.h"
#include "machine/session.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

namespace rechenmaschine::web {

namespace {

std::unique_ptr<Sitzung> sitzung;
std::string antwort; // kept from call to call, so that its memory is too
Uebung uebung;
bool uebungOffen = false;      // the exercises are followed, and spoken, only while their panel is
std::string_view bestaetigung; // the last finished step's, shown until the exercise changes

Sitzung& die() {
    if (!sitzung) {
        sitzung = std::make_unique<Sitzung>();
    }
    return *sitzung;
}

// The exercises' panel: the list, the open exercise and step, the instruction and the hint.
void panel(std::string& o) {
    const Bild& b = die().bild();
    const Aufgabe& a = uebung.offen();
    o += "{\"offen\":";
    o += uebungOffen ? "true" : "false";
    o += ",\"aufgabe\":" + std::to_string(uebung.aufgabe()) +
         ",\"schritt\":" + std::to_string(uebung.schritt()) + ",\"titel\":";
    json(o, a.titel);
    o += ",\"einleitung\":";
    json(o, a.einleitung);
    o += ",\"fortschritt\":";
    json(o, uebung.fortschritt());
    o += ",\"anweisung\":";
    json(o, uebung.fertig() ? uebung.anweisung(b) : a.schritte[uebung.schritt()].anweisung);
    o += ",\"geschafft\":";
    json(o, bestaetigung);
    o += ",\"hinweis\":";
    json(o, uebung.fertig() ? std::string_view() : a.schritte[uebung.schritt()].hinweis);
    o += ",\"titelliste\":[";
    for (const Aufgabe& x : aufgaben()) {
        json(o, x.titel);
        o += ',';
    }
    o.back() = ']';
    o += '}';
}

// What a step changed and asks once, as the page reads it, and the exercises' panel where it
// changed.
const char* alsJson(const Ereignisse& e, bool mitPanel = false) {
    std::string& o = antwort;
    o = "{";
    schrittJson(o, die().bild(), e);
    if (mitPanel) {
        o += ",\"uebung\":";
        panel(o);
    }
    o += '}';
    return o.c_str();
}

// The whole picture as it stands, as if every part had changed, with `ansage` to say.
const char* ganz(std::string ansage = {}, bool mitPanel = false) {
    Ereignisse alles;
    alles.ziffern.set();
    alles.tafeln.set();
    alles.ansage = std::move(ansage);
    return alsJson(alles, mitPanel);
}

} // namespace

} // namespace rechenmaschine::web

using rechenmaschine::web::alsJson;
using rechenmaschine::web::die;
using rechenmaschine::web::ganz;
using rechenmaschine::web::uebung;
using rechenmaschine::web::uebungOffen;

extern "C" {

// The session, once, and its start settings at once: the page's markup already shows the
// picture they leave (drawn by the same machine when the page was built), so nothing of it is
// drawn again; the focus they ask for comes along. With `ziffernWiederholen` a digit that
// repeats the last changed field's is announced (the page knows its screen reader's platform).
EMSCRIPTEN_KEEPALIVE const char* rm_start(int ziffernWiederholen) {
    if (rechenmaschine::web::sitzung) {
        return ganz();
    }
    rechenmaschine::web::sitzung =
        std::make_unique<rechenmaschine::Sitzung>(ziffernWiederholen != 0);
    auto e = rechenmaschine::web::sitzung->Tick();
    e.ziffern.reset();
    e.tafeln.reset();
    e.reihe = false;
    return alsJson(e);
}

// The whole picture as it stands, at any moment.
EMSCRIPTEN_KEEPALIVE const char* rm_bild() {
    return ganz();
}

// KeyDown of the field at tab position `position` (0..17), with a Windows key code. A position
// that is no field changes nothing.
EMSCRIPTEN_KEEPALIVE const char* rm_key(int position, int tastencode, int umschalt) {
    auto& s = die();
    if (position < 0 || position >= static_cast<int>(rechenmaschine::Feldanzahl)) {
        return alsJson({});
    }
    const auto feld = rechenmaschine::Feld::an(static_cast<std::size_t>(position));
    auto e = s.KeyDown(feld.einheit, feld.index, static_cast<std::int16_t>(tastencode),
                       static_cast<std::int16_t>(umschalt));
    if (!uebungOffen) {
        return alsJson(e);
    }
    // The step's confirmation and the next instruction, after what the key itself announces.
    const auto stand = uebung.nachTaste(s.bild());
    if (stand.geschafft) {
        e.ansage += (e.ansage.empty() ? "" : " ") + stand.meldung;
        rechenmaschine::web::bestaetigung = stand.bestaetigung;
    }
    return alsJson(e, stand.geschafft);
}

// The exercises' panel opened or closed (-1: as it is), at an exercise and step (-1: the open
// ones). Another step than the open one (a reload that remembers it) brings the machine there
// by the model solutions of the steps before it; the whole picture comes back then, the panel
// always, and opening it or another exercise says the exercise's introduction and instruction.
EMSCRIPTEN_KEEPALIVE const char* rm_uebung(int offen, int aufgabe, int schritt) {
    auto& s = die();
    const bool oeffnet = offen > 0 && !uebungOffen;
    uebungOffen = offen < 0 ? uebungOffen : offen > 0;
    const auto a = aufgabe < 0 ? uebung.aufgabe() : static_cast<std::size_t>(aufgabe);
    const auto k = schritt < 0 ? uebung.schritt() : static_cast<std::size_t>(schritt);
    const bool andere = a != uebung.aufgabe() || k != uebung.schritt();
    if (andere) {
        rechenmaschine::web::bestaetigung = {};
        uebung.waehle(a, k);
        rechenmaschine::spieleBis(s, uebung.aufgabe(), uebung.schritt());
    }
    const bool sagen = uebungOffen && (oeffnet || andere);
    return ganz(sagen ? uebung.vorstellung(s.bild()) : std::string(), true);
}

// The keys that demonstrate the open step from what the machine shows: [tab position, key
// code, times] each.
EMSCRIPTEN_KEEPALIVE const char* rm_vorfuehrung() {
    std::string& o = rechenmaschine::web::antwort;
    o = "[";
    for (const auto& t : rechenmaschine::vorfuehrung(uebung, die().bild())) {
        o += '[' + std::to_string(t.feld.position()) + ',' + std::to_string(t.taste) + ',' +
             std::to_string(t.mal) + "],";
    }
    if (o.back() == ',') {
        o.pop_back();
    }
    o += ']';
    return o.c_str();
}

} // extern "C"
