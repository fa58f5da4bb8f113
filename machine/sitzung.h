// One machine as a front end holds it: the machine, the recorders behind its three interfaces
// and the announcement layer. A front end hands it each key and each tick of the start timer
// and draws the picture it answers with; it reads nothing back from its own controls.
#pragma once

#include "ansage.h"
#include "einheit.h"
#include "machine_state.h"

#include <array>
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

struct Fokus {
    Einheit einheit;
    int index; // 1..6
};

// Everything the window shows, and what it is to do, after one step.
struct Bild {
    Ziffernfelder felder;
    std::optional<Fokus> fokus; // only where the machine moved the focus in this step
    std::int16_t zeile = 0;
    std::array<std::vector<Druckzeile>, Tafelanzahl> tafeln;
    std::array<std::string, Tafelanzahl> namen; // what a screen reader calls each panel
    std::string ansage; // empty: the focused field's own value change says everything
    int timer = 0;      // the start timer's interval while it runs, 0 once it is off

    const std::string& feld(Einheit einheit, int index) const {
        return felder.at(Nummer(einheit)).at(static_cast<std::size_t>(index - 1));
    }
};

class Sitzung {
public:
    Sitzung();
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;
    ~Sitzung();

    const Bild& bild() const { return bild_; }
    const Maschinenzustand& zustand() const;

    // The start timer's tick: the start settings, then the timer is off. A stopped timer does
    // not tick: a late call changes nothing.
    const Bild& Tick();
    // KeyDown of field `index` of a unit, with a key code as in taste::. A field that does not
    // exist changes nothing.
    const Bild& KeyDown(Einheit einheit, int index, std::int16_t tastencode,
                        std::int16_t umschaltstatus);

    // The machine's public procedures, for a front end that calls them itself.
    const Bild& Starteinstellugen();
    const Bild& Zeichne_Neper_neu();
    const Bild& Setzealleszurueck(std::string_view einheit);

private:
    struct Teile;
    const Bild& fertig(std::string ansage);

    Bild bild_; // before the recorders, which write into it
    std::unique_ptr<Teile> t_;
};

} // namespace rechenmaschine
