#include "key_translation.h"

#include "machine/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace rechenmaschine {

std::int16_t windowsTastencode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return taste::Links;
    case Qt::Key_Up:
        return taste::Hoch;
    case Qt::Key_Right:
        return taste::Rechts;
    case Qt::Key_Down:
        return taste::Runter;
    case Qt::Key_Backspace:
        return taste::Ruecktaste;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return taste::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return taste::Eingabe;
    case Qt::Key_Shift:
        return taste::UmschaltTaste;
    case Qt::Key_Control:
        return taste::StrgTaste;
    case Qt::Key_Alt:
        return taste::AltTaste;
    case Qt::Key_Escape:
        return taste::Escape;
    case Qt::Key_Space:
        return taste::Leertaste;
    case Qt::Key_PageUp:
        return taste::BildHoch;
    case Qt::Key_PageDown:
        return taste::BildRunter;
    case Qt::Key_End:
        return taste::Ende;
    case Qt::Key_Home:
        return taste::Pos1;
    case Qt::Key_Insert:
        return taste::Einfg;
    case Qt::Key_Delete:
        return taste::Entf;
    default:
        break;
    }
    // Qt numbers digits and capital letters as ASCII, which is also their virtual-key code;
    // the letter C thus becomes taste::C with or without Shift or Ctrl.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return static_cast<std::int16_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<std::int16_t>(taste::F1 + (qtKey - Qt::Key_F1));
    }
    return 0;
}

bool tasteC(QStringView plattform, quint32 scancode, quint32 virtuell) {
    if (plattform == QLatin1String("xcb") || plattform.startsWith(QLatin1String("wayland"))) {
        return scancode == 54; // the XKB keycode of the C key
    }
    if (plattform == QLatin1String("windows")) {
        return virtuell == 0x43; // VK_C, which follows the position there
    }
    if (plattform == QLatin1String("cocoa")) {
        return virtuell == 8; // kVK_ANSI_C
    }
    return false;
}

namespace {

// A letter outside the Latin script: Qt reports such keys by their character.
bool andereSchrift(int qtKey) {
    return qtKey > 0xff && qtKey < Qt::Key_Escape && QChar::isLetter(char32_t(qtKey));
}

} // namespace

std::int16_t windowsTastencode(const QKeyEvent& event) {
    if (andereSchrift(event.key()) &&
        tasteC(QGuiApplication::platformName(), event.nativeScanCode(), event.nativeVirtualKey())) {
        return taste::C;
    }
    return windowsTastencode(event.key());
}

std::int16_t umschaltstatus(const QKeyEvent& event) {
    const auto mods = event.modifiers();
    std::int16_t status = 0;
    if (mods & Qt::ShiftModifier) {
        status |= taste::Umschalt;
    }
    if (mods & Qt::ControlModifier) {
        status |= taste::Strg;
    }
    if (mods & Qt::AltModifier) {
        status |= taste::Alt;
    }
    return status;
}

} // namespace rechenmaschine
