// Helpers shared by the window tests: a started window, real key events to the focused
// field, and readings of digits and pixels.
#pragma once

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
                        QTest::qWaitFor([&] { return !w->Timer1().isEnabled(); }, 2000) &&
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

inline QString ziffern(const N1& w, char einheit) {
    QString s;
    for (int i = 1; i <= 6; ++i) {
        const DigitField* f = einheit == 'N' ? w.N(i) : einheit == 'A' ? w.A(i) : w.S(i);
        s += f->text();
    }
    return s;
}

inline QString alleZiffern(const N1& w) {
    return ziffern(w, 'N') + "|" + ziffern(w, 'A') + "|" + ziffern(w, 'S');
}

inline bool istRot(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}
inline bool istGrau(QRgb p) {
    return qRed(p) < 235 && qRed(p) > 120 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
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
