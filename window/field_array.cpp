#include "field_array.h"

namespace rechenmaschine {

std::string FieldArrayAdapter::text(int index) const {
    return feld(index)->text().toStdString();
}

void FieldArrayAdapter::setText(int index, std::string_view text) {
    feld(index)->schreibe(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void FieldArrayAdapter::setFocus(int index) {
    feld(index)->setFocus(Qt::OtherFocusReason);
}

} // namespace rechenmaschine
