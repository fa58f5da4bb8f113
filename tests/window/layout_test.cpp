// The window against its drawing: caption, size, and every control's place, font and colours.
#include "test_support.h"

#include <QAccessible>
#include <QLabel>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

const int Spalte[6] = {16, 96, 176, 256, 328, 408}; // 240, 1440, ... twips in pixels

QWidget* steuerelement(const N1& w, const QString& name) {
    const QChar art = name.at(0);
    const int i = name.size() == 2 ? name.at(1).digitValue() : 0;
    if (name.startsWith("Nep")) {
        return w.Nep(name.back().digitValue());
    }
    if (name == "Mult") {
        return w.Mult();
    }
    if (name.startsWith("Label")) {
        return w.label(name.toStdString());
    }
    return art == 'N' ? w.N(i) : art == 'A' ? static_cast<QWidget*>(w.A(i)) : w.S(i);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        w_ = gestartetesFenster();
        QVERIFY(w_);
    }
    void cleanup() { w_.reset(); }

    void window() {
        QCOMPARE(w_->windowTitle(), QString("Tesmar Zovadiduze Varbinger Rechenmaschine von 1623"));
        QCOMPARE(w_->size(), QSize(582, 542));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QVERIFY(!w_->windowIcon().isNull());
        QCOMPARE(w_->windowIcon().availableSizes().value(0), QSize(36, 36));
        const QImage bild = w_->grab().toImage();
        QCOMPARE(QColor(bild.pixel(560, 200)), QColor(255, 255, 192));
        QCOMPARE(QColor(bild.pixel(300, 50 + 8)), QColor(255, 255, 192)); // between fields and rods
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("ort");
        QTest::addColumn<int>("schriftPx");
        QTest::addColumn<QString>("text");
        for (int i = 1; i <= 6; ++i) {
            const int x = Spalte[i - 1];
            QTest::addRow("N%d", i) << QString("N%1").arg(i) << QRect(x, 24, 40, 48) << 37 << "0";
            QTest::addRow("A%d", i) << QString("A%1").arg(i) << QRect(x, 400, 41, 49) << 37 << "0";
            QTest::addRow("S%d", i) << QString("S%1").arg(i) << QRect(x, 488, 41, 49) << 37 << "0";
            QTest::addRow("Nep%d", i)
                << QString("Nep%1").arg(i) << QRect(x, 80, 41, 289) << 13 << "";
        }
        QTest::newRow("Mult") << "Mult" << QRect(496, 80, 41, 289) << 28 << "";
        QTest::newRow("Label4") << "Label4" << QRect(16, 0, 433, 25) << 19 << "Multiplikationswerk";
        QTest::newRow("Label2") << "Label2" << QRect(16, 376, 433, 25) << 19 << "Additionswerk";
        QTest::newRow("Label3") << "Label3" << QRect(16, 464, 433, 25) << 19
                                << QString::fromUtf8(
                                       "Merkhilfe bzw. Speicher für Zwischenergebnisse");
        QTest::newRow("Label6")
            << "Label6" << QRect(472, 400, 97, 89) << 11
            << "Bedienung nur mit den 4 Pfeiltasten und der TAB-Taste zum Springen von Feld zu "
               "Feld. Nullstellung mit \"c\"";
        QTest::newRow("Label7") << "Label7" << QRect(456, 512, 129, 33) << 0 << "";
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, ort);
        QFETCH(int, schriftPx);
        QFETCH(QString, text);
        QWidget* c = steuerelement(*w_, name);
        QVERIFY2(c != nullptr, qPrintable(name));
        QCOMPARE(c->geometry(), ort);
        if (schriftPx > 0) {
            QCOMPARE(c->font().pixelSize(), schriftPx);
            QCOMPARE(c->font().family(), QString("Arial"));
            QCOMPARE(c->font().weight(), QFont::Normal);
            QVERIFY(!c->font().italic() && !c->font().underline() && !c->font().strikeOut());
            // Arial itself or the face of the same metrics that stands in for it.
            const QString face = QFontInfo(c->font()).family();
            QVERIFY2(face == "Arial" || face == "Liberation Sans", qPrintable(face));
        }
        if (auto* l = qobject_cast<QLabel*>(c); l && !text.isEmpty()) {
            QCOMPARE(l->text(), text);
        }
        if (auto* f = qobject_cast<DigitField*>(c)) {
            QCOMPARE(f->text(), text);
            QVERIFY(f->alignment() & Qt::AlignHCenter);
            QCOMPARE(f->focusPolicy(), Qt::StrongFocus);
        }
    }

    // Colours as the screen shows them, read from the grabbed window.
    void colours_data() {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("Label4 bar") << QPoint(20, 3) << QColor(255, 192, 192);
        QTest::newRow("Label2 bar") << QPoint(440, 380) << QColor(255, 192, 192);
        QTest::newRow("Label3 bar") << QPoint(20, 468) << QColor(255, 192, 192);
        QTest::newRow("Label6 ground") << QPoint(566, 484) << QColor(255, 255, 192);
        QTest::newRow("Label7 ground") << QPoint(578, 538) << QColor(255, 255, 192);
        QTest::newRow("rod paper") << QPoint(Spalte[2] + 36, 80 + 280) << QColor(255, 255, 255);
        QTest::newRow("Mult paper") << QPoint(496 + 3, 80 + 3) << QColor(255, 255, 255);
    }

    void colours() {
        QFETCH(QPoint, punkt);
        QFETCH(QColor, farbe);
        QCOMPARE(QColor(w_->grab().toImage().pixel(punkt)), farbe);
    }

    void hintsAreOlive() {
        for (const char* name : {"Label6", "Label7"}) {
            const QImage bild = w_->label(name)->grab().toImage();
            int olive = 0;
            for (int y = 0; y < bild.height(); ++y) {
                for (int x = 0; x < bild.width(); ++x) {
                    const QColor c(bild.pixel(x, y));
                    olive += c.blue() < 150 && qAbs(c.red() - c.green()) < 8 ? 1 : 0;
                }
            }
            QVERIFY2(olive > 20, name);
        }
    }

    void fieldsLieAboveTheHeadingBars() {
        // The bar overlaps the top pixel of the field row below; the field's frame shows there.
        const QImage bild = w_->grab().toImage();
        QVERIFY(QColor(bild.pixel(Spalte[0] + 20, 24)) != QColor(255, 192, 192));
    }

    // The fields' frames keep the toolkit's grey; the window's yellow must not tint them olive.
    void fieldFramesAreGrey() {
        for (DigitField* f : {w_->A(1), w_->S(6)}) {
            const QColor rand(f->grab().toImage().pixel(0, f->height() / 2));
            QVERIFY2(qAbs(rand.red() - rand.blue()) <= 8, qPrintable(rand.name()));
            QVERIFY(rand.red() < 220);
        }
    }

    // The credit line is cut off by the window's edge: in any usual dialog font it fits above it.
    void creditLineFitsAtDialogFonts_data() {
        QTest::addColumn<int>("punkte");
        for (int pt = 9; pt <= 12; ++pt) {
            QTest::addRow("%d pt", pt) << pt;
        }
    }
    void creditLineFitsAtDialogFonts() {
        QFETCH(int, punkte);
        const QFont vorher = QApplication::font();
        QApplication::setFont(QFont(vorher.family(), punkte));
        {
            N1 w;
            const QLabel* l = w.label("Label7");
            const QRect bedarf = QFontMetrics(l->font()).boundingRect(QRect(0, 0, l->width(), 1000),
                                                                      Qt::TextWordWrap, l->text());
            QVERIFY2(l->y() + bedarf.height() <= w.height(), qPrintable(l->font().toString()));
            QVERIFY(bedarf.width() <= l->width());
            if (punkte == 9) {
                QCOMPARE(QFontInfo(l->font()).pixelSize(), 12); // small enough as it is
            }
        }
        QApplication::setFont(vorher);
    }

private:
    std::unique_ptr<N1> w_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
