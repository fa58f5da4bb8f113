#include "accessibility.h"

#include "machine/interfaces.h"
#include "text_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace rechenmaschine {

namespace {

class TafelZugang : public QAccessibleWidget {
public:
    explicit TafelZugang(TextPanelWidget* tafel)
        : QAccessibleWidget(tafel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* tafel = static_cast<const TextPanelWidget*>(widget());
        if (t == QAccessible::Description || t == QAccessible::Value) {
            return beschreibung(*tafel);
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("rechenmaschine::TextPanelWidget")) {
        return new TafelZugang(static_cast<TextPanelWidget*>(objekt));
    }
    return nullptr;
}

} // namespace

void installiereBarrierefreiheit() {
    static bool installiert = false;
    if (!installiert) {
        QAccessible::installFactory(fabrik);
        installiert = true;
    }
}

QString beschreibung(const TextPanelWidget& tafel) {
    const auto& zeilen = tafel.lines();
    if (zeilen.empty()) {
        return QStringLiteral("leer");
    }
    const std::size_t jeReihe = static_cast<std::size_t>(tafel.zeilenJeReihe());
    const QColor rot(Hervorhebung.rot, Hervorhebung.gruen, Hervorhebung.blau);
    QStringList reihen;
    QString ausgewaehlt;
    for (std::size_t k = 0; k + jeReihe <= zeilen.size(); k += jeReihe) {
        QString reihe;
        for (std::size_t z = k; z < k + jeReihe; ++z) {
            reihe += zeilen[z].text.trimmed();
        }
        reihen << reihe;
        if (zeilen[k].farbe == rot) {
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
