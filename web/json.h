// JSON strings for what the machine hands the page: every text goes through here, so a quote,
// a backslash or a control character in any of them still gives valid JSON.
#pragma once

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

inline std::string farbe(int r, int g, int b) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "#%02x%02x%02x", r, g, b);
    return puffer;
}

} // namespace rechenmaschine::web
