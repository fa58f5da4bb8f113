// The desktop's machine library driven as the web page is driven: reads one key a line, "tab",
// "backtab" or "key CODE SHIFT" (a Windows key code), and prints after each what the window
// shows: the 18 digits, the field with the focus and the selected row. The browser test
// compares the page with this, key for key.
#include "machine/ansage.h"
#include "machine/machine_state.h"

#include <array>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace rechenmaschine;

class Felder : public DigitFieldArray {
public:
    Felder(int erstes, int& fokus) : erstes_(erstes), fokus_(fokus) { texte.fill("0"); }
    std::string text(int i) const override { return texte.at(static_cast<std::size_t>(i - 1)); }
    void setText(int i, std::string_view t) override {
        texte.at(static_cast<std::size_t>(i - 1)) = std::string(t);
    }
    void setFocus(int i) override { fokus_ = erstes_ + i - 1; }
    std::array<std::string, 6> texte;

private:
    int erstes_;
    int& fokus_;
};

struct Tafel : TextPanel {
    void clear() override {}
    void setTextColor(Farbe) override {}
    void printLine(std::string_view) override {}
};

struct Zeitgeber : StartTimer {
    void setInterval(int) override {}
    void setEnabled(bool) override {}
};

} // namespace

int main() {
    int fokus = -1;
    Felder N(0, fokus), A(6, fokus), S(12, fokus);
    std::array<Tafel, 7> tafeln;
    Zeitgeber timer;
    Maschine m(
        Bedienelemente{N,
                       A,
                       S,
                       {&tafeln[0], &tafeln[1], &tafeln[2], &tafeln[3], &tafeln[4], &tafeln[5]},
                       tafeln[6],
                       timer});
    Bedienung bedienung(m, N, A, S);
    m.Starteinstellugen();

    const std::array<Felder*, 3> einheiten{&N, &A, &S};
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        std::istringstream in(zeile);
        std::string was;
        in >> was;
        if (was == "tab") {
            fokus = (fokus + 1) % 18;
        } else if (was == "backtab") {
            fokus = (fokus + 17) % 18;
        } else if (was == "key") {
            int code = 0, shift = 0;
            in >> code >> shift;
            bedienung.KeyDown("NAS"[fokus / 6], fokus % 6 + 1, static_cast<std::int16_t>(code),
                              static_cast<std::int16_t>(shift));
        }
        for (const Felder* f : einheiten) {
            for (const std::string& t : f->texte) {
                std::cout << t;
            }
        }
        std::cout << ' ' << "NAS"[fokus / 6] << fokus % 6 + 1 << ' ' << m.zustand().Zeile
                  << std::endl;
    }
    return 0;
}
