#pragma once

#include <QString>

namespace rechenmaschine {

class TextPanelWidget;

// Makes the rods and the multiplier column readable by screen readers: what is printed on a
// panel, and which row is selected, as its accessible description.
void installiereBarrierefreiheit();

// The description a screen reader gets for a panel, e.g.
// "Zellen 07 14 21 28 35 42 49 56 63. Ausgewählte Reihe 6: 42."
QString beschreibung(const TextPanelWidget& tafel);

} // namespace rechenmaschine
