// The machine for the web page. The page's 18 fields, 7 panels and start timer are held here
// as the machine's interfaces; the page's script calls the few functions below and, after
// each, draws the picture they return as JSON (the window itself is in the page's markup,
// made at build time from the same layout table). The rules stay in the machine: the page only
// translates keys and draws.
#include "json.h"
#include "layout/uiconfig.h"
#include "machine/ansage.h"
#include "machine/key_codes.h"
#include "machine/machine_state.h"

#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace rechenmaschine::web {

namespace {

class Felder : public DigitFieldArray {
public:
    Felder(Einheit einheit, std::string& fokus) : einheit_(einheit), fokus_(fokus) {
        texte.fill("0");
    }
    std::string text(int index) const override { return texte.at(stelle(index)); }
    void setText(int index, std::string_view text) override {
        texte.at(stelle(index)) = std::string(text);
    }
    void setFocus(int index) override {
        fokus_ = std::string(Buchstabe(einheit_)) + std::to_string(index);
    }

    std::array<std::string, 6> texte;

private:
    static std::size_t stelle(int index) { return static_cast<std::size_t>(index - 1); }
    Einheit einheit_;
    std::string& fokus_;
};

class Tafel : public TextPanel {
public:
    void clear() override { zeilen.clear(); }
    void setTextColor(Farbe f) override { farbe_ = f; }
    void printLine(std::string_view line) override {
        zeilen.push_back({farbe_, std::string(line)});
    }

    std::vector<std::pair<Farbe, std::string>> zeilen;

private:
    Farbe farbe_{};
};

class Zeitgeber : public StartTimer {
public:
    void setInterval(int ms) override { intervall = ms; }
    void setEnabled(bool an) override { eingeschaltet = an; }

    int intervall = ui::Startintervall;
    bool eingeschaltet = true;
};

struct Seite {
    std::string fokus;
    Felder N{Einheit::N, fokus}, A{Einheit::A, fokus}, S{Einheit::S, fokus};
    std::array<Tafel, 6> Nep;
    Tafel Mult;
    Zeitgeber Timer1;
    Maschine maschine{Bedienelemente{
        N, A, S, {&Nep[0], &Nep[1], &Nep[2], &Nep[3], &Nep[4], &Nep[5]}, Mult, Timer1}};
    Bedienung bedienung{maschine, N, A, S};
    std::string ansage;
    std::string antwort;

    // Everything the page shows, and the focus the machine asked for since the last call.
    const char* bild() {
        std::string& o = antwort;
        o = "{\"felder\":[";
        for (const Felder* f : {&N, &A, &S}) {
            for (const std::string& t : f->texte) {
                json(o, t);
                o += ',';
            }
        }
        o.back() = ']';
        o += ",\"fokus\":";
        json(o, fokus);
        fokus.clear();
        o += ",\"timer\":" + std::to_string(Timer1.eingeschaltet ? Timer1.intervall : 0);
        o += ",\"zeile\":" + std::to_string(maschine.zustand().Zeile);
        o += ",\"tafeln\":[";
        for (std::size_t i = 0; i <= Nep.size(); ++i) {
            const Tafel& t = i < Nep.size() ? Nep[i] : Mult;
            o += '[';
            for (const auto& [f, text] : t.zeilen) {
                o += '[';
                json(o, farbe(f.rot, f.gruen, f.blau));
                o += ',';
                json(o, text);
                o += "],";
            }
            if (o.back() == ',') {
                o.pop_back();
            }
            o += "],";
        }
        o.back() = ']';
        o += ",\"namen\":[";
        for (int i = 1; i <= 6; ++i) {
            json(o, Stabname(maschine.zustand(), i));
            o += ',';
        }
        json(o, Spaltenname(maschine.zustand()));
        o += "],\"ansage\":";
        json(o, ansage);
        o += '}';
        return o.c_str();
    }
};

std::unique_ptr<Seite> seite;

Seite& die() {
    if (!seite) {
        seite = std::make_unique<Seite>();
    }
    return *seite;
}

} // namespace

} // namespace rechenmaschine::web

using rechenmaschine::web::die;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* rm_bild() {
    return die().bild();
}

// The start timer's tick: the start settings, then the timer is off. A stopped timer does
// not tick: a late call changes nothing.
EMSCRIPTEN_KEEPALIVE const char* rm_tick() {
    auto& s = die();
    if (s.Timer1.eingeschaltet && s.Timer1.intervall > 0) {
        s.maschine.Starteinstellugen();
        s.Timer1.setEnabled(false);
    }
    s.ansage.clear();
    return s.bild();
}

// KeyDown of field `index` (1..6) of unit `einheit` (0..2: N, A, S), with a Windows key code.
EMSCRIPTEN_KEEPALIVE const char* rm_key(int einheit, int index, int tastencode, int umschalt) {
    auto& s = die();
    if (einheit < 0 || einheit >= static_cast<int>(rechenmaschine::AlleEinheiten.size())) {
        s.ansage.clear();
        return s.bild();
    }
    s.ansage = s.bedienung.KeyDown(rechenmaschine::AlleEinheiten[static_cast<std::size_t>(einheit)],
                                   index, static_cast<std::int16_t>(tastencode),
                                   static_cast<std::int16_t>(umschalt));
    return s.bild();
}

} // extern "C"
