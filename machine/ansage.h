// What a screen reader is told beyond a field's own name and digit: the changes a sighted
// student sees elsewhere in the window after a key, and what each rod and the multiplier
// column show in the selected row. German, as the window is. Every front end speaks these.
#pragma once

#include "einheit.h"
#include "machine_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rechenmaschine {

inline constexpr std::string_view Multiplikationswerk = "Multiplikationswerk";
inline constexpr std::string_view Additionswerk = "Additionswerk";
inline constexpr std::string_view Speicher = "Speicher";

// The texts of the 18 fields the student sees: N, A and S, six each.
using Ziffernfelder = std::array<std::array<std::string, 6>, 3>;

// A digit field's name: its unit and place, "Additionswerk, Stelle 2".
std::string Feldname(Einheit einheit, int index);

// "Stab 2, Reihe 3: 09": the rod's cell in the selected row; "Stab 2" before the first drawing.
std::string Stabname(const Maschinenzustand& z, int index);
// "Multiplikatoren, Reihe 3"; "Multiplikatoren" before the first drawing.
std::string Spaltenname(const Maschinenzustand& z);

// What to announce once the rule of a unit has handled a key in its field `index`; empty when
// the focused field's own value change says everything. How a front end's screen reader speaks
// that value change is the front end's affair.
std::string NachTaste(Einheit einheit, int index, std::int16_t tastencode,
                      const Ziffernfelder& vorher, const Ziffernfelder& nachher,
                      const Maschinenzustand& z);

} // namespace rechenmaschine
