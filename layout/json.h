// The one JSON writer of the project, for the layout export and the web binding: every text
// goes through json(), so a quote, a backslash or a control character in any of them still
// gives valid JSON.
#pragma once

#include "machine/interfaces.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace rechenmaschine {

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
inline void json(std::string& out, Farbe f) {
    char puffer[10];
    std::snprintf(puffer, sizeof puffer, "\"#%02x%02x%02x\"", f.rot, f.gruen, f.blau);
    out += puffer;
}

} // namespace rechenmaschine
