// The whole window, pixel for pixel, against pictures kept in the repository: after start and
// after a fixed sequence of keys, at the scale factor the test runs with. A change of look that
// is meant is recorded with scripts/pictures.sh; any other shows here, with where it is.
#include "test_support.h"

#include <QDir>
#include <QFontDatabase>

using namespace rechenmaschine;
using namespace rechenmaschine::test;

namespace {

// Pictures depend on the toolkit's drawing, so each Qt minor version has its own.
QString ordner() {
    return QStringLiteral(PICTURE_DIR "/qt%1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
}

QString datei(const QString& name) {
    const QString faktor = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    return ordner() + QStringLiteral("/%1@%2.png").arg(name, faktor);
}

QImage bild(N1& w) {
    QCoreApplication::processEvents();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where two pictures differ: the count and the bounding box of the differing pixels.
QString unterschied(const QImage& ist, const QImage& soll) {
    if (ist.size() != soll.size()) {
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(ist.width())
            .arg(ist.height())
            .arg(soll.width())
            .arg(soll.height());
    }
    QRect box;
    int anzahl = 0;
    for (int y = 0; y < ist.height(); ++y) {
        for (int x = 0; x < ist.width(); ++x) {
            if (ist.pixel(x, y) != soll.pixel(x, y)) {
                ++anzahl;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    if (anzahl == 0) {
        return {};
    }
    return QStringLiteral("%1 pixels differ within x %2..%3, y %4..%5 (device pixels)")
        .arg(anzahl)
        .arg(box.left())
        .arg(box.right())
        .arg(box.top())
        .arg(box.bottom());
}

void vergleiche(N1& w, const QString& name) {
    const QImage ist = bild(w);
    const QString pfad = datei(name);
    if (qEnvironmentVariableIsSet("RECHENMASCHINE_WRITE_PICTURES")) {
        QDir().mkpath(ordner());
        QVERIFY(ist.save(pfad));
        qInfo("wrote %s", qPrintable(pfad));
        return;
    }
    const QImage soll(pfad);
    QVERIFY2(!soll.isNull(), qPrintable("no picture " + pfad + ": run scripts/pictures.sh"));
    const QString wo = unterschied(ist, soll.convertToFormat(QImage::Format_RGB32));
    if (!wo.isEmpty()) {
        const QString abweichung = QDir::temp().filePath(QFileInfo(pfad).fileName());
        ist.save(abweichung);
        QFAIL(qPrintable(QStringLiteral("%1 is not %2: %3; the window as drawn is in %4")
                             .arg(name, pfad, wo, abweichung)));
    }
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The same on every machine: a steady caret, and a dialog font named rather than
        // whatever the machine's fontconfig picks for "Sans Serif".
        QApplication::setCursorFlashTime(0);
        QApplication::setFont(QFont(
            QString::fromUtf8(ui::Schriftart.data(), static_cast<qsizetype>(ui::Schriftart.size())),
            9));
    }

    void afterStart() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        vergleiche(*w, QStringLiteral("start"));
    }

    // Rods set to 3 and 7, row 6, a borrow through the adding unit, a digit in the memory.
    void afterKeys() {
        auto w = gestartetesFenster();
        QVERIFY(w);
        const auto mal = [](int n, int taste) { return QList<int>(n, taste); };
        const QList<QList<int>> folge{
            {Qt::Key_Tab},  mal(3, Qt::Key_Right), {Qt::Key_Tab},   mal(3, Qt::Key_Left),
            {Qt::Key_Down}, mal(5, Qt::Key_Tab),   {Qt::Key_Right}, mal(4, Qt::Key_Tab),
            {Qt::Key_Left}, mal(3, Qt::Key_Tab),   {Qt::Key_Right}};
        for (const auto& tasten : folge) {
            for (int t : tasten) {
                tippe(t);
            }
        }
        QCOMPARE(alleZiffern(*w), QString("037000|009999|001000"));
        vergleiche(*w, QStringLiteral("keys"));
    }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
