#include "display.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace rechenmaschine {

namespace {

bool plattformGenannt(int argc, const char* const* argv) {
    // As the toolkit reads it: "-platform NAME", with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

bool pruefeAnzeige(int argc, const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool vorhanden =
        plattformGenannt(argc, argv) || qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!vorhanden) {
        std::fputs("rechenmaschine needs a graphical display and found none: start it from a "
                   "desktop session, or without one under a virtual display with "
                   "'xvfb-run -a rechenmaschine'.\n",
                   stderr);
    }
    return vorhanden;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

} // namespace rechenmaschine
