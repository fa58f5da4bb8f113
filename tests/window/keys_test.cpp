// Real key events through the window: their translation, focus movement and the key rules of
// the three units.
#include "test_support.h"

#include "machine/key_codes.h"
#include "window/key_translation.h"

using namespace rechenmaschine;
using namespace rechenmaschine::test;

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        w_ = gestartetesFenster();
        QVERIFY(w_);
    }
    void cleanup() { w_.reset(); }

    // The Windows virtual-key codes as Windows numbers them, written here on purpose rather than
    // taken from the machine's names: an independent check of both.
    void translation_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("code");
        QTest::newRow("Left") << int(Qt::Key_Left) << 37;
        QTest::newRow("Up") << int(Qt::Key_Up) << 38;
        QTest::newRow("Right") << int(Qt::Key_Right) << 39;
        QTest::newRow("Down") << int(Qt::Key_Down) << 40;
        QTest::newRow("C") << int(Qt::Key_C) << 67;
        QTest::newRow("%") << int(Qt::Key_Percent) << 0;
        QTest::newRow("&") << int(Qt::Key_Ampersand) << 0;
        QTest::newRow("'") << int(Qt::Key_Apostrophe) << 0;
        QTest::newRow("(") << int(Qt::Key_ParenLeft) << 0;
        QTest::newRow("c-cedilla") << int(Qt::Key_Ccedilla) << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 13;
        QTest::newRow("5") << int(Qt::Key_5) << 53;
        QTest::newRow("B") << int(Qt::Key_B) << 66;
        QTest::newRow("D") << int(Qt::Key_D) << 68;
        QTest::newRow("F1") << int(Qt::Key_F1) << 112;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
    }

    void shiftState() {
        const auto status = [](Qt::KeyboardModifiers m) {
            return int(umschaltstatus(QKeyEvent(QEvent::KeyPress, Qt::Key_Left, m)));
        };
        QCOMPARE(status(Qt::NoModifier), 0);
        QCOMPARE(status(Qt::ShiftModifier), 1);
        QCOMPARE(status(Qt::ControlModifier), 2);
        QCOMPARE(status(Qt::AltModifier), 4);
        QCOMPARE(status(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
        QCOMPARE(status(Qt::KeypadModifier), 0);
    }

    // The window offers the machine's public procedures as its own.
    void windowProcedures() {
        tippe(Qt::Key_Right); // N(1) = 1
        for (int k = 0; k < 6; ++k) {
            tippe(Qt::Key_Tab);
        }
        tippe(Qt::Key_Right); // A(1): 100000
        w_->Setzealleszurueck("A");
        QCOMPARE(alleZiffern(*w_), QString("100000|000000|000000"));
        w_->Setzealleszurueck("N");
        QCOMPARE(alleZiffern(*w_), QString("000000|000000|000000"));
        QCOMPARE(text(w_->Nep(1)->druckzeilen()[1]), QString("     0"));
        w_->Starteinstellugen();
        QCOMPARE(fokus(), w_->N(1));
        w_->Zeichne_Neper_neu();
        QCOMPARE(w_->Mult()->druckzeilen().size(), std::size_t{9});
        QVERIFY(w_->label("Label5") == nullptr);
    }
    void translation() {
        QFETCH(int, qtKey);
        QFETCH(int, code);
        QCOMPARE(int(windowsTastencode(qtKey)), code);
    }

    // The C key by its place, where the layout puts another letter on it, on each platform.
    void cKeyByPlace() {
        QVERIFY(tasteC(u"xcb", 54, 0x6d3) && !tasteC(u"xcb", 55, 0x63));
        QVERIFY(tasteC(u"wayland-egl", 54, 0) && !tasteC(u"wayland", 46, 0));
        QVERIFY(tasteC(u"windows", 0x2e, 0x43) && !tasteC(u"windows", 54, 0x44));
        QVERIFY(tasteC(u"cocoa", 0, 8) && !tasteC(u"cocoa", 54, 9));
        QVERIFY(!tasteC(u"offscreen", 54, 0x43));
    }

    // No Qt key but the four arrows and C may reach the codes the machine acts on.
    void onlyArrowsAndCGiveMachineCodes() {
        for (int key = 0; key <= 0x01ffffff; key += key < 0x3000 ? 1 : 0x101) {
            const int code = windowsTastencode(key);
            const bool erlaubt = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right ||
                                 key == Qt::Key_Down || key == Qt::Key_C;
            if ((code >= taste::Links && code <= taste::Runter) || code == taste::C) {
                QVERIFY2(erlaubt, qPrintable(QString::number(key, 16)));
            }
        }
    }

    void tabCycleBothWays() {
        QList<QWidget*> reihe;
        for (Einheit e : AlleEinheiten) {
            for (int i = 1; i <= Stellen; ++i) {
                reihe << (e == Einheit::N ? w_->N(i) : e == Einheit::A ? w_->A(i) : w_->S(i));
            }
        }
        for (int k = 1; k <= 18; ++k) {
            tippe(Qt::Key_Tab);
            QCOMPARE(fokus(), reihe[k % 18]);
        }
        for (int k = 17; k >= 0; --k) {
            tippe(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(fokus(), reihe[k]);
        }
        QCOMPARE(alleZiffern(*w_), QString("000000|000000|000000"));
        QCOMPARE(w_->sitzung().zustand().Zeile, 5);
    }

    void roadOfOneKeyPress() {
        tippe(Qt::Key_Tab);
        tippe(Qt::Key_Tab);
        for (int k = 0; k < 7; ++k) {
            tippe(Qt::Key_Right);
        }
        QCOMPARE(w_->N(3)->text(), QString("7"));
        tippe(Qt::Key_Down);
        QCOMPARE(w_->sitzung().zustand().Zeile, 6);
        const auto& zeilen = w_->Nep(3)->druckzeilen();
        QCOMPARE(text(zeilen[10]), QString("  4"));
        QCOMPARE(text(zeilen[11]), QString("     2"));
        QVERIFY(zeilen[10].farbe == Hervorhebung);
        QVERIFY(w_->Mult()->druckzeilen()[5].farbe == Hervorhebung);
        QVERIFY(w_->Mult()->druckzeilen()[4].farbe == Normalfarbe);
        // And on screen: the red band moved down to the sixth cell.
        const int h = w_->Nep(3)->zeilenhoehe();
        const auto [erste, letzte] = roterBereich(w_->Nep(3)->grab().toImage());
        QVERIFY(erste >= 1 + 10 * h && letzte < 1 + 12 * h);
    }

    // Each unit through the keyboard, with Shift and Ctrl making no difference.
    void units_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("mods");
        QTest::addColumn<QString>("ziffern");
        const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("N left wraps")
            << 0 << QList<int>{Qt::Key_Left} << 0 << "900000|000000|000000";
        QTest::newRow("N shift+left")
            << 0 << QList<int>{Qt::Key_Left} << shift << "900000|000000|000000";
        QTest::newRow("N C resets")
            << 1 << QList<int>{Qt::Key_Right, Qt::Key_C} << 0 << "000000|000000|000000";
        QTest::newRow("N shift+C")
            << 1 << QList<int>{Qt::Key_Right, Qt::Key_C} << shift << "000000|000000|000000";
        QTest::newRow("A borrow") << 11 << QList<int>{Qt::Key_Left} << 0 << "000000|000000|000000";
        QTest::newRow("A carry") << 11 << QList<int>{Qt::Key_Right} << ctrl
                                 << "000000|000001|000000";
        QTest::newRow("A ctrl+C") << 10 << QList<int>{Qt::Key_Right, Qt::Key_C} << ctrl
                                  << "000000|000000|000000";
        QTest::newRow("S wraps") << 12 << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Left} << 0
                                 << "000000|000000|900000";
        QTest::newRow("typed 5") << 0 << QList<int>{Qt::Key_5} << 0 << "000000|000000|000000";
        QTest::newRow("% & ' (") << 0
                                 << QList<int>{Qt::Key_Percent, Qt::Key_Ampersand,
                                               Qt::Key_Apostrophe, Qt::Key_ParenLeft}
                                 << shift << "000000|000000|000000";
    }
    void units() {
        QFETCH(int, tabs);
        QFETCH(QList<int>, keys);
        QFETCH(int, mods);
        QFETCH(QString, ziffern);
        for (int k = 0; k < tabs; ++k) {
            tippe(Qt::Key_Tab);
        }
        for (int key : keys) {
            tippe(key, Qt::KeyboardModifiers(mods));
        }
        QCOMPARE(alleZiffern(*w_), ziffern);
        QCOMPARE(w_->sitzung().zustand().Zeile, 5);
    }

    void carryRunsThroughTheAddingUnit() {
        for (int k = 0; k < 11; ++k) {
            tippe(Qt::Key_Tab); // A(6)
        }
        for (int k = 0; k < 1000; ++k) {
            tippe(Qt::Key_Right);
        }
        QCOMPARE(ziffern(*w_, Einheit::A), QString("001000"));
        tippe(Qt::Key_Left);
        QCOMPARE(ziffern(*w_, Einheit::A), QString("000999"));
    }

    void symbolKeysDoNotMoveTheRow() {
        for (int key :
             {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft}) {
            tippe(key);
            QCOMPARE(w_->sitzung().zustand().Zeile, 5);
            QCOMPARE(w_->N(1)->text(), QString("0"));
        }
    }

    void autoRepeatedKeysEachAct() {
        for (int k = 0; k < 4; ++k) {
            tippe(Qt::Key_Right, Qt::NoModifier, true);
        }
        QCOMPARE(w_->N(1)->text(), QString("4"));
        QCOMPARE(text(w_->Nep(1)->druckzeilen()[1]), QString("     4"));
    }

    // The machine's key rule runs first and the field then moves its caret as usual.
    void caretStillMoves() {
        tippe(Qt::Key_Right);
        QCOMPARE(w_->N(1)->cursorPosition(), 1);
        tippe(Qt::Key_Left);
        QCOMPARE(w_->N(1)->cursorPosition(), 0);
        tippe(Qt::Key_End);
        QCOMPARE(w_->N(1)->cursorPosition(), 1);
        tippe(Qt::Key_Home);
        QCOMPARE(w_->N(1)->cursorPosition(), 0);
    }

private:
    std::unique_ptr<N1> w_;
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
