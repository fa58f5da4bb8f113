// Helpers shared by the window tests: a started window, real key events to the focused
// field, and readings of digits and pixels.
#pragma once

#include "layout/window_layout.h"
#include "window/main_window.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <memory>

namespace rechenmaschine::test {

// The widget with the keyboard focus. Where no window is active (a compositor without a
// keyboard, such as headless Wayland), the focus the shown window keeps for itself.
inline QWidget* fokus() {
    if (QWidget* w = QApplication::focusWidget()) {
        return w;
    }
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (fenster->isVisible() && fenster->focusWidget() != nullptr) {
            return fenster->focusWidget();
        }
    }
    return nullptr;
}

// A shown window whose start-up timer has fired.
inline std::unique_ptr<N1> gestartetesFenster() {
    auto w = std::make_unique<N1>();
    w->show();
    w->activateWindow();
    const bool bereit = QTest::qWaitForWindowExposed(w.get()) &&
                        QTest::qWaitFor([&] { return !w->Timer1().isActive(); }, 2000) &&
                        QTest::qWaitFor([&] { return fokus() == w->N(1); }, 2000);
    return bereit ? std::move(w) : nullptr;
}

// QTest sends to the window, not the focused child; the platform would send to the child.
inline void tippe(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool autoRepeat = false) {
    QWidget* ziel = fokus();
    QVERIFY(ziel != nullptr);
    if (autoRepeat) {
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), true);
        QApplication::sendEvent(ziel, &press);
    } else {
        QTest::keyClick(ziel, static_cast<Qt::Key>(key), mods);
    }
}

inline void tippeText(const QString& text) {
    QWidget* ziel = fokus();
    QVERIFY(ziel != nullptr);
    QTest::keyClicks(ziel, text);
}

inline QString ziffern(const N1& w, Einheit einheit) {
    QString s;
    for (int i = 1; i <= Stellen; ++i) {
        s += (einheit == Einheit::N ? w.N(i) : einheit == Einheit::A ? w.A(i) : w.S(i))->text();
    }
    return s;
}

inline QString alleZiffern(const N1& w) {
    QStringList reihen;
    for (Einheit e : AlleEinheiten) {
        reihen << ziffern(w, e);
    }
    return reihen.join('|');
}

inline QString text(const Druckzeile& z) {
    return QString::fromStdString(z.text);
}

// A pixel of ink in the colour `f`, or blended with the paper at most `toleranz` away from it.
inline bool nahe(QRgb p, Farbe f, int toleranz) {
    return qAbs(qRed(p) - f.rot) <= toleranz && qAbs(qGreen(p) - f.gruen) <= toleranz &&
           qAbs(qBlue(p) - f.blau) <= toleranz;
}
inline bool istRot(QRgb p) {
    return nahe(p, Hervorhebung, 90);
}
inline bool istGrau(QRgb p) {
    return nahe(p, Normalfarbe, 35) && p != alsQColor(ui::Tafelfarbe).rgb();
}

// Where the layout table puts a control, in pixels: index i (1..6) of a row of fields or rods.
inline QRect ort(const ui::Steuerelement& e, int i = 1) {
    const int links =
        e.links == ui::KeineSpalte ? ui::Spalten[static_cast<std::size_t>(i - 1)] : e.links;
    return {ui::px(links), ui::px(e.oben), ui::px(e.breite), ui::px(e.hoehe)};
}

// The band of panel pixel rows that hold red ink, as [first, last]; {-1, -1} when none.
inline std::pair<int, int> roterBereich(const QImage& bild) {
    int erste = -1, letzte = -1;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (istRot(bild.pixel(x, y))) {
                erste = erste < 0 ? y : erste;
                letzte = y;
                break;
            }
        }
    }
    return {erste, letzte};
}

} // namespace rechenmaschine::test
