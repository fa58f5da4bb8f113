// The machine for the web page: one session, whose picture the page's script draws after each
// call below, handed over as JSON (the window itself is in the page's markup, made at build
// time from the same layout table). The rules stay in the machine: the page only translates
// keys and draws.
#include "json.h"
#include "machine/sitzung.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

namespace rechenmaschine::web {

namespace {

std::unique_ptr<Sitzung> sitzung;
std::string antwort;

Sitzung& die() {
    if (!sitzung) {
        sitzung = std::make_unique<Sitzung>();
    }
    return *sitzung;
}

const char* alsJson(const Bild& b) {
    bildJson(antwort, b);
    return antwort.c_str();
}

// The picture as it stands, with no focus to move and nothing to announce.
const char* ruhig() {
    Bild b = die().bild();
    b.fokus.reset();
    b.ansage.clear();
    return alsJson(b);
}

} // namespace

} // namespace rechenmaschine::web

using rechenmaschine::web::alsJson;
using rechenmaschine::web::die;
using rechenmaschine::web::ruhig;

extern "C" {

// What the page shows before its first call, and at any moment: no focus to move, nothing to
// announce.
EMSCRIPTEN_KEEPALIVE const char* rm_bild() {
    return ruhig();
}

EMSCRIPTEN_KEEPALIVE const char* rm_tick() {
    return alsJson(die().Tick());
}

// KeyDown of field `index` (1..6) of unit `einheit` (0..2: N, A, S), with a Windows key code.
// An unknown unit changes nothing.
EMSCRIPTEN_KEEPALIVE const char* rm_key(int einheit, int index, int tastencode, int umschalt) {
    auto& s = die();
    if (einheit < 0 || einheit >= static_cast<int>(rechenmaschine::AlleEinheiten.size())) {
        return ruhig();
    }
    return alsJson(s.KeyDown(rechenmaschine::AlleEinheiten[static_cast<std::size_t>(einheit)],
                             index, static_cast<std::int16_t>(tastencode),
                             static_cast<std::int16_t>(umschalt)));
}

} // extern "C"
