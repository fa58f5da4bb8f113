// The machine for the web page: one session, whose picture the page's script draws after each
// call below, handed over as JSON (the window itself is in the page's markup, made at build
// time from the same layout table). The rules stay in the machine: the page only translates
// keys and draws what a step changed.
#include "layout/json.h"
#include "machine/session.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

namespace rechenmaschine::web {

namespace {

std::unique_ptr<Sitzung> sitzung;
std::string antwort; // kept from call to call, so that its memory is too

Sitzung& die() {
    if (!sitzung) {
        sitzung = std::make_unique<Sitzung>();
    }
    return *sitzung;
}

// What a step changed and asks once, as the page reads it: the changed fields by tab
// position, the changed panels with their names and lines as [colour, text], the row, the
// timer, the field to focus by its id ("" for none) and the announcement.
const char* alsJson(const Ereignisse& e) {
    const Bild& b = die().bild();
    std::string& o = antwort;
    o = "{\"ziffern\":[";
    for (std::size_t k = 0; k < Feldanzahl; ++k) {
        if (e.ziffern.test(k)) {
            o += '[' + std::to_string(k) + ',';
            json(o, b.ziffer(Feld::an(k)));
            o += "],";
        }
    }
    if (o.back() == ',') {
        o.pop_back();
    }
    o += "],\"tafeln\":[";
    for (std::size_t p = 0; p < Tafelanzahl; ++p) {
        if (!e.tafeln.test(p)) {
            continue;
        }
        o += '[' + std::to_string(p) + ',';
        json(o, b.namen[p]);
        o += ",[";
        for (const Druckzeile& z : b.tafeln[p]) {
            o += '[';
            json(o, z.farbe);
            o += ',';
            json(o, z.text);
            o += "],";
        }
        if (o.back() == ',') {
            o.pop_back();
        }
        o += "]],";
    }
    if (o.back() == ',') {
        o.pop_back();
    }
    o += "],\"reihe\":" + std::to_string(b.reihe) + ",\"timer\":" + std::to_string(b.timer);
    o += ",\"fokus\":";
    json(o, e.fokus ? std::string(buchstabe(e.fokus->einheit)) + std::to_string(e.fokus->index)
                    : std::string());
    o += ",\"ansage\":";
    json(o, e.ansage);
    o += '}';
    return o.c_str();
}

// The whole picture as it stands, as if every part had changed, with nothing to do once.
const char* ganz() {
    Ereignisse alles;
    alles.ziffern.set();
    alles.tafeln.set();
    return alsJson(alles);
}

} // namespace

} // namespace rechenmaschine::web

using rechenmaschine::web::alsJson;
using rechenmaschine::web::die;
using rechenmaschine::web::ganz;

extern "C" {

// The session, once: with `ziffernWiederholen` a digit that repeats the last changed field's is
// announced (the page knows its screen reader's platform). Answers the whole picture.
EMSCRIPTEN_KEEPALIVE const char* rm_start(int ziffernWiederholen) {
    if (!rechenmaschine::web::sitzung) {
        rechenmaschine::web::sitzung =
            std::make_unique<rechenmaschine::Sitzung>(ziffernWiederholen != 0);
    }
    return ganz();
}

// The whole picture as it stands, at any moment.
EMSCRIPTEN_KEEPALIVE const char* rm_bild() {
    return ganz();
}

EMSCRIPTEN_KEEPALIVE const char* rm_tick() {
    return alsJson(die().Tick());
}

// KeyDown of the field at tab position `position` (0..17), with a Windows key code. A position
// that is no field changes nothing.
EMSCRIPTEN_KEEPALIVE const char* rm_key(int position, int tastencode, int umschalt) {
    auto& s = die();
    if (position < 0 || position >= static_cast<int>(rechenmaschine::Feldanzahl)) {
        return alsJson({});
    }
    const auto feld = rechenmaschine::Feld::an(static_cast<std::size_t>(position));
    return alsJson(s.KeyDown(feld.einheit, feld.index, static_cast<std::int16_t>(tastencode),
                             static_cast<std::int16_t>(umschalt)));
}

} // extern "C"
