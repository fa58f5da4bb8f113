// The panels repaint only what changed. What the screen shows after each key must still be
// exactly what a full drawing of the panels gives, with no stale line left behind.
#include "test_support.h"

#include <QScreen>

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
                TextPanelWidget* tafel = i <= 6 ? w->Nep(i) : w->Mult();
                const QRect r = geraetepixel(*tafel, faktor);
                QVERIFY2(teilweise.copy(r) == voll.copy(r),
                         qPrintable(QString("%1 after key %2").arg(tafel->objectName()).arg(k)));
            }
        }
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
