// What a screen reader gets from the window, through Qt's accessibility interface.
#include "test_support.h"

#include <QAccessible>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

QString zugang(QObject* o, QAccessible::Text t) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a != nullptr ? a->text(t) : QStringLiteral("<none>");
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsNameTheirUnitAndPlace_data() {
        QTest::addColumn<char>("einheit");
        QTest::addColumn<QString>("name");
        QTest::newRow("N") << 'N' << "Multiplikationswerk, Stelle %1";
        QTest::newRow("A") << 'A' << "Additionswerk, Stelle %1";
        QTest::newRow("S") << 'S' << "Speicher, Stelle %1";
    }
    void fieldsNameTheirUnitAndPlace() {
        QFETCH(char, einheit);
        QFETCH(QString, name);
        N1 w;
        for (int i = 1; i <= 6; ++i) {
            DigitField* f = einheit == 'N' ? w.N(i) : einheit == 'A' ? w.A(i) : w.S(i);
            QCOMPARE(zugang(f, QAccessible::Name), name.arg(i));
            QCOMPARE(zugang(f, QAccessible::Value), QString("0"));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
            QCOMPARE(a->role(), QAccessible::SpinBox);
            QVERIFY(a->textInterface() == nullptr && a->editableTextInterface() == nullptr);
            QAccessibleValueInterface* wert = a->valueInterface();
            QVERIFY(wert != nullptr);
            wert->setCurrentValue(5); // a client may read the digit, never set it
            QCOMPARE(wert->currentValue().toInt(), 0);
            QCOMPARE(f->text(), QString("0"));
        }
    }

    void panelsTellWhatIsPrintedAndTheSelectedRow() {
        N1 vorStart;
        QCOMPARE(zugang(vorStart.Nep(1), QAccessible::Description), QString("leer"));

        auto w = gestartetesFenster();
        QVERIFY(w);
        tippe(Qt::Key_Tab);
        tippe(Qt::Key_Tab);
        for (int k = 0; k < 7; ++k) {
            tippe(Qt::Key_Right);
        }
        tippe(Qt::Key_Down);
        QCOMPARE(zugang(w->Nep(3), QAccessible::Name), QString("Stab 3, Reihe 6: 42"));
        QCOMPARE(zugang(w->Nep(3), QAccessible::Description),
                 QString::fromUtf8("Zellen 07 14 21 28 35 42 49 56 63. Ausgewählte Reihe 6: 42."));
        QCOMPARE(zugang(w->Nep(1), QAccessible::Description),
                 QString::fromUtf8("Zellen 00 00 00 00 00 00 00 00 00. Ausgewählte Reihe 6: 00."));
        QCOMPARE(zugang(w->Mult(), QAccessible::Name), QString("Multiplikatoren, Reihe 6"));
        QCOMPARE(zugang(w->Mult(), QAccessible::Description),
                 QString::fromUtf8("Multiplikatoren 1 2 3 4 5 6 7 8 9. Ausgewählte Reihe 6."));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->Mult())->role(), QAccessible::StaticText);
    }

    void keysAreAnnouncedInGerman() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        tippe(Qt::Key_Tab);
        tippe(Qt::Key_Right);
        tippe(Qt::Key_Right);
        QCOMPARE(w->Ansage().text(), QString()); // the field's own value says it
        tippe(Qt::Key_Down);
        QCOMPARE(w->Ansage().text(), QString("Reihe 6: 00 12 00 00 00 00"));
        tippe(Qt::Key_C);
        QCOMPARE(w->Ansage().text(), QString("Multiplikationswerk auf null"));
    }

    void headingsAndNotesReadAsTheyStand() {
        N1 w;
        QCOMPARE(zugang(w.label("Label4"), QAccessible::Name), QString("Multiplikationswerk"));
        QCOMPARE(zugang(w.label("Label3"), QAccessible::Name),
                 QString::fromUtf8("Merkhilfe bzw. Speicher für Zwischenergebnisse"));
        QVERIFY(zugang(w.label("Label6"), QAccessible::Name).endsWith("Nullstellung mit \"c\""));
        QCOMPARE(zugang(&w, QAccessible::Name),
                 QString("Tesmar Zovadiduze Varbinger Rechenmaschine von 1623"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
