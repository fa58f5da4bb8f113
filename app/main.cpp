#include "window/display.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (!rechenmaschine::pruefeAnzeige(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    rechenmaschine::anzeigeOffen();
    rechenmaschine::N1 fenster;
    fenster.show();
    return QApplication::exec();
}
