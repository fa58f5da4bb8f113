#include "main_window.h"

#include "accessibility.h"
#include "layout/window_layout.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The icon is compiled in: reading it needs no image plugin, which keeps start-up short.
#include "packaging/icons/rechenmaschine.xpm"

namespace rechenmaschine {

namespace {

// Orca 43, the screen reader beside Qt 6.4 (Debian 12), keeps one last value for all spin
// buttons and keeps quiet when the next one takes it, even in another field: there such a digit
// is announced. Orca 48, beside Qt 6.8 (Debian 13), keeps a value per field and says the digit
// itself; announced as well, it would be heard twice.
constexpr bool ZiffernWiederholen = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

QRect pixel(int links, const ui::Steuerelement& e) {
    return {ui::px(links), ui::px(e.oben), ui::px(e.breite), ui::px(e.hoehe)};
}

QFont schrift(int pixelgroesse) {
    QFont f(
        QString::fromUtf8(ui::Schriftart.data(), static_cast<qsizetype>(ui::Schriftart.size())));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelgroesse);
    return f;
}

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void faerbe(QWidget* w, Farbe hintergrund, const Farbe* text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, alsQColor(hintergrund));
    if (text != nullptr) {
        p.setColor(QPalette::WindowText, alsQColor(*text));
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A label in the desktop's dialog font, made smaller only as far as its wrapped text needs to
// fit the height that shows of it: the credit line reaches past the window's edge.
void passeEin(QLabel* label, int sichtbar) {
    QFont f = label->font();
    for (int px = QFontInfo(f).pixelSize(); px > 6; --px) {
        f.setPixelSize(px);
        const QRect bedarf = QFontMetrics(f).boundingRect(
            QRect(0, 0, label->width(), 10 * sichtbar), Qt::TextWordWrap, label->text());
        if (bedarf.height() <= sichtbar && bedarf.width() <= label->width()) {
            break;
        }
    }
    if (f.pixelSize() != QFontInfo(label->font()).pixelSize()) {
        label->setFont(f);
    }
}

QLabel* erzeugeLabel(const ui::Steuerelement& e, QWidget* parent) {
    auto* label = new QLabel(qtext(e.text), parent);
    label->setObjectName(qtext(e.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(pixel(e.links, e));
    label->setMargin(0);
    if (e.schriftPx > 0) {
        label->setFont(schrift(e.schriftPx));
    } else {
        passeEin(label, ui::px(ui::FensterHoehe) - label->y());
    }
    if (e.art == ui::Art::Ueberschrift) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        faerbe(label, ui::Ueberschriftfarbe, nullptr);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        faerbe(label, ui::Fensterfarbe, &ui::Hinweisfarbe);
    }
    return label;
}

Ziffernfeld* erzeugeFeld(Feld feld, QWidget* parent) {
    const ui::Steuerelement& e = ui::feldreihe(feld.einheit);
    auto* f = new Ziffernfeld(parent);
    f->setObjectName(qtext(e.name) + QString::number(feld.index));
    f->setGeometry(pixel(ui::Spalten[static_cast<std::size_t>(feld.index - 1)], e));
    f->setFont(schrift(e.schriftPx));
    // The style draws a field's frame from the window colour: take the toolkit's own rather
    // than the yellow the window passes down.
    QPalette p = f->palette();
    p.setColor(QPalette::Window, QApplication::palette(f).color(QPalette::Window));
    f->setPalette(p);
    f->setAccessibleName(qtext(feldname(feld)));
    return f;
}

Tafel* erzeugeTafel(const QString& name, int zeilenJeReihe, QRect ort, int schriftPx,
                    QWidget* parent) {
    auto* tafel = new Tafel(zeilenJeReihe, parent);
    tafel->setObjectName(name);
    tafel->setGeometry(ort);
    tafel->setFont(schrift(schriftPx));
    return tafel;
}

} // namespace

N1::N1() : sitzung_(ZiffernWiederholen) {
    setObjectName(QStringLiteral("N1"));
    setWindowTitle(qtext(ui::Fenstertitel));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(rechenmaschine_xpm))));
    setFixedSize(ui::px(ui::FensterBreite), ui::px(ui::FensterHoehe));
    faerbe(this, ui::Fensterfarbe, nullptr);

    std::size_t l = 0;
    for (const auto& e : ui::Steuerelemente) {
        if (e.art == ui::Art::Ueberschrift || e.art == ui::Art::Hinweis) {
            labels_.at(l) = erzeugeLabel(e, this);
            labels_.at(l++)->lower(); // the fields overlap the heading bars and lie above them
        }
    }

    // Before the first field exists: with a screen reader running, Qt makes and keeps an
    // accessible object for each widget as it is created.
    installiereBarrierefreiheit();
    // Made in tab order, which is then N(1)..N(6), A(1)..A(6), S(1)..S(6), and round again.
    for (std::size_t k = 0; k < Feldanzahl; ++k) {
        felder_[k] = erzeugeFeld(Feld::an(k), this);
        if (k > 0) {
            setTabOrder(felder_[k - 1], felder_[k]);
        }
        connect(felder_[k], &Ziffernfeld::keyDown, this,
                [this, k](std::int16_t code, std::int16_t shift) {
                    KeyDown(Feld::an(k), code, shift);
                });
    }

    const auto& nep = ui::element("Nep");
    for (int i = 1; i <= 6; ++i) {
        tafeln_.at(static_cast<std::size_t>(i - 1)) = erzeugeTafel(
            QStringLiteral("Nep%1").arg(i), 2,
            pixel(ui::Spalten[static_cast<std::size_t>(i - 1)], nep), nep.schriftPx, this);
    }
    const auto& mult = ui::element("Mult");
    tafeln_.back() =
        erzeugeTafel(QStringLiteral("Mult"), 1, pixel(mult.links, mult), mult.schriftPx, this);

    ansager_ = new Ansager(this);
    const Bild& bild = sitzung_.bild();
    for (std::size_t p = 0; p < Tafelanzahl; ++p) {
        tafeln_[p]->zeige(bild.tafeln[p], bild.namen[p], bild.reihe);
    }
    Timer1_.setTimerType(Qt::PreciseTimer);
    connect(&Timer1_, &QTimer::timeout, this, [this] { zeige(sitzung_.Tick()); });
    zeige(Ereignisse{});
}

N1::~N1() = default;

void N1::Zeichne_Neper_neu() {
    zeige(sitzung_.Zeichne_Neper_neu());
}
void N1::Starteinstellugen() {
    zeige(sitzung_.Starteinstellugen());
}
void N1::Setzealleszurueck(std::string_view einheit) {
    zeige(sitzung_.Setzealleszurueck(einheit));
}

void N1::KeyDown(Feld feld, std::int16_t tastencode, std::int16_t umschaltstatus) {
    zeige(sitzung_.KeyDown(feld.einheit, feld.index, tastencode, umschaltstatus));
}

void N1::zeige(const Ereignisse& e) {
    const Bild& bild = sitzung_.bild();
    for (std::size_t k = 0; k < Feldanzahl; ++k) {
        if (e.ziffern.test(k)) {
            felder_[k]->schreibe(qtext(bild.ziffer(Feld::an(k))));
        }
    }
    for (std::size_t p = 0; p < Tafelanzahl; ++p) {
        if (e.tafeln.test(p) || e.reihe) {
            tafeln_[p]->zeige(bild.tafeln[p], bild.namen[p], bild.reihe);
        }
    }
    // Timer1 is the picture's: it runs at its interval while the picture says so.
    if (bild.timer > 0) {
        if (!Timer1_.isActive() || Timer1_.interval() != bild.timer) {
            Timer1_.start(bild.timer);
        }
    } else if (Timer1_.isActive() || Timer1_.interval() != 0) {
        Timer1_.stop();
        Timer1_.setInterval(0);
    }
    if (e.fokus) {
        feld(*e.fokus)->setFocus(Qt::OtherFocusReason);
    }
    if (!e.ansage.empty()) {
        ansager_->sage(qtext(e.ansage));
    }
}

QLabel* N1::label(std::string_view name) const {
    for (QLabel* l : labels_) {
        if (l->objectName() == qtext(name)) {
            return l;
        }
    }
    return nullptr;
}

} // namespace rechenmaschine
