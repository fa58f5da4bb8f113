// With QT_SCALE_FACTOR the window grows by that factor, keeps its proportions, and draws its
// text at the higher resolution rather than enlarging a small picture.
#include "test_support.h"

#include <QPainter>

#include <cmath>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

double faktor() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
}

// The widget drawn at one device pixel per logical pixel, whatever the scale factor.
QImage beiEins(QWidget* w) {
    QImage bild(w->size(), QImage::Format_ARGB32);
    bild.setDevicePixelRatio(1.0);
    w->render(&bild);
    return bild;
}

// Height in pixel rows of the ink (anything darker than the paper) in an image.
int tintenhoehe(const QImage& bild, int schwelle) {
    int erste = -1, letzte = -1;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (qGray(bild.pixel(x, y)) < schwelle) {
                erste = erste < 0 ? y : erste;
                letzte = y;
                break;
            }
        }
    }
    return erste < 0 ? 0 : letzte - erste + 1;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        w_ = gestartetesFenster();
        QVERIFY(w_);
        qInfo("scale factor %.2f", faktor());
    }
    void cleanupTestCase() { w_.reset(); }

    void windowIsThatManyTimesLarger() {
        const QPixmap bild = w_->grab();
        QCOMPARE(bild.devicePixelRatio(), faktor());
        QCOMPARE(bild.width(), qRound(ui::px(ui::FensterBreite) * faktor()));
        QCOMPARE(bild.height(), qRound(ui::px(ui::FensterHoehe) * faktor()));
    }

    // Places scale with the window: the red row of the column and the heading bars.
    void layoutKeepsItsProportions() {
        const auto [ersteGross, letzteGross] = roterBereich(w_->Mult()->grab().toImage());
        const auto [ersteKlein, letzteKlein] = roterBereich(beiEins(w_->Mult()));
        QVERIFY(ersteKlein > 0 && ersteGross > 0);
        QVERIFY(std::abs(ersteGross / faktor() - ersteKlein) <= 2.0);
        QVERIFY(std::abs(letzteGross / faktor() - letzteKlein) <= 2.0);

        const QImage fenster = w_->grab().toImage();
        // A point of a control, `dx` and `dy` pixels (at scale 1) from its top-left corner.
        const auto punkt = [&](const char* name, int i, int dx, int dy) {
            const QPoint p = ort(ui::Steuerelemente[ui::findeElement(name)], i).topLeft();
            return fenster.pixel(qRound((p.x() + dx) * faktor()), qRound((p.y() + dy) * faktor()));
        };
        QCOMPARE(QColor(punkt("Label4", 1, 4, 10)), alsQColor(ui::Ueberschriftfarbe));
        QCOMPARE(QColor(punkt("Label3", 1, 4, 6)), alsQColor(ui::Ueberschriftfarbe));
        QCOMPARE(QColor(punkt("Mult", 1, 64, 120)), alsQColor(ui::Fensterfarbe));
        QCOMPARE(QColor(punkt("Nep", 3, 20, 280)), alsQColor(ui::Tafelfarbe)); // a rod's foot
    }

    void digitsAreDrawnLarger() {
        const int gross = tintenhoehe(w_->N(1)->grab().toImage(), 100);
        const int klein = tintenhoehe(beiEins(w_->N(1)), 100);
        QVERIFY(klein > 20);
        QVERIFY2(std::abs(gross - klein * faktor()) <= 2 * faktor(),
                 qPrintable(QString("%1 vs %2").arg(gross).arg(klein)));
    }

    // An enlarged bitmap is uniform on every factor x factor block; text drawn at the higher
    // resolution has edges that run through the blocks.
    void textIsDrawnAtTheHigherResolution() {
        const int f = qRound(faktor());
        if (f < 2 || std::abs(faktor() - f) > 1e-9) {
            QSKIP("only whole factors of 2 or more split into blocks");
        }
        const QImage bild = w_->Mult()->grab().toImage();
        int bloecke = 0, gemischt = 0;
        for (int y = 0; y + f <= bild.height(); y += f) {
            for (int x = 0; x + f <= bild.width(); x += f) {
                bool einheitlich = true;
                for (int dy = 0; dy < f && einheitlich; ++dy) {
                    for (int dx = 0; dx < f; ++dx) {
                        if (bild.pixel(x + dx, y + dy) != bild.pixel(x, y)) {
                            einheitlich = false;
                            break;
                        }
                    }
                }
                ++bloecke;
                gemischt += einheitlich ? 0 : 1;
            }
        }
        qInfo("%d of %d blocks of the column are not uniform", gemischt, bloecke);
        QVERIFY(gemischt > 100);
    }

private:
    std::unique_ptr<N1> w_;
};

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
