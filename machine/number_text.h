#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rechenmaschine {

// Plain decimal, no leading blank: 7 -> "7", 1000 -> "1000".
std::string textAusZahl(std::int32_t zahl);

// Plain decimal conversion of a field's text. Fields only ever hold one digit, but a
// text that is not an unsigned decimal number of at most 16-bit size reads as 0, so a
// fault elsewhere can never push the machine past an arithmetic limit.
std::int16_t zahlAusText(std::string_view text);

// A rod's cell: the product of its digit and the row as two characters, tens and units
// (3 in row 3 gives "09").
std::string zellentext(std::int32_t ziffer, std::int32_t reihe);

} // namespace rechenmaschine
