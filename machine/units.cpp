#include "key_codes.h"
#include "machine_state.h"
#include "number_text.h"
#include "unit.h"

#include <cstdint>
#include <string>

namespace rechenmaschine {

namespace {

std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}

std::int16_t einsWeniger(std::int16_t ziffer) {
    return ziffer < 1 ? std::int16_t{9} : static_cast<std::int16_t>(ziffer - 1);
}

std::int16_t einsMehr(std::int16_t ziffer) {
    return ziffer > 8 ? std::int16_t{0} : static_cast<std::int16_t>(ziffer + 1);
}

} // namespace

// Left and Right on one digit, as the rods and the memory count it: with wrap-around and
// without carry. Returns false for every other key.
bool Maschine::Zaehle_Ziffer(DigitFieldArray& felder, int index, std::int16_t& ziffer,
                             std::int16_t tastencode) {
    if (tastencode == taste::Links) {
        ziffer = einsWeniger(ziffer);
    } else if (tastencode == taste::Rechts) {
        ziffer = einsMehr(ziffer);
    } else {
        return false;
    }
    felder.setText(index, textAusZahl(ziffer));
    return true;
}

// Up and Down move the selected row in every unit. Returns false for every other key.
bool Maschine::Bewege_Zeile(std::int16_t tastencode) {
    if (tastencode == taste::Hoch) {
        Schiebe_Zeile_hoch();
    } else if (tastencode == taste::Runter) {
        Schiebe_Zeile_runter();
    } else {
        return false;
    }
    return true;
}

void Maschine::N_KeyDown(int index, std::int16_t tastencode, std::int16_t /*umschaltstatus*/) {
    if (!gibtEs(index)) { // a fault elsewhere: ignored rather than indexed past the arrays
        return;
    }
    auto& ziffer = z_.NZiffer[slot(index)];
    ziffer = zahlAusText(N_.text(index));
    if (!Zaehle_Ziffer(N_, index, ziffer, tastencode) && !Bewege_Zeile(tastencode) &&
        tastencode == taste::C) {
        Setzealleszurueck("N");
    }
    // Every key redraws, even one that changed nothing, and C after its reset's own redraw.
    Zeichne_Neper_neu();
}

std::int32_t Maschine::Lies_Summe() const {
    // Wide enough for any six 16-bit field values, so a faulty field text cannot overflow.
    std::int64_t summe = 0;
    for (int i = 1; i <= 6; ++i) {
        summe += std::int64_t{zahlAusText(A_.text(i))} * z_.Stellenwert[slot(6 - i)];
    }
    return summe >= 0 && summe <= 999999 ? static_cast<std::int32_t>(summe) : 0;
}

void Maschine::Schreibe_Summe() {
    std::string text = "000000";
    text += textAusZahl(z_.Summe);
    const std::string ziffern = text.substr(text.size() - 6);
    for (int i = 1; i <= 6; ++i) {
        A_.setText(i, ziffern.substr(slot(i - 1), 1));
    }
}

void Maschine::A_KeyDown(int index, std::int16_t tastencode, std::int16_t /*umschaltstatus*/) {
    if (!gibtEs(index)) {
        return;
    }
    z_.Summe = Lies_Summe();
    const std::int32_t stellenwert = z_.Stellenwert[slot(6 - index)];
    switch (tastencode) {
    case taste::Links:
        z_.Summe -= stellenwert;
        if (z_.Summe < 0) {
            z_.Summe = 0;
        }
        break;
    case taste::Hoch:
    case taste::Runter:
        Bewege_Zeile(tastencode);
        Zeichne_Neper_neu();
        break;
    case taste::Rechts:
        z_.Summe += stellenwert;
        // Past the last place the total starts again at zero, not at the remainder.
        if (z_.Summe > 999999) {
            z_.Summe = 0;
        }
        break;
    case taste::C:
        Setzealleszurueck("A");
        break;
    default:
        break;
    }
    Schreibe_Summe();
}

void Maschine::S_KeyDown(int index, std::int16_t tastencode, std::int16_t /*umschaltstatus*/) {
    if (!gibtEs(index)) {
        return;
    }
    for (int i = 1; i <= 6; ++i) {
        z_.SZiffer[slot(i)] = zahlAusText(S_.text(i));
    }
    if (Zaehle_Ziffer(S_, index, z_.SZiffer[slot(index)], tastencode)) {
        return;
    }
    if (Bewege_Zeile(tastencode)) {
        Zeichne_Neper_neu();
    } else if (tastencode == taste::C) {
        Setzealleszurueck("S");
    }
}

} // namespace rechenmaschine
