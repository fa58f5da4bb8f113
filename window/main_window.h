#pragma once

#include "announcer.h"
#include "digit_field.h"
#include "machine/sitzung.h"
#include "start_timer.h"
#include "text_panel.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <string_view>

namespace rechenmaschine {

// The program's one window: it owns every control and the machine's session, hands the
// session the KeyDown of its 18 fields and the tick of Timer1, and shows the picture the
// session answers with. It reads nothing back from its controls.
class N1 : public QWidget {
    Q_OBJECT
public:
    N1();
    ~N1() override;

    void Zeichne_Neper_neu();
    void Starteinstellugen();
    void Setzealleszurueck(std::string_view einheit);

    DigitField* N(int index) const { return feld(Einheit::N, index); }
    DigitField* A(int index) const { return feld(Einheit::A, index); }
    DigitField* S(int index) const { return feld(Einheit::S, index); }
    TextPanelWidget* Nep(int index) const { return Nep_.at(static_cast<std::size_t>(index - 1)); }
    TextPanelWidget* Mult() const { return Mult_; }
    QLabel* label(std::string_view name) const;
    const StartTimerAdapter& Timer1() const { return *Timer1_; }
    const Sitzung& maschine() const { return sitzung_; }
    const AnsageWidget& Ansage() const { return *Ansage_; }

private:
    void Timer1_Timer();
    void KeyDown(Einheit einheit, int index, std::int16_t tastencode, std::int16_t umschaltstatus);
    // Every control as the picture has it; each is touched only where it differs.
    void zeige(const Bild& bild);
    DigitField* feld(Einheit einheit, int index) const {
        return felder_.at(Nummer(einheit)).at(static_cast<std::size_t>(index - 1));
    }

    std::array<QLabel*, 5> labels_{};
    std::array<std::array<DigitField*, 6>, 3> felder_{};
    std::array<TextPanelWidget*, 6> Nep_{};
    TextPanelWidget* Mult_ = nullptr;
    StartTimerAdapter* Timer1_ = nullptr;
    AnsageWidget* Ansage_ = nullptr;
    Sitzung sitzung_;
    Ziffernfelder gezeigt_; // the digits the fields show: each field starts at "0"
    QString letzteZiffer_;  // the digit a field last took
};

} // namespace rechenmaschine
