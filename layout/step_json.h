// A step of the session as the page reads it, in JSON: the changed fields by tab position, the
// changed panels with their names and their lines as runs of one colour (the lines of a run
// joined by line breaks, each run but the last ending in one), the row, the timer, the field to
// focus by its id ("" for none) and the announcement. The binding answers with it at run time,
// and the page's markup is made from the start picture in it at build time.
#pragma once

#include "layout/json.h"
#include "machine/session.h"

#include <string>

namespace rechenmaschine {

// The step's members, without the braces around them.
inline void schrittJson(std::string& o, const Bild& b, const Ereignisse& e) {
    o += "\"ziffern\":[";
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
        const auto& zeilen = b.tafeln[p];
        for (std::size_t k = 0; k < zeilen.size();) {
            std::string lauf;
            const Farbe farbe = zeilen[k].farbe;
            for (; k < zeilen.size() && zeilen[k].farbe == farbe; ++k) {
                lauf.append(zeilen[k].text).append(k + 1 < zeilen.size() ? "\n" : "");
            }
            o += '[';
            json(o, farbe);
            o += ',';
            json(o, lauf);
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
}

} // namespace rechenmaschine
