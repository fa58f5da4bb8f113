// A long random session through the application's event loop: 100,000 keys of every kind.
// The fields must show one digit each all the way, and memory must not creep.
#include "test_support.h"

#include <QElapsedTimer>
#include <QFile>

#include <random>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

long residentKiB() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> teile = statm.readAll().split(' ');
    return teile.size() > 1 ? teile[1].toLong() * 4 : -1; // pages of 4 KiB
}

struct Taste {
    int key;
    Qt::KeyboardModifiers mods;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void hundredThousandRandomKeys() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        const QList<int> maschinentasten{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                         Qt::Key_C};
        const QList<int> anderetasten{
            Qt::Key_0,         Qt::Key_5,          Qt::Key_9,         Qt::Key_A,
            Qt::Key_X,         Qt::Key_V,          Qt::Key_Z,         Qt::Key_Return,
            Qt::Key_Escape,    Qt::Key_Backspace,  Qt::Key_Delete,    Qt::Key_Insert,
            Qt::Key_Home,      Qt::Key_End,        Qt::Key_Space,     Qt::Key_Percent,
            Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_F1,
            Qt::Key_PageUp,    Qt::Key_Adiaeresis};
        const QList<Qt::KeyboardModifiers> mods{Qt::NoModifier, Qt::ShiftModifier,
                                                Qt::ControlModifier, Qt::AltModifier};
        std::mt19937 zufall(20261208);
        auto waehle = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };

        constexpr int Anzahl = 100000;
        long speicherFrueh = 0;
        QElapsedTimer uhr;
        uhr.start();
        for (int k = 1; k <= Anzahl; ++k) {
            Taste t{};
            const int art = waehle(10);
            if (art < 6) {
                t = {maschinentasten[waehle(5)], mods[waehle(4)]};
            } else if (art == 6) {
                t = {Qt::Key_Tab, Qt::NoModifier};
            } else if (art == 7) {
                t = {Qt::Key_Backtab, Qt::ShiftModifier};
            } else {
                t = {anderetasten[waehle(int(anderetasten.size()))], mods[waehle(4)]};
            }
            QWidget* ziel = fokus();
            QVERIFY(ziel != nullptr);
            const bool wiederholt = waehle(8) == 0;
            QApplication::postEvent(
                ziel, new QKeyEvent(QEvent::KeyPress, t.key, t.mods, QString(), wiederholt));
            if (!wiederholt) {
                QApplication::postEvent(ziel, new QKeyEvent(QEvent::KeyRelease, t.key, t.mods));
            }
            QCoreApplication::processEvents();

            if (k % 1000 == 0) {
                pruefeInvarianten(*w);
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
            if (k == Anzahl / 10) {
                speicherFrueh = residentKiB();
            }
        }
        const long speicherSpaet = residentKiB();
        qInfo(
            "%d keys in %lld ms; resident memory %ld KiB after the first tenth, %ld KiB at the end",
            Anzahl, static_cast<long long>(uhr.elapsed()), speicherFrueh, speicherSpaet);
        if (speicherFrueh > 0) {
            QVERIFY2(speicherSpaet - speicherFrueh < 1024, "resident memory grew by 1 MiB or more");
        }
    }

private:
    static void pruefeInvarianten(const N1& w) {
        for (Einheit einheit : AlleEinheiten) {
            const QString z = ziffern(w, einheit);
            QCOMPARE(z.size(), 6);
            for (QChar c : z) {
                QVERIFY2(c.isDigit(), qPrintable(z));
            }
        }
        const auto& zustand = w.sitzung().zustand();
        QCOMPARE(ziffern(w, Einheit::A).toInt(), zustand.Summe);
        QVERIFY(zustand.Zeile >= 1 && zustand.Zeile <= 9);
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(w.Nep(i)->druckzeilen().size(), std::size_t{18});
            QCOMPARE(w.N(i)->text().toInt(), int(zustand.NZiffer[static_cast<std::size_t>(i)]));
        }
        QCOMPARE(w.Mult()->druckzeilen().size(), std::size_t{9});
        QVERIFY(w.Mult()->druckzeilen()[static_cast<std::size_t>(zustand.Zeile - 1)].farbe ==
                Hervorhebung);
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
