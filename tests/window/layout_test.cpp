// The window against its drawing: caption, size, and every control's place, font and colours.
#include "test_support.h"

#include <QAccessible>
#include <QLabel>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

QWidget* steuerelement(const N1& w, const ui::Steuerelement& e, int i) {
    switch (e.art) {
    case ui::Art::Feldreihe: {
        const Einheit einheit = einheitMitBuchstabe(e.name).value();
        return einheit == Einheit::N ? w.N(i) : einheit == Einheit::A ? w.A(i) : w.S(i);
    }
    case ui::Art::Staebe:
        return w.Nep(i);
    case ui::Art::Spalte:
        return w.Mult();
    default:
        return w.label(e.name);
    }
}

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor farbe(Farbe f) {
    return alsQColor(f);
}

// A point inside a control, `dx` and `dy` pixels from its top-left corner.
QPoint in(const char* name, int dx, int dy) {
    return ort(ui::Steuerelemente[ui::findeElement(name)]).topLeft() + QPoint(dx, dy);
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
        QCOMPARE(w_->windowTitle(), qtext(ui::Fenstertitel));
        QCOMPARE(w_->size(), QSize(ui::px(ui::FensterBreite), ui::px(ui::FensterHoehe)));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QVERIFY(!w_->windowIcon().isNull());
        QCOMPARE(w_->windowIcon().availableSizes().value(0), QSize(36, 36));
        const QImage bild = w_->grab().toImage();
        // Right of the column, and between the fields and the rods.
        QCOMPARE(QColor(bild.pixel(in("Mult", ui::px(ui::element("Mult").breite) + 4, 100))),
                 farbe(ui::Fensterfarbe));
        QCOMPARE(QColor(bild.pixel(in("Nep", 60, -4))), farbe(ui::Fensterfarbe));
    }

    void controls_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("index");
        for (std::size_t k = 0; k < ui::Steuerelemente.size(); ++k) {
            const ui::Steuerelement& e = ui::Steuerelemente[k];
            const bool reihe = e.links == ui::KeineSpalte;
            for (int i = 1; i <= (reihe ? Stellen : 1); ++i) {
                QTest::addRow("%s%s", e.name.data(), reihe ? qPrintable(QString::number(i)) : "")
                    << int(k) << i;
            }
        }
    }

    void controls() {
        QFETCH(int, element);
        QFETCH(int, index);
        const ui::Steuerelement& e = ui::Steuerelemente[static_cast<std::size_t>(element)];
        const QString text = qtext(e.text);
        QWidget* c = steuerelement(*w_, e, index);
        QVERIFY(c != nullptr);
        QCOMPARE(c->geometry(), ort(e, index));
        if (e.schriftPx > 0) {
            QCOMPARE(c->font().pixelSize(), e.schriftPx);
            QCOMPARE(c->font().family(), qtext(ui::Schriftart));
            QCOMPARE(c->font().weight(), QFont::Normal);
            QVERIFY(!c->font().italic() && !c->font().underline() && !c->font().strikeOut());
            // Arial itself or the face of the same metrics that stands in for it.
            const QString face = QFontInfo(c->font()).family();
            QVERIFY2(face == qtext(ui::Schriftart) || face == qtext(ui::Ersatzschrift),
                     qPrintable(face));
        }
        if (auto* l = qobject_cast<QLabel*>(c); l && !text.isEmpty()) {
            QCOMPARE(l->text(), text);
        }
        if (auto* f = qobject_cast<Ziffernfeld*>(c)) {
            QCOMPARE(f->text(), text);
            QVERIFY(f->alignment() & Qt::AlignHCenter);
            QCOMPARE(f->focusPolicy(), Qt::StrongFocus);
        }
    }

    // Colours as the screen shows them, read from the grabbed window.
    void colours_data() {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QColor>("farbe");
        const int breite = ui::px(ui::element("Label4").breite);
        QTest::newRow("Label4 bar") << in("Label4", 4, 3) << farbe(ui::Ueberschriftfarbe);
        QTest::newRow("Label2 bar") << in("Label2", breite - 9, 4) << farbe(ui::Ueberschriftfarbe);
        QTest::newRow("Label3 bar") << in("Label3", 4, 4) << farbe(ui::Ueberschriftfarbe);
        QTest::newRow("Label6 ground") << in("Label6", 94, 84) << farbe(ui::Fensterfarbe);
        QTest::newRow("Label7 ground") << in("Label7", 122, 26) << farbe(ui::Fensterfarbe);
        QTest::newRow("rod paper")
            << ort(ui::element("Nep"), 3).topLeft() + QPoint(36, 280) << farbe(ui::Tafelfarbe);
        QTest::newRow("Mult paper") << in("Mult", 3, 3) << farbe(ui::Tafelfarbe);
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
        QVERIFY(QColor(bild.pixel(in("N", 20, 0))) != farbe(ui::Ueberschriftfarbe));
    }

    // The fields' frames keep the toolkit's grey; the window's yellow must not tint them olive.
    void fieldFramesAreGrey() {
        for (Ziffernfeld* f : {w_->A(1), w_->S(6)}) {
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
