#include "announcements.h"

#include "key_codes.h"
#include "number_text.h"

namespace rechenmaschine {

namespace {

constexpr std::array<std::string_view, 3> Namen{Multiplikationswerk, Additionswerk, Speicher};

std::string_view name(Einheit e) {
    return Namen.at(nummer(e));
}

bool gezeichnet(const Maschinenzustand& z) {
    return z.Zeile >= 1 && z.Zeile <= 9;
}

std::string reihe(const Maschinenzustand& z) {
    return "Reihe " + textAusZahl(z.Zeile);
}

} // namespace

std::string feldname(Feld feld) {
    return std::string(name(feld.einheit)) + ", Stelle " + textAusZahl(feld.index);
}

std::string stabname(const Maschinenzustand& z, int index) {
    std::string name = "Stab " + textAusZahl(index);
    if (gezeichnet(z) && gibtEs(index)) {
        name += ", " + reihe(z) + ": " +
                zellentext(z.NZiffer[static_cast<std::size_t>(index)], z.Zeile);
    }
    return name;
}

std::string spaltenname(const Maschinenzustand& z) {
    return gezeichnet(z) ? "Multiplikatoren, " + reihe(z) : "Multiplikatoren";
}

std::string nachTaste(Feld feld, std::int16_t tastencode, bool andereStellen,
                      const Ziffern& ziffern, const Maschinenzustand& z) {
    if (tastencode == taste::C) {
        return std::string(name(feld.einheit)) + " auf null";
    }
    if (tastencode == taste::Hoch || tastencode == taste::Runter) {
        std::string text = reihe(z) + ":";
        for (std::size_t i = 1; i <= Stellen; ++i) {
            text.append(" ").append(zellentext(z.NZiffer[i], z.Zeile));
        }
        return text;
    }
    // A carry, a borrow or a fall to 0 changed other digits than the focused one.
    if (feld.einheit == Einheit::A && andereStellen) {
        std::string text(Additionswerk);
        text += ' ';
        for (const std::string& ziffer : ziffern.at(nummer(Einheit::A))) {
            text += ziffer;
        }
        return text;
    }
    return {};
}

} // namespace rechenmaschine
