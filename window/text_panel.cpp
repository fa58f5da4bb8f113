#include "text_panel.h"

#include "layout/window_layout.h"

#include <QAccessible>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace rechenmaschine {

namespace {
constexpr int Rand = 1; // the single border; printing starts inside it

} // namespace

Tafel::Tafel(int zeilenJeReihe, QWidget* parent) : QWidget(parent), zeilenJeReihe_(zeilenJeReihe) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    zeilenhoehe_ = fontMetrics().height();
}

void Tafel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        // The lines stay; only their layout is redone for the new font.
        zeilenhoehe_ = fontMetrics().height();
        bereiteVor();
        update();
    }
    QWidget::changeEvent(event);
}

void Tafel::zeige(const std::vector<Druckzeile>& zeilen, const std::string& name, int reihe) {
    std::vector<Eintrag> neu;
    neu.reserve(zeilen.size());
    for (const Druckzeile& z : zeilen) {
        neu.push_back({qRgb(z.farbe.rot, z.farbe.gruen, z.farbe.blau), textIndex(z.text)});
    }
    const std::size_t n = std::max(neu.size(), eintraege_.size());
    for (std::size_t k = 0; k < n; ++k) {
        if (k >= neu.size() || k >= eintraege_.size() || neu[k] != eintraege_[k]) {
            update(zeilenRechteck(k));
        }
    }
    const bool anders = neu != eintraege_ || reihe != reihe_;
    eintraege_ = std::move(neu);
    zeilen_ = zeilen;
    reihe_ = reihe;
    const bool umbenannt = name != name_;
    name_ = name;
    if (QAccessible::isActive()) {
        if (umbenannt) {
            QAccessibleEvent e(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&e);
        }
        if (anders) {
            QAccessibleEvent e(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&e);
        }
    }
}

// A linear search: a rod shows 19 distinct texts at most (tens 0..8, units 0..9), the column 9.
int Tafel::textIndex(std::string_view line) {
    for (std::size_t k = 0; k < texte_.size(); ++k) {
        if (texte_[k].roh == line) {
            return static_cast<int>(k);
        }
    }
    Vorbereitet neu{
        std::string(line), QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())), {}};
    neu.statisch.setText(neu.text);
    neu.statisch.setTextFormat(Qt::PlainText);
    neu.statisch.setPerformanceHint(QStaticText::AggressiveCaching);
    neu.statisch.prepare(QTransform(), font());
    texte_.push_back(std::move(neu));
    return static_cast<int>(texte_.size() - 1);
}

void Tafel::bereiteVor() {
    for (Vorbereitet& t : texte_) {
        t.statisch.prepare(QTransform(), font());
    }
}

QRect Tafel::zeilenRechteck(std::size_t zeile) const {
    return {Rand, Rand + static_cast<int>(zeile) * zeilenhoehe_, width() - 2 * Rand, zeilenhoehe_};
}

// The border and the paper tile the panel as rectangles of whole logical pixels. At a
// fractional scale factor each device pixel then belongs to exactly one of them, so a partial
// repaint gives the same pixels as a full one.
void Tafel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect innen = rect().adjusted(Rand, Rand, -Rand, -Rand);
    const QColor rand = alsQColor(ui::Tafelrand);
    painter.fillRect(QRect(0, 0, width(), Rand), rand);
    painter.fillRect(QRect(0, height() - Rand, width(), Rand), rand);
    painter.fillRect(QRect(0, Rand, Rand, innen.height()), rand);
    painter.fillRect(QRect(width() - Rand, Rand, Rand, innen.height()), rand);
    const QRect bereich = event->rect() & innen;
    painter.fillRect(bereich, alsQColor(ui::Tafelfarbe));
    if (zeilenhoehe_ <= 0 || bereich.isEmpty()) {
        return;
    }
    painter.setClipRect(innen);
    painter.setFont(font());
    // One line more on either side: at a fractional scale a line's glyphs can reach a device
    // row of its neighbour's rectangle.
    const int erste = std::max(0, (bereich.top() - Rand) / zeilenhoehe_ - 1);
    const int letzte = (bereich.bottom() - Rand) / zeilenhoehe_ + 1;
    QRgb stift = 0;
    bool stiftGesetzt = false;
    for (auto k = static_cast<std::size_t>(erste);
         k <= static_cast<std::size_t>(letzte) && k < eintraege_.size(); ++k) {
        const Eintrag& e = eintraege_[k];
        if (!stiftGesetzt || e.farbe != stift) {
            painter.setPen(QColor(e.farbe));
            stift = e.farbe;
            stiftGesetzt = true;
        }
        // QStaticText places the top of its text, not the baseline.
        painter.drawStaticText(QPoint(Rand, Rand + static_cast<int>(k) * zeilenhoehe_),
                               texte_[static_cast<std::size_t>(e.text)].statisch);
    }
}

} // namespace rechenmaschine
