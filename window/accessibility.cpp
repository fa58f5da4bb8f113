#include "accessibility.h"

#include "announcer.h"
#include "digit_field.h"
#include "text_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace rechenmaschine {

namespace {

class TafelZugang : public QAccessibleWidget {
public:
    explicit TafelZugang(Tafel* tafel) : QAccessibleWidget(tafel, QAccessible::StaticText) {}

    // Orca reads a panel's name, never its description: the name says the selected row.
    QString text(QAccessible::Text t) const override {
        const auto* tafel = static_cast<const Tafel*>(widget());
        if (t == QAccessible::Name) {
            return tafel->zugangsname();
        }
        if (t == QAccessible::Description || t == QAccessible::Value) {
            return beschreibung(*tafel);
        }
        return QAccessibleWidget::text(t);
    }
};

class AnsagerZugang : public QAccessibleWidget {
public:
    explicit AnsagerZugang(Ansager* ansage)
        : QAccessibleWidget(ansage, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const Ansager*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// A digit field is a spin button holding 0..9: screen readers speak its value on focus and
// at every change. It offers no text interface, so a client cannot edit it and the caret
// movement of Left and Right is not read out as text navigation.
class FeldZugang : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FeldZugang(Ziffernfeld* feld) : QAccessibleWidget(feld, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return feld().text();
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return feld().text().toInt(); }
    void setCurrentValue(const QVariant& /*value*/) override {} // only the machine sets a digit
    QVariant maximumValue() const override { return 9; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const Ziffernfeld& feld() const { return *static_cast<const Ziffernfeld*>(widget()); }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("rechenmaschine::Tafel")) {
        return new TafelZugang(static_cast<Tafel*>(objekt));
    }
    if (klasse == QLatin1String("rechenmaschine::Ziffernfeld")) {
        return new FeldZugang(static_cast<Ziffernfeld*>(objekt));
    }
    if (klasse == QLatin1String("rechenmaschine::Ansager")) {
        return new AnsagerZugang(static_cast<Ansager*>(objekt));
    }
    return nullptr;
}

QAccessible::UpdateHandler vorheriger = nullptr;

// QLineEdit reports its caret, selection and text changes. A digit field offers no text
// interface, so these say nothing a client could use, and the platform bridge would warn
// about each one; every other event goes on as usual.
void weiterleiten(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        if (qobject_cast<Ziffernfeld*>(event->object()) != nullptr) {
            return;
        }
        break;
    default:
        break;
    }
    if (vorheriger != nullptr) {
        vorheriger(event);
        return;
    }
    // The platform's bridge is reached only when no handler is installed.
    const QAccessible::UpdateHandler selbst = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(selbst);
}

} // namespace

void installiereBarrierefreiheit() {
    static bool installiert = false;
    if (!installiert) {
        QAccessible::installFactory(fabrik);
        vorheriger = QAccessible::installUpdateHandler(weiterleiten);
        installiert = true;
    }
}

QString beschreibung(const Tafel& tafel) {
    const auto& zeilen = tafel.druckzeilen();
    if (zeilen.empty()) {
        return QStringLiteral("leer");
    }
    const std::size_t jeReihe = static_cast<std::size_t>(tafel.zeilenJeReihe());
    const int zeile = tafel.ausgewaehlteReihe();
    QStringList reihen;
    QString ausgewaehlt;
    for (std::size_t k = 0; k + jeReihe <= zeilen.size(); k += jeReihe) {
        QString reihe;
        for (std::size_t z = k; z < k + jeReihe; ++z) {
            reihe += QString::fromStdString(zeilen[z].text).trimmed();
        }
        reihen << reihe;
        if (reihen.size() == zeile) {
            ausgewaehlt = QStringLiteral(" Ausgew\u00e4hlte Reihe %1").arg(reihen.size());
            if (jeReihe > 1) {
                ausgewaehlt += QStringLiteral(": ") + reihe;
            }
            ausgewaehlt += QLatin1Char('.');
        }
    }
    const QString art =
        jeReihe > 1 ? QStringLiteral("Zellen ") : QStringLiteral("Multiplikatoren ");
    return art + reihen.join(QLatin1Char(' ')) + QLatin1Char('.') + ausgewaehlt;
}

} // namespace rechenmaschine
