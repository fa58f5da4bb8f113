#include "machine_state.h"
#include "number_text.h"

#include <cstdint>
#include <string>

namespace rechenmaschine {

namespace {

std::string letzte(const std::string& text, std::size_t anzahl) {
    return text.size() <= anzahl ? text : text.substr(text.size() - anzahl);
}

} // namespace

void Maschine::Zeichne_Neper_neu() {
    for (int i = 1; i <= 6; ++i) {
        TextPanel& stab = Nep(i);
        stab.clear();
        for (std::int32_t j = 1; j <= 9; ++j) {
            stab.setTextColor(j == z_.Zeile ? Hervorhebung : Normalfarbe);
            const std::int32_t p = z_.NZiffer[static_cast<std::size_t>(i)] * j;
            z_.Zelle = letzte("0" + TextAusZahl(p), 2);
            stab.printLine(std::string("  ") + z_.Zelle[0]);
            stab.printLine(std::string("     ") + z_.Zelle[1]);
        }
    }
    Mult_.clear();
    for (std::int32_t j = 1; j <= 9; ++j) {
        Mult_.setTextColor(j == z_.Zeile ? Hervorhebung : Normalfarbe);
        Mult_.printLine(" " + TextAusZahl(j) + " ");
    }
}

} // namespace rechenmaschine
