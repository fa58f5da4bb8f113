// The calculating machine: its numeric state, its three public procedures and the key
// rules of its three units. It sees the screen only through the interfaces it is given.
#pragma once

#include "interfaces.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rechenmaschine {

// Slot 0 of the digit arrays is never used; slots 1..6 mirror the fields 1..6.
struct Maschinenzustand {
    std::array<std::int16_t, 7> NZiffer{};
    std::array<std::int16_t, 7> SZiffer{};
    std::array<std::int32_t, 7> Stellenwert{};
    std::int32_t Summe = 0;
    std::int16_t Zeile = 0;
    std::string Zelle;
};

// The fields, panels and timer the machine works on; whoever holds the machine owns them, and
// they outlive it.
struct Bedienelemente {
    DigitFieldArray& N;
    DigitFieldArray& A;
    DigitFieldArray& S;
    std::array<TextPanel*, 6> Nep; // Nep[0] is rod 1
    TextPanel& Mult;
    Zeitgeber& Timer1;
};

class Maschine {
public:
    explicit Maschine(const Bedienelemente& bedienelemente);

    const Maschinenzustand& zustand() const { return z_; }

    // Public procedures.
    void Starteinstellugen();
    void Zeichne_Neper_neu();
    void Setzealleszurueck(std::string_view einheit);

    // Row rules shared by all three units.
    void Schiebe_Zeile_hoch();
    void Schiebe_Zeile_runter();

    // KeyDown rules; index 1..6, key code as in taste::, shift state unused.
    void N_KeyDown(int index, std::int16_t tastencode, std::int16_t umschaltstatus);
    void A_KeyDown(int index, std::int16_t tastencode, std::int16_t umschaltstatus);
    void S_KeyDown(int index, std::int16_t tastencode, std::int16_t umschaltstatus);

private:
    TextPanel& Nep(int index) const { return *Nep_[static_cast<std::size_t>(index - 1)]; }
    bool Zaehle_Ziffer(DigitFieldArray& felder, int index, std::int16_t& ziffer,
                       std::int16_t tastencode);
    bool Bewege_Zeile(std::int16_t tastencode);
    std::int32_t Lies_Summe() const;
    void Schreibe_Summe();

    DigitFieldArray& N_;
    DigitFieldArray& A_;
    DigitFieldArray& S_;
    std::array<TextPanel*, 6> Nep_;
    TextPanel& Mult_;
    Zeitgeber& Timer1_;
    Maschinenzustand z_;
};

} // namespace rechenmaschine
