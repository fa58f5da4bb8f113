// Recording stand-ins for the window's controls, and a bench that wires them to a machine.
#pragma once

#include "machine/interfaces.h"
#include "machine/key_codes.h"
#include "machine/machine_state.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace rechenmaschine::test {

// Every call on every fake, in the order the machine made them.
using Protokoll = std::vector<std::string>;

inline std::string farbText(Farbe f) {
    return std::to_string(f.rot) + "," + std::to_string(f.gruen) + "," + std::to_string(f.blau);
}

class FakeFields : public DigitFieldArray {
public:
    FakeFields(std::string name, Protokoll& log) : name_(std::move(name)), log_(log) {
        texts.fill("0");
    }
    std::string text(int index) const override {
        log_.push_back(name_ + ".read(" + std::to_string(index) + ")");
        return texts.at(static_cast<std::size_t>(index - 1));
    }
    void setText(int index, std::string_view text) override {
        log_.push_back(name_ + ".write(" + std::to_string(index) + "," + std::string(text) + ")");
        texts.at(static_cast<std::size_t>(index - 1)) = std::string(text);
    }
    void setFocus(int index) override {
        log_.push_back(name_ + ".focus(" + std::to_string(index) + ")");
        focus = index;
        if (onFocus) {
            onFocus();
        }
    }
    std::string digits() const {
        std::string all;
        for (const auto& t : texts) {
            all += t;
        }
        return all;
    }
    void set(const std::string& sixDigits) {
        for (std::size_t i = 0; i < 6; ++i) {
            texts[i] = sixDigits.substr(i, 1);
        }
    }

    std::array<std::string, 6> texts;
    int focus = 0;
    std::function<void()> onFocus;

private:
    std::string name_;
    Protokoll& log_;
};

struct Druckzeile {
    Farbe farbe;
    std::string text;
};

class FakePanel : public TextPanel {
public:
    FakePanel(std::string name, Protokoll& log) : name_(std::move(name)), log_(log) {}
    void clear() override {
        log_.push_back(name_ + ".clear");
        lines.clear();
    }
    void setTextColor(Farbe farbe) override {
        log_.push_back(name_ + ".color(" + farbText(farbe) + ")");
        farbe_ = farbe;
    }
    void printLine(std::string_view line) override {
        log_.push_back(name_ + ".print(" + std::string(line) + ")");
        lines.push_back({farbe_, std::string(line)});
    }

    std::vector<Druckzeile> lines;

private:
    std::string name_;
    Protokoll& log_;
    Farbe farbe_{};
};

class FakeTimer : public StartTimer {
public:
    explicit FakeTimer(Protokoll& log) : log_(log) {}
    void setInterval(int ms) override {
        log_.push_back("Timer1.interval(" + std::to_string(ms) + ")");
        interval = ms;
    }
    void setEnabled(bool on) override {
        log_.push_back(std::string("Timer1.enabled(") + (on ? "1" : "0") + ")");
        enabled = on;
    }
    int interval = 1;
    bool enabled = true;

private:
    Protokoll& log_;
};

struct Pruefstand {
    Protokoll log;
    FakeFields N{"N", log}, A{"A", log}, S{"S", log};
    std::array<FakePanel, 6> Nep{FakePanel{"Nep1", log}, FakePanel{"Nep2", log},
                                 FakePanel{"Nep3", log}, FakePanel{"Nep4", log},
                                 FakePanel{"Nep5", log}, FakePanel{"Nep6", log}};
    FakePanel Mult{"Mult", log};
    FakeTimer Timer1{log};
    Maschine m{Bedienelemente{
        N, A, S, {&Nep[0], &Nep[1], &Nep[2], &Nep[3], &Nep[4], &Nep[5]}, Mult, Timer1}};

    // Brings the machine into its working state and forgets the calls that took.
    void starte() {
        m.Starteinstellugen();
        log.clear();
    }
    // Sets the rods through their own fields and keys, as a user would.
    void stelleStaebe(const std::string& sixDigits) {
        for (int i = 1; i <= 6; ++i) {
            const int ziel = sixDigits[static_cast<std::size_t>(i - 1)] - '0';
            while (N.texts[static_cast<std::size_t>(i - 1)] != std::to_string(ziel)) {
                m.N_KeyDown(i, taste::Rechts, 0);
            }
        }
        log.clear();
    }
    int count(const std::string& prefix) const {
        int n = 0;
        for (const auto& e : log) {
            n += e.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return n;
    }
    int countContaining(const std::string& part) const {
        int n = 0;
        for (const auto& e : log) {
            n += e.find(part) != std::string::npos ? 1 : 0;
        }
        return n;
    }
    int redraws() const { return count("Mult.clear"); }
    int writes() const { return countContaining(".write("); }
};

// The nine cells of a rod as two-character products, e.g. "07", "14", ...
inline std::vector<std::string> zellen(const FakePanel& rod) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k + 1 < rod.lines.size(); k += 2) {
        out.push_back(std::string(1, rod.lines[k].text.back()) + rod.lines[k + 1].text.back());
    }
    return out;
}

// Numbers (1..9) of the rows drawn in the highlight colour; both lines of a cell must agree.
inline std::vector<int> roteZeilen(const FakePanel& panel, int linesPerRow) {
    std::vector<int> rows;
    for (std::size_t k = 0; k < panel.lines.size(); ++k) {
        if (panel.lines[k].farbe == Hervorhebung &&
            k % static_cast<std::size_t>(linesPerRow) == 0) {
            rows.push_back(static_cast<int>(k) / linesPerRow + 1);
        }
    }
    return rows;
}

} // namespace rechenmaschine::test
