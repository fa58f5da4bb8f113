// The desktop's machine library driven as the web page is driven: reads one key a line, "tab",
// "backtab" or "key CODE SHIFT" (a Windows key code), and prints after each what the window
// shows: the 18 digits, the field with the focus and the selected row. The browser test
// compares the page with this, key for key.
#include "machine/sitzung.h"

#include <iostream>
#include <sstream>

using namespace rechenmaschine;

int main() {
    Sitzung s;
    int fokus = 0; // 0..17: N(1)..N(6), A(1)..A(6), S(1)..S(6)
    const auto folge = [&fokus](const Bild& b) {
        if (b.fokus) {
            fokus = static_cast<int>(Nummer(b.fokus->einheit)) * 6 + b.fokus->index - 1;
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
            fokus = (fokus + 1) % 18;
        } else if (was == "backtab") {
            fokus = (fokus + 17) % 18;
        } else if (was == "key") {
            folge(s.KeyDown(AlleEinheiten.at(static_cast<std::size_t>(fokus / 6)), fokus % 6 + 1,
                            static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift)));
        }
        for (const auto& reihe : s.bild().felder) {
            for (const std::string& ziffer : reihe) {
                std::cout << ziffer;
            }
        }
        std::cout << ' ' << "NAS"[fokus / 6] << fokus % 6 + 1 << ' ' << s.zustand().Zeile
                  << std::endl;
    }
    return 0;
}
