// Key codes as the Windows virtual-key set numbers them; the window translates its
// toolkit's keys into these.
#pragma once

#include <cstdint>

namespace rechenmaschine::taste {

// The five keys the machine's rules know.
inline constexpr std::int16_t Links = 37;
inline constexpr std::int16_t Hoch = 38;
inline constexpr std::int16_t Rechts = 39;
inline constexpr std::int16_t Runter = 40;
inline constexpr std::int16_t C = 67;

// Every other key a front end passes on. Digits and Latin capital letters are their ASCII
// codes, as C is; F1..F24 follow each other from F1.
inline constexpr std::int16_t Ruecktaste = 8;
inline constexpr std::int16_t Tab = 9;
inline constexpr std::int16_t Eingabe = 13;
inline constexpr std::int16_t UmschaltTaste = 16;
inline constexpr std::int16_t StrgTaste = 17;
inline constexpr std::int16_t AltTaste = 18;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Leertaste = 32;
inline constexpr std::int16_t BildHoch = 33;
inline constexpr std::int16_t BildRunter = 34;
inline constexpr std::int16_t Ende = 35;
inline constexpr std::int16_t Pos1 = 36;
inline constexpr std::int16_t Einfg = 45;
inline constexpr std::int16_t Entf = 46;
inline constexpr std::int16_t F1 = 112;

// Bits of the shift state passed along with a key. The machine never reads them.
inline constexpr std::int16_t Umschalt = 1;
inline constexpr std::int16_t Strg = 2;
inline constexpr std::int16_t Alt = 4;

} // namespace rechenmaschine::taste
