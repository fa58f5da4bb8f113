#include "tutor.h"

#include "machine/key_codes.h"

#include <cstdlib>

namespace rechenmaschine {

namespace {

std::string_view soll(const Ziel& ziel, Einheit e) {
    const std::array<std::string_view, 3> ziffern{ziel.N, ziel.A, ziel.S};
    return ziffern.at(nummer(e));
}

int ziffer(const Bild& bild, Feld feld) {
    return bild.ziffer(feld)[0] - '0';
}

// The number a unit shows, "9022" for 009022.
std::string zahl(const Bild& bild, Einheit e) {
    std::string text;
    for (const std::string& z : bild.ziffern.at(nummer(e))) {
        if (!text.empty() || z != "0") {
            text += z;
        }
    }
    return text.empty() ? "0" : text;
}

void druecke(Sitzung& sitzung, const Loesungstaste& t) {
    for (int k = 0; k < t.mal; ++k) {
        sitzung.KeyDown(t.feld.einheit, t.feld.index, t.taste, 0);
    }
}

// A session showing what `bild` shows, brought there by its own keys.
void stelleEin(Sitzung& probe, const Bild& bild) {
    probe.Tick();
    for (Einheit e : AlleEinheiten) {
        for (int i = 1; i <= Stellen; ++i) {
            const int soll = ziffer(bild, {e, i});
            while (ziffer(probe.bild(), {e, i}) != soll) {
                probe.KeyDown(e, i, taste::Rechts, 0); // adding: from 0, no carry below 10
            }
        }
    }
    while (bild.reihe != 0 && probe.bild().reihe != bild.reihe) {
        probe.KeyDown(Einheit::S, 1, taste::Runter, 0);
    }
}

// The shortest keys from what `bild` shows to the goal: each rod and memory digit on its own
// round the ten digits, the row round the nine, and the adding unit's difference place by place.
std::vector<Loesungstaste> weg(const Ziel& ziel, const Bild& bild) {
    std::vector<Loesungstaste> tasten;
    const auto drehe = [&](Feld feld, int ist, int soll, int kreis, std::int16_t vor,
                           std::int16_t zurueck) {
        const int vorwaerts = (soll - ist + kreis) % kreis;
        if (vorwaerts != 0) {
            tasten.push_back(vorwaerts * 2 <= kreis
                                 ? Loesungstaste{feld, vor, vorwaerts}
                                 : Loesungstaste{feld, zurueck, kreis - vorwaerts});
        }
    };
    for (Einheit e : {Einheit::N, Einheit::S}) {
        for (int i = 1; i <= Stellen; ++i) {
            const char z = soll(ziel, e)[static_cast<std::size_t>(i - 1)];
            if (z != '?') {
                drehe({e, i}, ziffer(bild, {e, i}), z - '0', 10, taste::Rechts, taste::Links);
            }
        }
    }
    if (ziel.reihe != 0 && bild.reihe == 0) { // before the start settings: from row 0 down
        tasten.push_back({{Einheit::N, Stellen}, taste::Runter, ziel.reihe});
    } else if (ziel.reihe != 0) {
        drehe({Einheit::N, Stellen}, bild.reihe - 1, ziel.reihe - 1, 9, taste::Runter, taste::Hoch);
    }
    long ist = 0, neu = 0;
    for (int i = 1; i <= Stellen; ++i) {
        const char z = soll(ziel, Einheit::A)[static_cast<std::size_t>(i - 1)];
        ist = ist * 10 + ziffer(bild, {Einheit::A, i});
        neu = neu * 10 + (z == '?' ? ziffer(bild, {Einheit::A, i}) : z - '0');
    }
    const std::int16_t richtung = neu > ist ? taste::Rechts : taste::Links;
    long rest = std::labs(neu - ist);
    for (int i = Stellen; i >= 1; --i, rest /= 10) {
        if (rest % 10 != 0) {
            tasten.push_back({{Einheit::A, i}, richtung, static_cast<int>(rest % 10)});
        }
    }
    return tasten;
}

} // namespace

bool Ziel::erfuellt(const Bild& bild) const {
    for (Einheit e : AlleEinheiten) {
        for (int i = 1; i <= Stellen; ++i) {
            const char z = soll(*this, e)[static_cast<std::size_t>(i - 1)];
            if (z != '?' && bild.ziffer({e, i}) != std::string(1, z)) {
                return false;
            }
        }
    }
    return reihe == 0 || bild.reihe == reihe;
}

std::string ergebnis(const Aufgabe& aufgabe, const Bild& bild) {
    std::string text(aufgabe.ergebnis);
    for (const auto& [platz, einheit] : {std::pair{"{A}", Einheit::A}, {"{S}", Einheit::S}}) {
        if (const auto k = text.find(platz); k != std::string::npos) {
            text.replace(k, 3, zahl(bild, einheit));
        }
    }
    return text;
}

Uebung::Uebung(std::size_t aufgabe, std::size_t schritt) {
    waehle(aufgabe, schritt);
}

void Uebung::waehle(std::size_t aufgabe, std::size_t schritt) {
    aufgabe_ = aufgabe < aufgaben().size() ? aufgabe : 0;
    schritt_ = schritt < offen().schritte.size() ? schritt : 0;
}

Uebungsstand Uebung::nachTick(const Bild& bild) const {
    Uebungsstand stand;
    stand.zielErfuellt = !fertig() && offen().schritte[schritt_].ziel.erfuellt(bild);
    return stand;
}

Uebungsstand Uebung::nachTaste(const Bild& bild) {
    Uebungsstand stand = nachTick(bild);
    if (stand.zielErfuellt) {
        const Schritt& geschafft = offen().schritte[schritt_++];
        stand.geschafft = true;
        stand.bestaetigung = geschafft.geschafft;
        stand.meldung = std::string(geschafft.geschafft) + " " + anweisung(bild);
    }
    return stand;
}

std::string Uebung::vorstellung(const Bild& bild) const {
    return "Aufgabe " + std::to_string(aufgabe_ + 1) + " von " + std::to_string(aufgaben().size()) +
           ": " + std::string(offen().titel) + ". " + std::string(offen().einleitung) + " " +
           anweisung(bild);
}

std::string Uebung::fortschritt() const {
    if (fertig()) {
        return {};
    }
    return "Schritt " + std::to_string(schritt_ + 1) + " von " +
           std::to_string(offen().schritte.size());
}

std::string Uebung::anweisung(const Bild& bild) const {
    if (fertig()) {
        return "Fertig: " + ergebnis(offen(), bild);
    }
    return fortschritt() + ": " + std::string(offen().schritte[schritt_].anweisung);
}

std::string alleTexte() {
    std::string texte = "Aufgabe von Schritt Fertig: .";
    for (const Aufgabe& a : aufgaben()) {
        texte.append(a.titel).append(a.einleitung).append(a.ergebnis);
        for (const Schritt& s : a.schritte) {
            texte.append(s.anweisung).append(s.hinweis).append(s.geschafft);
        }
    }
    return texte;
}

std::vector<Loesungstaste> vorfuehrung(const Uebung& uebung, const Bild& bild) {
    if (uebung.fertig()) {
        return {};
    }
    const Schritt& schritt = uebung.offen().schritte[uebung.schritt()];
    Sitzung probe;
    stelleEin(probe, bild);
    for (const Loesungstaste& t : schritt.loesung) {
        druecke(probe, t);
    }
    if (schritt.ziel.erfuellt(probe.bild())) {
        return {schritt.loesung.begin(), schritt.loesung.end()};
    }
    std::vector<Loesungstaste> tasten = weg(schritt.ziel, bild);
    if (tasten.empty()) {
        // The goal holds already (the row a step asks for is red), and only a key of the step
        // finishes it: the row moved away and back.
        tasten = {{{Einheit::N, Stellen}, taste::Runter}, {{Einheit::N, Stellen}, taste::Hoch}};
    }
    return tasten;
}

void spieleBis(Sitzung& sitzung, std::size_t aufgabe, std::size_t schritt) {
    Uebung u(aufgabe);
    for (std::size_t k = 0; k < schritt; ++k) {
        for (const Loesungstaste& t : vorfuehrung(u, sitzung.bild())) {
            druecke(sitzung, t);
        }
        u.nachTaste(sitzung.bild());
    }
}

} // namespace rechenmaschine
