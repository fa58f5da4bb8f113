#include "machine_state.h"

namespace rechenmaschine {

Maschine::Maschine(const Bedienelemente& b)
    : N_(b.N), A_(b.A), S_(b.S), Nep_(b.Nep), Mult_(b.Mult), Timer1_(b.Timer1) {}

void Maschine::Starteinstellugen() {
    z_.Zeile = 5;
    Timer1_.setInterval(0);
    Zeichne_Neper_neu();
    N_.setFocus(1);
    // Filled only now: nothing before this point needs the place values.
    z_.Stellenwert[0] = 1;
    for (std::size_t k = 1; k <= 6; ++k) {
        z_.Stellenwert[k] = z_.Stellenwert[k - 1] * 10;
    }
}

void Maschine::Setzealleszurueck(std::string_view einheit) {
    if (einheit == "N") {
        for (int i = 1; i <= 6; ++i) {
            N_.setText(i, "0");
            z_.NZiffer[static_cast<std::size_t>(i)] = 0;
        }
        Zeichne_Neper_neu();
    } else if (einheit == "A") {
        z_.Summe = 0;
        for (int i = 1; i <= 6; ++i) {
            A_.setText(i, "0");
        }
    } else if (einheit == "S") {
        // The register re-reads its fields at its next key, so its digit copies stay.
        for (int i = 1; i <= 6; ++i) {
            S_.setText(i, "0");
        }
    }
}

void Maschine::Schiebe_Zeile_hoch() {
    if (z_.Zeile < 2) {
        z_.Zeile = 9;
    } else {
        --z_.Zeile;
    }
}

void Maschine::Schiebe_Zeile_runter() {
    if (z_.Zeile > 8) {
        z_.Zeile = 1;
    } else {
        ++z_.Zeile;
    }
}

} // namespace rechenmaschine
