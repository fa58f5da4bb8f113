#include "digit_field.h"

#include "key_translation.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rechenmaschine {

namespace {

// Keys the field may still handle itself: caret movement, selection and copy.
bool nurLesend(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return e.matches(QKeySequence::Copy) || e.matches(QKeySequence::SelectAll);
    }
}

} // namespace

Ziffernfeld::Ziffernfeld(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent), text_(QStringLiteral("0")) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Whatever got past the filters (an accessibility client, say) is put back at once.
    connect(this, &QLineEdit::textChanged, this, &Ziffernfeld::halteText);
}

void Ziffernfeld::schreibe(const QString& text) {
    text_ = text;
    setText(text);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent geaendert(this, text.toInt());
        QAccessible::updateAccessibility(&geaendert);
    }
}

void Ziffernfeld::halteText() {
    if (text() != text_) {
        setText(text_);
    }
}

void Ziffernfeld::keyPressEvent(QKeyEvent* event) {
    emit keyDown(windowsTastencode(*event), umschaltstatus(*event));
    if (nurLesend(*event)) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void Ziffernfeld::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

// QLineEdit tells an input method it is welcome whatever the widget attribute says.
QVariant Ziffernfeld::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query);
}

// The middle button pastes the selection on X11.
void Ziffernfeld::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void Ziffernfeld::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace rechenmaschine
