#pragma once

#include "announcer.h"
#include "digit_field.h"
#include "field_array.h"
#include "machine/ansage.h"
#include "machine/machine_state.h"
#include "start_timer.h"
#include "text_panel.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

namespace rechenmaschine {

// The program's one window: it owns every control and the one machine, and forwards the
// KeyDown of its three field arrays and the tick of Timer1 to that machine.
class N1 : public QWidget {
    Q_OBJECT
public:
    N1();
    ~N1() override;

    void Zeichne_Neper_neu();
    void Starteinstellugen();
    void Setzealleszurueck(std::string_view einheit);

    DigitField* N(int index) const { return N_.feld(index); }
    DigitField* A(int index) const { return A_.feld(index); }
    DigitField* S(int index) const { return S_.feld(index); }
    TextPanelWidget* Nep(int index) const { return Nep_.at(static_cast<std::size_t>(index - 1)); }
    TextPanelWidget* Mult() const { return Mult_; }
    QLabel* label(std::string_view name) const;
    const StartTimerAdapter& Timer1() const { return *Timer1_; }
    const Maschine& maschine() const { return *maschine_; }
    const AnsageWidget& Ansage() const { return *Ansage_; }

private:
    void Timer1_Timer();
    // KeyDown of a field of a unit: the unit's rule, then what a screen reader should hear of
    // it beyond the field's own digit.
    void KeyDown(Einheit einheit, int index, std::int16_t tastencode, std::int16_t umschaltstatus);
    const FieldArrayAdapter& felder(Einheit einheit) const;

    std::array<QLabel*, 5> labels_{};
    FieldArrayAdapter N_;
    FieldArrayAdapter A_;
    FieldArrayAdapter S_;
    std::array<TextPanelWidget*, 6> Nep_{};
    TextPanelWidget* Mult_ = nullptr;
    StartTimerAdapter* Timer1_ = nullptr;
    AnsageWidget* Ansage_ = nullptr;
    std::unique_ptr<Maschine> maschine_;
    std::unique_ptr<Bedienung> bedienung_;
    QString letzteZiffer_; // the digit a field last took
};

} // namespace rechenmaschine
