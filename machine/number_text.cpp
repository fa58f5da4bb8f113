#include "number_text.h"

#include <cstdint>
#include <limits>

namespace rechenmaschine {

std::string textAusZahl(std::int32_t zahl) {
    return std::to_string(zahl);
}

std::string zellentext(std::int32_t ziffer, std::int32_t reihe) {
    std::string text = "0";
    text += textAusZahl(ziffer * reihe);
    return text.substr(text.size() - 2);
}

std::int16_t zahlAusText(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    std::int32_t wert = 0;
    for (char zeichen : text) {
        if (zeichen < '0' || zeichen > '9') {
            return 0;
        }
        wert = wert * 10 + (zeichen - '0');
        if (wert > std::numeric_limits<std::int16_t>::max()) {
            return 0;
        }
    }
    return static_cast<std::int16_t>(wert);
}

} // namespace rechenmaschine
