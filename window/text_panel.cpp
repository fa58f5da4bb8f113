#include "text_panel.h"

#include "uiconfig.h"

#include <QAccessible>
#include <QPainter>

namespace rechenmaschine {

namespace {
constexpr int Rand = 1; // the single border; printing starts inside it
}

TextPanelWidget::TextPanelWidget(int zeilenJeReihe, QWidget* parent)
    : QWidget(parent), zeilenJeReihe_(zeilenJeReihe) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TextPanelWidget::clear() {
    lines_.clear();
    update();
    if (QAccessible::isActive()) {
        // Read lazily: by the time a screen reader asks, the redraw has finished.
        QAccessibleEvent geaendert(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&geaendert);
    }
}

void TextPanelWidget::setTextColor(Farbe f) {
    farbe_ = QColor(f.rot, f.gruen, f.blau);
}

void TextPanelWidget::printLine(std::string_view line) {
    lines_.push_back({farbe_, QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))});
    update();
}

int TextPanelWidget::zeilenhoehe() const {
    return fontMetrics().height();
}

void TextPanelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const ui::Rgb papier = ui::Tafelfarbe;
    const ui::Rgb rand = ui::Tafelrand;
    painter.fillRect(rect(), QColor(papier.r, papier.g, papier.b));
    painter.setPen(QColor(rand.r, rand.g, rand.b));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setClipRect(rect().adjusted(Rand, Rand, -Rand, -Rand));
    painter.setFont(font());
    const int hoehe = zeilenhoehe();
    const int ascent = fontMetrics().ascent();
    int y = Rand;
    for (const Line& line : lines_) {
        painter.setPen(line.farbe);
        painter.drawText(QPoint(Rand, y + ascent), line.text);
        y += hoehe;
    }
}

} // namespace rechenmaschine
