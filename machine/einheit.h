// The machine's three units, top to bottom. A unit travels as this type, so the compiler
// catches a wrong one; its letter is written out only where the reset, the layout table or a
// field's name wants it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace rechenmaschine {

enum class Einheit { N, A, S };

inline constexpr std::array<Einheit, 3> AlleEinheiten{Einheit::N, Einheit::A, Einheit::S};

constexpr std::size_t Nummer(Einheit e) {
    return static_cast<std::size_t>(e);
}

// "N", "A" or "S": the letter the reset takes and the fields are named by.
constexpr std::string_view Buchstabe(Einheit e) {
    constexpr std::array<std::string_view, 3> buchstaben{"N", "A", "S"};
    return buchstaben.at(Nummer(e));
}

constexpr std::optional<Einheit> EinheitMitBuchstabe(std::string_view buchstabe) {
    for (Einheit e : AlleEinheiten) {
        if (Buchstabe(e) == buchstabe) {
            return e;
        }
    }
    return std::nullopt;
}

} // namespace rechenmaschine
