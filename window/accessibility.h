#pragma once

#include <QString>

namespace rechenmaschine {

class Tafel;

// What a screen reader gets of the window's own controls: a digit field is a spin button with
// no text to edit, a panel is named by the machine (its row and cell) and described by what
// is printed on it, the announcer is a notification. Also keeps the fields' caret and text
// events, which describe no text a client could read, from the platform's bridge.
void installiereBarrierefreiheit();

// The description a screen reader gets for a panel, e.g.
// "Zellen 07 14 21 28 35 42 49 56 63. Ausgewählte Reihe 6: 42."
QString beschreibung(const Tafel& tafel);

} // namespace rechenmaschine
