// The panels repaint only what changed. What the screen shows after each key must still be
// exactly what a full drawing of the panels gives, with no stale line left behind.
#include "test_support.h"

#include <QScreen>

#include <random>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

class RepaintTest : public QObject {
    Q_OBJECT
private slots:
    void screenMatchesAFullDrawingAfterEveryKey() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        const QList<int> tasten{Qt::Key_Right, Qt::Key_Left, Qt::Key_Up,    Qt::Key_Down,
                                Qt::Key_C,     Qt::Key_Tab,  Qt::Key_Right, Qt::Key_Down};
        std::mt19937 zufall(1623);
        for (int k = 0; k < 150; ++k) {
            tippe(tasten[static_cast<int>(zufall() % tasten.size())]);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            const QImage schirm =
                w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(!schirm.isNull());
            for (int i = 1; i <= 7; ++i) {
                TextPanelWidget* tafel = i <= 6 ? w->Nep(i) : w->Mult();
                const QImage gezeigt = schirm.copy(tafel->geometry());
                const QImage voll = tafel->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QVERIFY2(gezeigt == voll,
                         qPrintable(QString("%1 after key %2").arg(tafel->objectName()).arg(k)));
            }
        }
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
