// The start-up sequence: the window opens with "0" everywhere and empty panels, then the
// timer's single tick brings the machine into its working picture.
#include "test_support.h"
#include "window/display.h"

using namespace rechenmaschine;
using namespace rechenmaschine::test;

class StartTest : public QObject {
    Q_OBJECT
private slots:
    // Qt's own -platform option names a display; without it and the variables there is none.
    void platformOptionCountsAsADisplay() {
        const QList<QByteArray> namen{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
        QList<QByteArray> vorher;
        for (const QByteArray& n : namen) {
            vorher << qgetenv(n.constData());
            qunsetenv(n.constData());
        }
        const char* mit[] = {"rechenmaschine", "-platform", "offscreen"};
        const char* ohne[] = {"rechenmaschine", "offscreen"};
        const bool erkannt = pruefeAnzeige(3, mit);
        const bool keine = !pruefeAnzeige(2, ohne);
        anzeigeOffen();
        for (int k = 0; k < namen.size(); ++k) {
            if (!vorher[k].isNull()) {
                qputenv(namen[k].constData(), vorher[k]);
            }
        }
        QVERIFY(erkannt);
        QVERIFY(keine);
    }

    void windowOpensWithZerosAndEmptyPanelsBeforeTheTick() {
        N1 w;
        QCOMPARE(alleZiffern(w), QString("000000|000000|000000"));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(w.Nep(i)->druckzeilen().empty());
        }
        QVERIFY(w.Mult()->druckzeilen().empty());
        QCOMPARE(w.Timer1().interval(), 1);
        QVERIFY(w.Timer1().isActive());
        QCOMPARE(w.sitzung().zustand().Zeile, 0);
    }

    void tickRunsStartSettingsOnceThenTheTimerIsOff() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        QCOMPARE(fokus(), w->N(1));
        QCOMPARE(w->Timer1().interval(), 0);
        QVERIFY(!w->Timer1().isActive());
        QVERIFY(!w->Timer1().isActive());
        QCOMPARE(w->sitzung().zustand().Zeile, 5);
        QCOMPARE(w->sitzung().zustand().Stellenwert[6], 1000000);
        QCOMPARE(alleZiffern(*w), QString("000000|000000|000000"));
        tippe(Qt::Key_Down); // row 6
        QTest::qWait(30);    // a second tick would run the start settings again: row 5
        QCOMPARE(w->sitzung().zustand().Zeile, 6);
    }

    // Row 5 is red on every rod and on the column, on the pixels the user sees.
    void rowFiveIsRedOnThePanels() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        for (int i = 1; i <= 7; ++i) {
            Tafel* tafel = i <= 6 ? w->Nep(i) : w->Mult();
            const int h = tafel->zeilenhoehe();
            const int zeilenJeReihe = i <= 6 ? 2 : 1;
            const QImage bild = tafel->grab().toImage();
            const auto [erste, letzte] = roterBereich(bild);
            QVERIFY2(erste >= 1 + 4 * zeilenJeReihe * h, qPrintable(tafel->objectName()));
            QVERIFY2(letzte < 1 + 5 * zeilenJeReihe * h, qPrintable(tafel->objectName()));
            QVERIFY(erste >= 0);
            int grau = 0;
            for (int y = 0; y < 4 * zeilenJeReihe * h; ++y) {
                for (int x = 0; x < bild.width(); ++x) {
                    grau += istGrau(bild.pixel(x, y)) ? 1 : 0;
                }
            }
            QVERIFY2(grau > 10, "the rows above the red one are printed grey");
        }
    }

    void panelKeepsItsPictureWhenHiddenAndShown() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        // Panels only: a field's caret blinks between two grabs.
        const QImage vorher = w->Nep(3)->grab().toImage();
        const QImage spalteVorher = w->Mult()->grab().toImage();
        w->hide();
        QTest::qWait(20);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->Nep(3)->grab().toImage(), vorher);
        QCOMPARE(w->Mult()->grab().toImage(), spalteVorher);
        QVERIFY(roterBereich(vorher).first > 0);
        QCOMPARE(w->Nep(3)->druckzeilen().size(), std::size_t{18});
    }
};

QTEST_MAIN(StartTest)
#include "start_test.moc"
