#pragma once

#include "machine/interfaces.h"

#include <QColor>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace rechenmaschine {

// A rod or the multiplier column: keeps every line printed on it since the last clear and
// paints them in paintEvent, so it survives being covered, hidden or scaled.
//
// The machine reprints every panel at every key, but only a few lines differ from what is on
// the screen; those alone are repainted, once the machine has finished (see pruefeAenderungen).
// A panel shows only a handful of distinct texts, each laid out once and kept.
class TextPanelWidget : public QWidget, public TextPanel {
    Q_OBJECT
public:
    struct Line {
        QColor farbe;
        QString text;
    };

    // lines per row: 2 on a rod (tens over units), 1 in the multiplier column
    TextPanelWidget(int zeilenJeReihe, QWidget* parent);

    void clear() override;
    void setTextColor(Farbe farbe) override;
    void printLine(std::string_view line) override;

    std::vector<Line> lines() const;

    // What a screen reader calls the panel, and the row it names as selected (1..9, 0 for
    // none): both asked of the machine, which knows them.
    void setNamensgeber(std::function<QString()> geber) { namensgeber_ = std::move(geber); }
    QString zugangsname() const { return namensgeber_ ? namensgeber_() : accessibleName(); }
    void setReihengeber(std::function<int()> geber) { reihengeber_ = std::move(geber); }
    int ausgewaehlteReihe() const { return reihengeber_ ? reihengeber_() : 0; }
    int zeilenhoehe() const { return zeilenhoehe_; }
    int zeilenJeReihe() const { return zeilenJeReihe_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Eintrag {
        QRgb farbe;
        int text; // index into texte_
        friend bool operator==(const Eintrag&, const Eintrag&) = default;
    };
    struct Vorbereitet {
        std::string roh;
        QString text;
        QStaticText statisch;
    };

    int textIndex(std::string_view line);
    void bereiteVor();
    void pruefeAenderungen();
    QRect zeilenRechteck(std::size_t zeile) const;

    int zeilenJeReihe_;
    int zeilenhoehe_ = 0;
    QRgb farbe_ = qRgb(0, 0, 0);
    std::vector<Eintrag> eintraege_;
    std::vector<Eintrag> aufDemSchirm_; // what the last scheduled repaint shows
    std::vector<Vorbereitet> texte_;
    bool pruefungAngesetzt_ = false;
    std::function<QString()> namensgeber_;
    std::function<int()> reihengeber_;
};

} // namespace rechenmaschine
