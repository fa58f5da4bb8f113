#include "display.h"

#include <QtGlobal>

#include <cstdio>

namespace rechenmaschine {

bool pruefeAnzeige() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool vorhanden = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
                           qEnvironmentVariableIsSet("DISPLAY") ||
                           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!vorhanden) {
        std::fputs("rechenmaschine needs a graphical display and found none: start it from a "
                   "desktop session, or without one under a virtual display with "
                   "'xvfb-run -a rechenmaschine'.\n",
                   stderr);
    }
    return vorhanden;
#else
    return true;
#endif
}

} // namespace rechenmaschine
