// Key codes as the Windows virtual-key set numbers them; the window translates its
// toolkit's keys into these.
#pragma once

#include <cstdint>

namespace rechenmaschine::taste {

inline constexpr std::int16_t Links = 37;
inline constexpr std::int16_t Hoch = 38;
inline constexpr std::int16_t Rechts = 39;
inline constexpr std::int16_t Runter = 40;
inline constexpr std::int16_t C = 67;

// Bits of the shift state passed along with a key. The machine never reads them.
inline constexpr std::int16_t Umschalt = 1;
inline constexpr std::int16_t Strg = 2;
inline constexpr std::int16_t Alt = 4;

} // namespace rechenmaschine::taste
