#pragma once

#include <QStringView>

#include <cstdint>

class QKeyEvent;

namespace rechenmaschine {

// The Windows virtual-key code of a Qt key, or 0 for keys that have none here. Only the four
// arrows give 37..40 and only the letter C gives 67, whatever character the key produces.
std::int16_t windowsTastencode(int qtKey);

// The same for a key event. A layout without Latin letters (Cyrillic, Greek) puts another
// letter on the C key; that key is still C, as the toolkit's own shortcuts take it.
std::int16_t windowsTastencode(const QKeyEvent& event);

// Whether a platform's key numbers name the key in the C position of a Latin keyboard.
bool tasteC(QStringView plattform, quint32 scancode, quint32 virtuell);

// Shift 1, Ctrl 2, Alt 4, as the key rules receive it (and never read it).
std::int16_t umschaltstatus(const QKeyEvent& event);

} // namespace rechenmaschine
