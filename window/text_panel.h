#pragma once

#include "machine/interfaces.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace rechenmaschine {

// A rod or the multiplier column: keeps every line printed on it since the last clear and
// paints them in paintEvent, so it survives being covered, hidden or scaled.
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

    const std::vector<Line>& lines() const { return lines_; }
    int zeilenhoehe() const;
    int zeilenJeReihe() const { return zeilenJeReihe_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int zeilenJeReihe_;
    std::vector<Line> lines_;
    QColor farbe_{Qt::black};
};

} // namespace rechenmaschine
