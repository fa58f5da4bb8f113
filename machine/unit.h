// The machine's three units, top to bottom, and its 18 fields in their tab order. A unit
// travels as this type, so the compiler catches a wrong one; its letter is written out only
// where the reset, the layout table or a field's name wants it. Everything that walks the
// units or numbers the fields takes the order from here.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace rechenmaschine {

enum class Einheit { N, A, S };

inline constexpr std::array<Einheit, 3> AlleEinheiten{Einheit::N, Einheit::A, Einheit::S};

// Fields per unit, indexed 1..6 from the left; 18 in all.
inline constexpr int Stellen = 6;
inline constexpr std::size_t Feldanzahl = AlleEinheiten.size() * Stellen;

constexpr std::size_t nummer(Einheit e) {
    return static_cast<std::size_t>(e);
}

// "N", "A" or "S": the letter the reset takes and the fields are named by.
constexpr std::string_view buchstabe(Einheit e) {
    constexpr std::array<std::string_view, 3> buchstaben{"N", "A", "S"};
    return buchstaben.at(nummer(e));
}

constexpr std::optional<Einheit> einheitMitBuchstabe(std::string_view text) {
    for (Einheit e : AlleEinheiten) {
        if (buchstabe(e) == text) {
            return e;
        }
    }
    return std::nullopt;
}

// One of the 18 fields: its unit and its index 1..6.
struct Feld {
    Einheit einheit = Einheit::N;
    int index = 1;

    // Its place in the tab order, 0..17: N(1)..N(6), A(1)..A(6), S(1)..S(6).
    constexpr std::size_t position() const {
        return nummer(einheit) * Stellen + static_cast<std::size_t>(index - 1);
    }
    static constexpr Feld an(std::size_t position) {
        return {AlleEinheiten.at(position / Stellen), static_cast<int>(position % Stellen) + 1};
    }
    friend constexpr bool operator==(const Feld&, const Feld&) = default;
};

constexpr bool gibtEs(int index) {
    return index >= 1 && index <= Stellen;
}

} // namespace rechenmaschine
