// The one JSON writer of the web edition, for the layout table and for the session's picture:
// every text goes through json(), so a quote, a backslash or a control character in any of
// them still gives valid JSON.
#pragma once

#include "machine/sitzung.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace rechenmaschine::web {

inline void json(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned>(c));
            out += puffer;
        } else {
            out += c; // UTF-8 passes through unchanged
        }
    }
    out += '"';
}

// A colour as a JSON string, "#rrggbb": nothing in it needs escaping.
inline void farbe(std::string& out, Farbe f) {
    char puffer[10];
    std::snprintf(puffer, sizeof puffer, "\"#%02x%02x%02x\"", f.rot, f.gruen, f.blau);
    out += puffer;
}

// The picture as the page reads it: the 18 digits in tab order, the field to focus by its id
// ("" for none), the timer, the row, each panel's lines as [colour, text], the panels' names
// and the announcement. Written into `o`, whose memory is kept from key to key.
inline void bildJson(std::string& o, const Bild& b) {
    o = "{\"felder\":[";
    for (const auto& reihe : b.felder) {
        for (const std::string& t : reihe) {
            json(o, t);
            o += ',';
        }
    }
    o.back() = ']';
    o += ",\"fokus\":";
    json(o, b.fokus ? std::string(Buchstabe(b.fokus->einheit)) + std::to_string(b.fokus->index)
                    : std::string());
    o += ",\"timer\":" + std::to_string(b.timer) + ",\"zeile\":" + std::to_string(b.zeile);
    o += ",\"tafeln\":[";
    for (const auto& tafel : b.tafeln) {
        o += '[';
        for (const Druckzeile& z : tafel) {
            o += '[';
            farbe(o, z.farbe);
            o += ',';
            json(o, z.text);
            o += "],";
        }
        if (o.back() == ',') {
            o.pop_back();
        }
        o += "],";
    }
    o.back() = ']';
    o += ",\"namen\":[";
    for (const std::string& n : b.namen) {
        json(o, n);
        o += ',';
    }
    o.back() = ']';
    o += ",\"ansage\":";
    json(o, b.ansage);
    o += '}';
}

} // namespace rechenmaschine::web
