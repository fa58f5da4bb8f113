// One machine as a front end holds it: the machine, the recorders behind its three interfaces
// and what a screen reader is told. A front end hands it each key and each tick of the start
// timer, draws what changed in the picture and does what the step asks once (move the focus,
// announce); it reads nothing back from its own controls.
#pragma once

#include "announcements.h"
#include "machine_state.h"
#include "unit.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rechenmaschine {

// Milliseconds from the window's opening until the start settings run.
inline constexpr int Startintervall = 1;

struct Druckzeile {
    Farbe farbe;
    std::string text;
    friend bool operator==(const Druckzeile&, const Druckzeile&) = default;
};

// The panels in the order a picture holds them: the six rods, then the multiplier column.
inline constexpr std::size_t Tafelanzahl = 7;

// What the window shows, and keeps showing until a step changes it.
struct Bild {
    Ziffern ziffern;
    std::int16_t reihe = 0; // the selected row, 0 before the start settings
    std::array<std::vector<Druckzeile>, Tafelanzahl> tafeln;
    std::array<std::string, Tafelanzahl> namen; // what a screen reader calls each panel
    int timer = Startintervall; // the start timer's interval while it runs, 0 once it is off

    const std::string& ziffer(Feld feld) const {
        return ziffern.at(nummer(feld.einheit)).at(static_cast<std::size_t>(feld.index - 1));
    }
};

// What one step did: which parts of the picture changed, and what a front end does once.
struct Ereignisse {
    std::bitset<Feldanzahl> ziffern; // by tab position: the fields whose digit changed
    std::bitset<Tafelanzahl> tafeln; // the panels whose lines or name changed
    bool reihe = false;              // the selected row changed
    std::optional<Feld> fokus;       // where the machine moved the focus
    std::string ansage;              // empty: the focused field's own value change says it
};

class Sitzung {
public:
    // With `ziffernWiederholen`, a digit that a field takes is announced when it is the digit
    // the last changed field took: a screen reader that keeps one last value for all fields
    // (Orca 43) stays silent on it otherwise.
    explicit Sitzung(bool ziffernWiederholen = false);
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;
    ~Sitzung();

    const Bild& bild() const { return bild_; }
    const Maschinenzustand& zustand() const;

    // The start timer's tick: the start settings, then the timer is off. A stopped timer does
    // not tick: a late call changes nothing.
    Ereignisse Tick();
    // KeyDown of a field, with a key code as in taste::. A field that does not exist changes
    // nothing.
    Ereignisse KeyDown(Einheit einheit, int index, std::int16_t tastencode,
                       std::int16_t umschaltstatus);

    // The machine's public procedures, for a front end that calls them itself.
    Ereignisse Starteinstellugen();
    Ereignisse Zeichne_Neper_neu();
    Ereignisse Setzealleszurueck(std::string_view einheit);

private:
    struct Teile;
    template <class Regel> Ereignisse schritt(Regel regel);

    Bild bild_;
    std::unique_ptr<Teile> t_;
    bool ziffernWiederholen_;
    std::string letzteZiffer_; // the digit the last changed field took
};

} // namespace rechenmaschine
