#include "announcer.h"

#include <QAccessible>

namespace rechenmaschine {

Ansager::Ansager(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ansage"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Ansager::sage(const QString& text) {
    text_ = text;
    emit gesagt(text);
    if (!QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent ansage(parentWidget(), text);
    QAccessible::updateAccessibility(&ansage);
#else
    hide();
    show();
#endif
}

} // namespace rechenmaschine
