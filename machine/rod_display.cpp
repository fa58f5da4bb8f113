#include "machine_state.h"
#include "number_text.h"

#include <cstdint>
#include <string>

namespace rechenmaschine {

namespace {

// Appending rather than operator+ keeps GCC 12's -Wrestrict false positive away.
std::string verbinde(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

} // namespace

void Maschine::Zeichne_Neper_neu() {
    for (int i = 1; i <= 6; ++i) {
        TextPanel& stab = Nep(i);
        stab.clear();
        for (std::int32_t j = 1; j <= 9; ++j) {
            stab.setTextColor(j == z_.Zeile ? Hervorhebung : Normalfarbe);
            z_.Zelle = zellentext(z_.NZiffer[static_cast<std::size_t>(i)], j);
            stab.printLine(verbinde("  ", z_.Zelle.substr(0, 1)));
            stab.printLine(verbinde("     ", z_.Zelle.substr(1, 1)));
        }
    }
    Mult_.clear();
    for (std::int32_t j = 1; j <= 9; ++j) {
        Mult_.setTextColor(j == z_.Zeile ? Hervorhebung : Normalfarbe);
        Mult_.printLine(verbinde(" ", textAusZahl(j), " "));
    }
}

} // namespace rechenmaschine
