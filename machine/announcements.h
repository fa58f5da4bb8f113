// What a screen reader is told beyond a field's own name and digit: the changes a sighted
// student sees elsewhere in the window after a key, and what each rod and the multiplier
// column show in the selected row. German, as the window is. The session says these for every
// front end.
#pragma once

#include "machine_state.h"
#include "unit.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rechenmaschine {

inline constexpr std::string_view Multiplikationswerk = "Multiplikationswerk";
inline constexpr std::string_view Additionswerk = "Additionswerk";
inline constexpr std::string_view Speicher = "Speicher";

// The texts of the 18 fields the student sees: N, A and S, six each.
using Ziffern = std::array<std::array<std::string, Stellen>, 3>;

// A digit field's name: its unit and place, "Additionswerk, Stelle 2".
std::string feldname(Feld feld);

// "Stab 2, Reihe 3: 09": the rod's cell in the selected row; "Stab 2" before the first drawing.
std::string stabname(const Maschinenzustand& z, int index);
// "Multiplikatoren, Reihe 3"; "Multiplikatoren" before the first drawing.
std::string spaltenname(const Maschinenzustand& z);

// What to announce once the rule of a unit has handled a key in `feld`, given whether the key
// changed other digits of the unit than the focused one; empty when the focused field's own
// value change says everything.
std::string nachTaste(Feld feld, std::int16_t tastencode, bool andereStellen,
                      const Ziffern& ziffern, const Maschinenzustand& z);

} // namespace rechenmaschine
