#include "main_window.h"

#include "accessibility.h"
#include "layout/uiconfig.h"

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
constexpr bool ZifferWiederholen = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

QColor farbe(ui::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

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

void faerbe(QWidget* w, ui::Rgb hintergrund, const ui::Rgb* text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe(hintergrund));
    if (text != nullptr) {
        p.setColor(QPalette::WindowText, farbe(*text));
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

// A unit's row of fields as the layout table places it.
const ui::Steuerelement& ziffernfelder(Einheit einheit) {
    switch (einheit) {
    case Einheit::N:
        return ui::element("N");
    case Einheit::A:
        return ui::element("A");
    case Einheit::S:
        return ui::element("S");
    }
    return ui::element("N"); // not reached: every unit has its case
}

std::array<DigitField*, 6> erzeugeFelder(Einheit einheit, QWidget* parent) {
    const ui::Steuerelement& e = ziffernfelder(einheit);
    // Before the first field exists: with a screen reader running, Qt makes and keeps an
    // accessible object for each widget as it is created.
    installiereBarrierefreiheit();
    std::array<DigitField*, 6> felder{};
    for (int i = 1; i <= 6; ++i) {
        auto* f = new DigitField(i, parent);
        f->setObjectName(qtext(e.name) + QString::number(i));
        f->setGeometry(pixel(ui::Spalten[static_cast<std::size_t>(i - 1)], e));
        f->setFont(schrift(e.schriftPx));
        // The style draws a field's frame from the window colour: take the toolkit's own
        // rather than the yellow the window passes down.
        QPalette p = f->palette();
        p.setColor(QPalette::Window, QApplication::palette(f).color(QPalette::Window));
        f->setPalette(p);
        f->setAccessibleName(qtext(Feldname(einheit, i)));
        felder[static_cast<std::size_t>(i - 1)] = f;
    }
    return felder;
}

TextPanelWidget* erzeugeTafel(const QString& name, const QString& zugangsname, int zeilenJeReihe,
                              QRect ort, int schriftPx, QWidget* parent) {
    auto* tafel = new TextPanelWidget(zeilenJeReihe, parent);
    tafel->setObjectName(name);
    tafel->setAccessibleName(zugangsname);
    tafel->setGeometry(ort);
    tafel->setFont(schrift(schriftPx));
    return tafel;
}

} // namespace

N1::N1()
    : N_(erzeugeFelder(Einheit::N, this)), A_(erzeugeFelder(Einheit::A, this)),
      S_(erzeugeFelder(Einheit::S, this)) {
    setObjectName(QStringLiteral("N1"));
    setWindowTitle(qtext(ui::Fenstertitel));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(rechenmaschine_xpm))));
    setFixedSize(ui::px(ui::FensterBreite), ui::px(ui::FensterHoehe));
    faerbe(this, ui::Fensterfarbe, nullptr);

    std::size_t l = 0;
    for (const auto& e : ui::Steuerelemente) {
        if (e.art == ui::Art::Ueberschrift || e.art == ui::Art::Hinweis) {
            labels_[l] = erzeugeLabel(e, this);
            labels_[l++]->lower(); // the fields overlap the heading bars and lie above them
        }
    }

    const auto& nep = ui::element("Nep");
    for (int i = 1; i <= 6; ++i) {
        Nep_[static_cast<std::size_t>(i - 1)] = erzeugeTafel(
            QStringLiteral("Nep%1").arg(i), qtext(nep.zugang) + QStringLiteral(" %1").arg(i), 2,
            pixel(ui::Spalten[static_cast<std::size_t>(i - 1)], nep), nep.schriftPx, this);
    }
    const auto& mult = ui::element("Mult");
    Mult_ = erzeugeTafel(QStringLiteral("Mult"), qtext(mult.zugang), 1, pixel(mult.links, mult),
                         mult.schriftPx, this);

    // Tab order: N(1)..N(6), A(1)..A(6), S(1)..S(6), and round again.
    QWidget* vorher = nullptr;
    for (const FieldArrayAdapter* reihe : {&N_, &A_, &S_}) {
        for (int i = 1; i <= 6; ++i) {
            if (vorher != nullptr) {
                setTabOrder(vorher, reihe->feld(i));
            }
            vorher = reihe->feld(i);
        }
    }

    Timer1_ = new StartTimerAdapter(ui::Startintervall, this);
    maschine_ = std::make_unique<Maschine>(Bedienelemente{
        N_, A_, S_, {Nep_[0], Nep_[1], Nep_[2], Nep_[3], Nep_[4], Nep_[5]}, *Mult_, *Timer1_});
    bedienung_ = std::make_unique<Bedienung>(*maschine_, N_, A_, S_);

    Ansage_ = new AnsageWidget(this);
    for (int i = 1; i <= 6; ++i) {
        Nep(i)->setNamensgeber([this, i] { return qtext(Stabname(maschine_->zustand(), i)); });
    }
    Mult_->setNamensgeber([this] { return qtext(Spaltenname(maschine_->zustand())); });
    for (TextPanelWidget* tafel : {Nep(1), Nep(2), Nep(3), Nep(4), Nep(5), Nep(6), Mult_}) {
        tafel->setReihengeber([this] { return maschine_->zustand().Zeile; });
    }

    for (Einheit einheit : AlleEinheiten) {
        for (int i = 1; i <= 6; ++i) {
            connect(felder(einheit).feld(i), &DigitField::keyDown, this,
                    [this, einheit](int index, std::int16_t code, std::int16_t shift) {
                        KeyDown(einheit, index, code, shift);
                    });
        }
    }
    connect(Timer1_, &StartTimerAdapter::tick, this, &N1::Timer1_Timer);
}

N1::~N1() = default;

void N1::Zeichne_Neper_neu() {
    maschine_->Zeichne_Neper_neu();
}
void N1::Starteinstellugen() {
    maschine_->Starteinstellugen();
}
void N1::Setzealleszurueck(std::string_view einheit) {
    maschine_->Setzealleszurueck(einheit);
}

void N1::Timer1_Timer() {
    Starteinstellugen();
    Timer1_->setEnabled(false);
}

const FieldArrayAdapter& N1::felder(Einheit einheit) const {
    switch (einheit) {
    case Einheit::N:
        return N_;
    case Einheit::A:
        return A_;
    case Einheit::S:
        return S_;
    }
    return N_; // not reached: every unit has its case
}

void N1::KeyDown(Einheit einheit, int index, std::int16_t tastencode, std::int16_t umschaltstatus) {
    const FieldArrayAdapter& felder = this->felder(einheit);
    const QString vorher = index >= 1 && index <= 6 ? felder.feld(index)->text() : QString();
    QString text = qtext(bedienung_->KeyDown(einheit, index, tastencode, umschaltstatus));
    if (index >= 1 && index <= 6) {
        const QString ziffer = felder.feld(index)->text();
        if (ziffer != vorher) {
            if (ZifferWiederholen && text.isEmpty() && ziffer == letzteZiffer_) {
                text = ziffer;
            }
            letzteZiffer_ = ziffer;
        }
    }
    if (!text.isEmpty()) {
        Ansage_->sage(text);
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
