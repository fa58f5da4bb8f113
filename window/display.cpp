#include "display.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

QtMessageHandler vorigerHandler = nullptr;
// How the program was started, as the user would type it again under a virtual display.
std::string programm = "rechenmaschine";

// The way to start it without a desktop, with a command that exists once its package is there.
std::string ohneDesktop() {
    return "start it from a desktop session, or without one under a virtual display with "
           "'xvfb-run -a " +
           programm + "' (xvfb-run is in the package xvfb)";
}

QString genannteAnzeigen() {
    QString namen;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsSet(variable)) {
            namen += QStringLiteral(" %1=\"%2\"")
                         .arg(QString::fromLatin1(variable), qEnvironmentVariable(variable));
        }
    }
    return namen;
}

// While the toolkit opens its connection: a display that is named but cannot be reached (a
// stale DISPLAY after ssh or su) ends in the toolkit's fatal error, which would abort with a
// core dump and advise reinstalling. The program says what is wrong instead and ends.
void beimStart(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (typ == QtFatalMsg) {
        std::fprintf(stderr,
                     "rechenmaschine could not open its window on the display it was given (%s): "
                     "%s.\n",
                     qPrintable(genannteAnzeigen().trimmed()), ohneDesktop().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // "Could not load the Qt platform plugin ... even though it was found": misleading here.
    if (kontext.category != nullptr && std::strcmp(kontext.category, "qt.qpa.plugin") == 0) {
        return;
    }
    vorigerHandler(typ, kontext, text);
}

} // namespace

bool pruefeAnzeige(int argc, const char* const* argv) {
    if (vorigerHandler == nullptr) {
        vorigerHandler = qInstallMessageHandler(beimStart);
    }
    if (argc > 0 && argv[0] != nullptr && argv[0][0] != '\0') {
        programm = argv[0];
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool vorhanden =
        plattformGenannt(argc, argv) || qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!vorhanden) {
        std::fprintf(stderr, "rechenmaschine needs a graphical display and found none: %s.\n",
                     ohneDesktop().c_str());
    }
    return vorhanden;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

void anzeigeOffen() {
    qInstallMessageHandler(vorigerHandler);
    vorigerHandler = nullptr;
}

} // namespace rechenmaschine
