#include "ansage.h"

#include "key_codes.h"
#include "number_text.h"

namespace rechenmaschine {

namespace {

constexpr std::array<std::string_view, 3> Namen{Multiplikationswerk, Additionswerk, Speicher};

std::string_view name(Einheit e) {
    return Namen.at(Nummer(e));
}

bool gezeichnet(const Maschinenzustand& z) {
    return z.Zeile >= 1 && z.Zeile <= 9;
}

std::string reihe(const Maschinenzustand& z) {
    return "Reihe " + TextAusZahl(z.Zeile);
}

} // namespace

std::string Feldname(Einheit einheit, int index) {
    return std::string(name(einheit)) + ", Stelle " + TextAusZahl(index);
}

std::string Stabname(const Maschinenzustand& z, int index) {
    std::string name = "Stab " + TextAusZahl(index);
    if (gezeichnet(z) && index >= 1 && index <= 6) {
        name += ", " + reihe(z) + ": " +
                Zellentext(z.NZiffer[static_cast<std::size_t>(index)], z.Zeile);
    }
    return name;
}

std::string Spaltenname(const Maschinenzustand& z) {
    return gezeichnet(z) ? "Multiplikatoren, " + reihe(z) : "Multiplikatoren";
}

std::string NachTaste(Einheit einheit, int index, std::int16_t tastencode,
                      const Ziffernfelder& vorher, const Ziffernfelder& nachher,
                      const Maschinenzustand& z) {
    if (index < 1 || index > 6) {
        return {};
    }
    const auto& alt = vorher.at(Nummer(einheit));
    const auto& neu = nachher.at(Nummer(einheit));
    const auto stelle = static_cast<std::size_t>(index - 1);

    if (tastencode == taste::C) {
        return std::string(name(einheit)) + " auf null";
    }
    if (tastencode == taste::Hoch || tastencode == taste::Runter) {
        std::string text = reihe(z) + ":";
        for (std::size_t i = 1; i <= 6; ++i) {
            text.append(" ").append(Zellentext(z.NZiffer[i], z.Zeile));
        }
        return text;
    }
    if (einheit == Einheit::A) {
        for (std::size_t k = 0; k < neu.size(); ++k) {
            if (k != stelle && neu[k] != alt[k]) { // a carry, a borrow or a fall to 0
                std::string text(Additionswerk);
                text += ' ';
                for (const std::string& ziffer : neu) {
                    text += ziffer;
                }
                return text;
            }
        }
    }
    return {};
}

} // namespace rechenmaschine
