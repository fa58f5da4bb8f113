#include "floor_window.h"

#include "layout/window_layout.h"
#include "window/text_panel.h" // alsQColor only: the floor has none of the panel

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace rechenmaschine::bench {

namespace {

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont schrift(int px) {
    QFont f(qtext(ui::Schriftart));
    f.setPixelSize(px);
    return f;
}

// A panel that only paints its paper and border.
class LeereTafel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), alsQColor(ui::Tafelfarbe));
        p.setPen(alsQColor(ui::Tafelrand));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// A plain field whose key writes the next digit, as the machine would, and nothing else.
class EinfachesFeld : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        setText(QString::number((text().toInt() + 1) % 10));
        QLineEdit::keyPressEvent(e);
    }
};

} // namespace

Bodenfenster::Bodenfenster() {
    setWindowTitle(qtext(ui::Fenstertitel));
    setFixedSize(ui::px(ui::FensterBreite), ui::px(ui::FensterHoehe));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, alsQColor(ui::Fensterfarbe));
    setPalette(pal);
    setAutoFillBackground(true);
    std::size_t feld = 0, tafel = 0;
    for (const auto& e : ui::Steuerelemente) {
        const int oben = ui::px(e.oben), breite = ui::px(e.breite), hoehe = ui::px(e.hoehe);
        switch (e.art) {
        case ui::Art::Ueberschrift:
        case ui::Art::Hinweis: {
            auto* l = new QLabel(qtext(e.text), this);
            l->setGeometry(ui::px(e.links), oben, breite, hoehe);
            l->setWordWrap(e.art == ui::Art::Hinweis);
            if (e.schriftPx > 0) {
                l->setFont(schrift(e.schriftPx));
            }
            break;
        }
        case ui::Art::Feldreihe:
            for (int spalte : ui::Spalten) {
                auto* f = new EinfachesFeld(QStringLiteral("0"), this);
                f->setGeometry(ui::px(spalte), oben, breite, hoehe);
                f->setFont(schrift(e.schriftPx));
                f->setAlignment(Qt::AlignCenter);
                felder[feld++] = f;
            }
            break;
        case ui::Art::Staebe:
            for (int spalte : ui::Spalten) {
                tafeln[tafel] = new LeereTafel(this);
                tafeln[tafel++]->setGeometry(ui::px(spalte), oben, breite, hoehe);
            }
            break;
        case ui::Art::Spalte:
            tafeln[tafel] = new LeereTafel(this);
            tafeln[tafel++]->setGeometry(ui::px(e.links), oben, breite, hoehe);
            break;
        }
    }
}

} // namespace rechenmaschine::bench
