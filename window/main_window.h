#pragma once

#include "announcer.h"
#include "digit_field.h"
#include "machine/session.h"
#include "text_panel.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <string_view>

namespace rechenmaschine {

// The program's one window: it owns every control and the machine's session, hands the
// session the KeyDown of its 18 fields and the tick of Timer1, draws what the session's
// picture changed and does what the step asks once. It reads nothing back from its controls.
class N1 : public QWidget {
    Q_OBJECT
public:
    N1();
    ~N1() override;

    void Zeichne_Neper_neu();
    void Starteinstellugen();
    void Setzealleszurueck(std::string_view einheit);

    Ziffernfeld* N(int index) const { return feld({Einheit::N, index}); }
    Ziffernfeld* A(int index) const { return feld({Einheit::A, index}); }
    Ziffernfeld* S(int index) const { return feld({Einheit::S, index}); }
    Tafel* Nep(int index) const { return tafeln_.at(static_cast<std::size_t>(index - 1)); }
    Tafel* Mult() const { return tafeln_.back(); }
    QLabel* label(std::string_view name) const;
    const QTimer& Timer1() const { return Timer1_; }
    const Sitzung& sitzung() const { return sitzung_; }
    const Ansager& ansager() const { return *ansager_; }

private:
    void KeyDown(Feld feld, std::int16_t tastencode, std::int16_t umschaltstatus);
    // The parts of the picture the step changed, and what it asks once.
    void zeige(const Ereignisse& ereignisse);
    Ziffernfeld* feld(Feld f) const { return felder_.at(f.position()); }

    std::array<QLabel*, 5> labels_{};
    std::array<Ziffernfeld*, Feldanzahl> felder_{}; // in tab order
    std::array<Tafel*, Tafelanzahl> tafeln_{};      // the six rods, then Mult
    QTimer Timer1_;
    Ansager* ansager_ = nullptr;
    Sitzung sitzung_;
};

} // namespace rechenmaschine
