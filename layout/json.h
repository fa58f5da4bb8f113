// The one JSON writer of the project, for the layout export and the web binding: every text
// goes through json(), so a quote, a backslash or a control character in any of them still
// gives valid JSON.
#pragma once

#include "machine/interfaces.h"

#include <string>
#include <string_view>

namespace rechenmaschine {

// Two hexadecimal digits: no printf, which would be most of the page's machine code.
inline void hex(std::string& out, unsigned char byte) {
    constexpr std::string_view Hexzeichen = "0123456789abcdef";
    out += Hexzeichen[byte >> 4];
    out += Hexzeichen[byte & 15];
}

inline void json(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            hex(out, static_cast<unsigned char>(c));
        } else {
            out += c; // UTF-8 passes through unchanged
        }
    }
    out += '"';
}

// A colour as a JSON string, "#rrggbb": nothing in it needs escaping.
inline void json(std::string& out, Farbe f) {
    out += "\"#";
    hex(out, f.rot);
    hex(out, f.gruen);
    hex(out, f.blau);
    out += '"';
}

} // namespace rechenmaschine
