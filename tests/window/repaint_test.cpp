// The panels repaint only what changed. What the screen shows after each key must still be
// exactly what a full drawing of the panels gives, with no stale line left behind.
#include "test_support.h"

#include <QScreen>
#include <QWindow>

#include <random>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

QImage schirmbild(N1& w) {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The panel's place on the screen in device pixels, with one pixel round it: a rounding error
// at a fractional scale shows at the edges.
QRect geraetepixel(const QWidget& tafel, double faktor) {
    const QRectF r(QPointF(tafel.geometry().topLeft()) * faktor,
                   QSizeF(tafel.geometry().size()) * faktor);
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT
private slots:
    // At every scale factor, including the fractional ones where logical lines fall between
    // device pixels.
    void screenMatchesAFullDrawingAfterEveryKey() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        if (w->screen()->grabWindow(w->winId()).isNull()) {
            QSKIP("this platform does not let a program read its window back (Wayland)");
        }
        const double faktor = w->devicePixelRatioF();
        qInfo("scale factor %.2f", faktor);
        const QList<int> tasten{Qt::Key_Right, Qt::Key_Left, Qt::Key_Up,    Qt::Key_Down,
                                Qt::Key_C,     Qt::Key_Tab,  Qt::Key_Right, Qt::Key_Down};
        std::mt19937 zufall(1623);
        for (int k = 0; k < 150; ++k) {
            tippe(tasten[static_cast<int>(zufall() % tasten.size())]);
            const QImage teilweise = schirmbild(*w);
            for (int i = 1; i <= 7; ++i) {
                (i <= 6 ? w->Nep(i) : w->Mult())->repaint();
            }
            const QImage voll = schirmbild(*w);
            QVERIFY(!voll.isNull());
            for (int i = 1; i <= 7; ++i) {
                Tafel* tafel = i <= 6 ? w->Nep(i) : w->Mult();
                const QRect r = geraetepixel(*tafel, faktor);
                QVERIFY2(teilweise.copy(r) == voll.copy(r),
                         qPrintable(QString("%1 after key %2").arg(tafel->objectName()).arg(k)));
            }
        }
    }

    // A new font, or a screen of another scale, must not blank the panels until the next key.
    void panelsKeepTheirPictureThroughFontAndScreenChanges() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        QFont groesser = w->Mult()->font();
        groesser.setPixelSize(groesser.pixelSize() + 2);
        w->Mult()->setFont(groesser);
        QVERIFY(roterBereich(w->Mult()->grab().toImage()).first > 0);

        const QList<QScreen*> schirme = QGuiApplication::screens();
        if (schirme.size() < 2) {
            QSKIP("needs the platform's two screens (two_screens.json)");
        }
        w->windowHandle()->setScreen(schirme[1]);
        w->move(schirme[1]->geometry().topLeft() + QPoint(50, 50));
        QVERIFY(QTest::qWaitFor([&] { return w->screen() == schirme[1]; }, 2000));
        const double faktor = w->Nep(1)->devicePixelRatioF();
        QVERIFY(faktor > 1.0);
        const QImage schirm = schirmbild(*w);
        const QRect r = geraetepixel(*w->Nep(1), faktor);
        QVERIFY(roterBereich(schirm.copy(r)).first > 0);
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
