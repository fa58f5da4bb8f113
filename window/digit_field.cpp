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

DigitField::DigitField(int index, QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent), index_(index), text_(QStringLiteral("0")) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Whatever got past the filters (an accessibility client, say) is put back at once.
    connect(this, &QLineEdit::textChanged, this, &DigitField::halteText);
}

void DigitField::schreibe(const QString& text) {
    if (text == text_) {
        return; // the adding unit rewrites all six digits at every key; most stay as they are
    }
    text_ = text;
    setText(text);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent geaendert(this, text.toInt());
        QAccessible::updateAccessibility(&geaendert);
    }
}

void DigitField::halteText() {
    if (text() != text_) {
        setText(text_);
    }
}

void DigitField::keyPressEvent(QKeyEvent* event) {
    emit keyDown(index_, windowsTastencode(*event), umschaltstatus(*event));
    if (nurLesend(*event)) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void DigitField::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

// QLineEdit tells an input method it is welcome whatever the widget attribute says.
QVariant DigitField::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query);
}

// The middle button pastes the selection on X11.
void DigitField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void DigitField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace rechenmaschine
