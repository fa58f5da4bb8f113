#pragma once

#include "machine/session.h"

#include <QColor>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace rechenmaschine {

inline QColor alsQColor(Farbe f) {
    return QColor(f.rot, f.gruen, f.blau);
}

// A rod or the multiplier column: keeps the lines of the last picture and paints them in
// paintEvent, so it survives being covered, hidden or scaled.
//
// It is given its part of the picture only when the session says it changed, and then
// repaints only the lines that differ from what is on the screen. A panel shows only a handful
// of distinct texts, each laid out once and kept.
class Tafel : public QWidget {
    Q_OBJECT
public:
    // lines per row: 2 on a rod (tens over units), 1 in the multiplier column
    Tafel(int zeilenJeReihe, QWidget* parent);

    // The panel's part of a picture: its lines, what a screen reader calls it and the row it
    // names as selected (1..9, 0 for none).
    void zeige(const std::vector<Druckzeile>& zeilen, const std::string& name, int reihe);

    const std::vector<Druckzeile>& druckzeilen() const { return zeilen_; }
    QString zugangsname() const {
        return name_.empty() ? accessibleName() : QString::fromStdString(name_);
    }
    int ausgewaehlteReihe() const { return reihe_; }
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
    QRect zeilenRechteck(std::size_t zeile) const;

    int zeilenJeReihe_;
    int zeilenhoehe_ = 0;
    std::vector<Druckzeile> zeilen_;
    std::vector<Eintrag> eintraege_;
    std::vector<Vorbereitet> texte_;
    std::string name_;
    int reihe_ = 0;
};

} // namespace rechenmaschine
