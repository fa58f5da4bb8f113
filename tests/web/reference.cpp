// The desktop's machine library driven as the web page is driven: reads one key a line, "tab",
// "backtab" or "key CODE SHIFT" (a Windows key code), and prints after each what the window
// shows: the 18 digits, the field with the focus and the selected row. The browser test
// compares the page with this, key for key.
#include "../machine/fakes.h"
#include "machine/ansage.h"

#include <iostream>
#include <sstream>

using namespace rechenmaschine;

int main() {
    test::Pruefstand p;
    int fokus = 0; // 0..17: N(1)..N(6), A(1)..A(6), S(1)..S(6)
    p.N.onFocus = [&] { fokus = p.N.focus - 1; };
    p.starte();
    Bedienung bedienung(p.m, p.N, p.A, p.S);
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
            bedienung.KeyDown(AlleEinheiten.at(static_cast<std::size_t>(fokus / 6)), fokus % 6 + 1,
                              static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift));
        }
        p.log.clear();
        std::cout << p.N.digits() << p.A.digits() << p.S.digits() << ' ' << "NAS"[fokus / 6]
                  << fokus % 6 + 1 << ' ' << p.m.zustand().Zeile << std::endl;
    }
    return 0;
}
