// Real key and mouse events through the window: every way a field's text might be changed by
// anything but the machine, and clicks that must change nothing.
#include "test_support.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QMimeData>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

class EditsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        w_ = gestartetesFenster();
        QVERIFY(w_);
    }
    void cleanup() { w_.reset(); }

    void copyWorks() {
        QApplication::clipboard()->setText("?");
        if (QApplication::clipboard()->text() != "?") {
            QSKIP("no clipboard here (a Wayland compositor without a seat)");
        }
        tippe(Qt::Key_Right);
        tippe(Qt::Key_Right);
        tippe(Qt::Key_Home, Qt::NoModifier);
        tippe(Qt::Key_End, Qt::ShiftModifier);
        tippe(Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("2"));
    }

    void keyboardEditsChangeNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+Z")
            << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("Ctrl+K") << int(Qt::Key_K) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier);
    }
    void keyboardEditsChangeNothing() {
        QFETCH(int, key);
        QFETCH(int, mods);
        QApplication::clipboard()->setText("7");
        tippe(Qt::Key_Right);
        tippe(Qt::Key_Right); // "2"; the edits below would leave "" or "27" or undo to "1"
        tippe(Qt::Key_Home, Qt::ShiftModifier);
        tippe(key, Qt::KeyboardModifiers(mods));
        tippe(Qt::Key_End);
        tippe(key, Qt::KeyboardModifiers(mods));
        tippeText("5x");
        QCOMPARE(w_->N(1)->text(), QString("2"));
        QCOMPARE(alleZiffern(*w_), QString("200000|000000|000000"));
    }

    void otherEditPathsChangeNothing() {
        Ziffernfeld* f = w_->A(2);
        // Drag and drop, delivered directly as if a drop had been allowed.
        QMimeData daten;
        daten.setText("9");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &drop);
        QCOMPARE(f->text(), QString("0"));
        // An input method is told the field takes none, and what it commits anyway is dropped.
        QInputMethodQueryEvent frage(Qt::ImEnabled);
        QApplication::sendEvent(f, &frage);
        QCOMPARE(frage.value(Qt::ImEnabled).toBool(), false);
        QInputMethodEvent ime;
        ime.setCommitString("8");
        QApplication::sendEvent(f, &ime);
        QCOMPARE(f->text(), QString("0"));
        // Middle-click paste of the selection.
        QApplication::clipboard()->setText("6", QClipboard::Selection);
        QApplication::clipboard()->setText("6");
        QTest::mouseClick(f, Qt::MiddleButton);
        QCOMPARE(f->text(), QString("0"));
        // A right click opens no menu (a menu would offer Paste).
        QTest::mouseClick(f, Qt::RightButton);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        // An accessibility client setting or inserting text.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
        QVERIFY(a != nullptr);
        a->setText(QAccessible::Value, "5");
        QCOMPARE(f->text(), QString("0"));
        QVERIFY(a->editableTextInterface() == nullptr);
        // Whatever still reaches the line edit's own setText is put back.
        static_cast<QLineEdit*>(f)->setText("4");
        QCOMPARE(f->text(), QString("0"));
        QCOMPARE(alleZiffern(*w_), QString("000000|000000|000000"));
        // The machine still writes it.
        QTest::mouseClick(f, Qt::LeftButton);
        QCOMPARE(fokus(), f);
        tippe(Qt::Key_Right);
        QCOMPARE(ziffern(*w_, Einheit::A), QString("010000"));
    }

    void clicksOnPanelsAndLabelsChangeNothing() {
        tippe(Qt::Key_Tab); // focus in N(2)
        const QString vorher = alleZiffern(*w_);
        QList<QWidget*> ziele{w_->Mult(), w_->label("Label4"), w_->label("Label6"),
                              w_->label("Label7")};
        for (int i = 1; i <= 6; ++i) {
            ziele << w_->Nep(i);
        }
        for (QWidget* z : ziele) {
            for (auto taste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                QTest::mouseClick(w_.get(), taste, Qt::NoModifier, z->geometry().center());
                QTest::mouseDClick(w_.get(), taste, Qt::NoModifier, z->geometry().center());
            }
            QCOMPARE(fokus(), w_->N(2));
        }
        QCOMPARE(alleZiffern(*w_), vorher);
        QCOMPARE(w_->sitzung().zustand().Zeile, 5);
        QCOMPARE(w_->Nep(1)->druckzeilen().size(), std::size_t{18});
    }

    void clickOnAFieldOnlyMovesTheFocus() {
        QTest::mouseClick(w_->S(4), Qt::LeftButton);
        QCOMPARE(fokus(), w_->S(4));
        QCOMPARE(alleZiffern(*w_), QString("000000|000000|000000"));
        QCOMPARE(w_->sitzung().zustand().Zeile, 5);
    }

private:
    std::unique_ptr<N1> w_;
};

QTEST_MAIN(EditsTest)
#include "edits_test.moc"
