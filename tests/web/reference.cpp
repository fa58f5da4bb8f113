// The desktop's machine library driven as the web page is driven: reads one key a line, "tab",
// "backtab" or "key CODE SHIFT" (a Windows key code), and prints after each what the window
// shows: the 18 digits, the field with the focus and the selected row. The browser test
// compares the page with this, key for key.
#include "machine/session.h"

#include <iostream>
#include <sstream>

using namespace rechenmaschine;

int main() {
    Sitzung s;
    std::size_t fokus = 0; // tab position
    const auto folge = [&fokus](const Ereignisse& e) {
        if (e.fokus) {
            fokus = e.fokus->position();
        }
    };
    folge(s.Tick());
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        std::istringstream in(zeile);
        std::string was;
        int code = 0, shift = 0;
        in >> was >> code >> shift;
        if (was == "tab") {
            fokus = (fokus + 1) % Feldanzahl;
        } else if (was == "backtab") {
            fokus = (fokus + Feldanzahl - 1) % Feldanzahl;
        } else if (was == "key") {
            const Feld feld = Feld::an(fokus);
            folge(s.KeyDown(feld.einheit, feld.index, static_cast<std::int16_t>(code),
                            static_cast<std::int16_t>(shift)));
        }
        for (const auto& reihe : s.bild().ziffern) {
            for (const std::string& ziffer : reihe) {
                std::cout << ziffer;
            }
        }
        const Feld feld = Feld::an(fokus);
        std::cout << ' ' << buchstabe(feld.einheit) << feld.index << ' ' << s.bild().reihe
                  << std::endl;
    }
    return 0;
}
