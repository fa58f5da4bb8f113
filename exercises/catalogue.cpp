// The six exercises. Each begins with the steps that clear the units it uses, so it can start
// from whatever the machine shows; each step's goal names every digit the exercise has set so
// far, so a model solution always starts from the state the step before leaves.
#include "exercises.h"

#include "machine/key_codes.h"

namespace rechenmaschine {

namespace {

constexpr Loesungstaste rechts(Einheit e, int i, int mal) {
    return {{e, i}, taste::Rechts, mal};
}
constexpr Loesungstaste links(Einheit e, int i, int mal) {
    return {{e, i}, taste::Links, mal};
}
constexpr Loesungstaste runter(int mal) {
    return {{Einheit::N, 6}, taste::Runter, mal};
}
constexpr Loesungstaste hoch(int mal) {
    return {{Einheit::N, 6}, taste::Hoch, mal};
}

constexpr Einheit N = Einheit::N, A = Einheit::A, S = Einheit::S;

constexpr std::array LoescheN{Loesungstaste{{N, 1}, taste::C}};
constexpr std::array LoescheA{Loesungstaste{{A, 1}, taste::C}};
constexpr std::array LoescheS{Loesungstaste{{S, 1}, taste::C}};

constexpr Schritt stabNull(Ziel ziel) {
    return {"Stelle die Stäbe auf null: Gehe mit Tab in ein Feld des Multiplikationswerks (oben) "
            "und drücke C.",
            "Die obere Reihe von Feldern stellt die sechs Stäbe ein. C stellt alle sechs auf 0.",
            "Alle Stäbe zeigen 0.", ziel, LoescheN};
}
constexpr Schritt summeNull(Ziel ziel) {
    return {"Stelle das Additionswerk auf null: Gehe mit Tab in ein Feld des Additionswerks "
            "(Mitte) und drücke C.",
            "Mit Tab springst du von Feld zu Feld. C stellt die ganze Zahl auf 0.",
            "Das Additionswerk zeigt 000000.", ziel, LoescheA};
}
constexpr Schritt speicherNull(Ziel ziel) {
    return {"Stelle den Speicher auf null: Gehe mit Tab in ein Feld des Speichers (unten) und "
            "drücke C.",
            "Der Speicher ist die untere Reihe von Feldern.", "Der Speicher zeigt 000000.", ziel,
            LoescheS};
}

// 1623 + 377
constexpr std::array Setze1623{rechts(A, 3, 1), rechts(A, 4, 6), rechts(A, 5, 2), rechts(A, 6, 3)};
constexpr std::array Drei00{rechts(A, 4, 3)};
constexpr std::array Sieben0{rechts(A, 5, 7)};
constexpr std::array Sieben{rechts(A, 6, 7)};
constexpr std::array Addieren{
    summeNull({.A = "000000"}),
    Schritt{"Stelle 1623 ein: 1 Tausender, 6 Hunderter, 2 Zehner und 3 Einer. Pfeil rechts zählt "
            "die Stelle, in der du stehst, um eins weiter.",
            "Die Einer stehen ganz rechts, die Tausender im dritten Feld von links.",
            "Das Additionswerk zeigt 1623.",
            {.A = "001623"},
            Setze1623},
    Schritt{"Zähle 377 dazu, Stelle für Stelle. Zuerst die 3 Hunderter.",
            "Drücke im vierten Feld dreimal Pfeil rechts.",
            "1623 + 300 = 1923.",
            {.A = "001923"},
            Drei00},
    Schritt{"Jetzt die 7 Zehner.",
            "Drücke im fünften Feld siebenmal Pfeil rechts.",
            "1923 + 70 = 1993.",
            {.A = "001993"},
            Sieben0},
    Schritt{"Zum Schluss die 7 Einer. Sieh genau hin, was beim letzten Druck geschieht.",
            "Drücke im Feld ganz rechts siebenmal Pfeil rechts.",
            "Die Einer liefen über, und der Übertrag lief bis zu den Tausendern.",
            {.A = "002000"},
            Sieben},
};

// 2000 - 1
constexpr std::array Setze2000{rechts(A, 3, 2)};
constexpr std::array Eins{links(A, 6, 1)};
constexpr std::array Subtrahieren{
    summeNull({.A = "000000"}),
    Schritt{"Stelle 2000 ein.",
            "Die Tausender stehen im dritten Feld von links.",
            "Das Additionswerk zeigt 2000.",
            {.A = "002000"},
            Setze2000},
    Schritt{"Ziehe 1 ab: Pfeil links im Feld ganz rechts. Sieh, wie die Stellen borgen.",
            "Pfeil links zieht an der Stelle, in der du stehst, eins ab.",
            "Jede 0 borgte bei ihrer linken Nachbarin.",
            {.A = "001999"},
            Eins},
};

// 7 x 6
constexpr std::array Stab7{rechts(N, 6, 7)};
constexpr std::array Reihe6{runter(1)};
constexpr std::array Setze42{rechts(A, 5, 4), rechts(A, 6, 2)};
constexpr std::array EinStab{
    stabNull({.N = "000000"}),
    summeNull({.N = "000000", .A = "000000"}),
    Schritt{"Stelle Stab 6 (ganz rechts) auf 7: Pfeil rechts im Feld über ihm.",
            "Jeder Druck auf Pfeil rechts stellt den Stab eine Ziffer weiter.",
            "Stab 6 zeigt das 1- bis 9-fache von 7.",
            {.N = "000007", .A = "000000"},
            Stab7},
    Schritt{"Wähle Reihe 6: Pfeil runter und Pfeil hoch verschieben die rote Reihe.",
            "Die Zahlen rechts neben den Stäben zeigen, welche Reihe rot ist.",
            "Reihe 6 ist rot.",
            {.N = "000007", .A = "000000", .reihe = 6},
            Reihe6},
    Schritt{"Lies die rote Zelle von Stab 6: oben links 4 Zehner, unten rechts 2 Einer. Stelle "
            "diese Zahl im Additionswerk ein.",
            "Die Zelle zeigt 4 und 2, also 42: 4 im fünften Feld, 2 im Feld ganz rechts.",
            "Die Zelle zeigt das Ergebnis von 7 · 6.",
            {.N = "000007", .A = "000042"},
            Setze42},
};

// 347 x 6
constexpr std::array Staebe347{rechts(N, 4, 3), rechts(N, 5, 4), rechts(N, 6, 7)};
constexpr std::array Hunderter18{rechts(A, 4, 18)};
constexpr std::array Zehner24{rechts(A, 5, 24)};
constexpr std::array Einer42{rechts(A, 6, 42)};
constexpr Schritt stelle347(Ziel ziel) {
    return {"Stelle die Stäbe auf 000347: Stab 4 auf 3, Stab 5 auf 4, Stab 6 auf 7.",
            "Die Felder über den Stäben stellen sie ein, von links Stab 1 bis Stab 6.",
            "Die Stäbe zeigen 347.", ziel, Staebe347};
}
constexpr Schritt waehle6(Ziel ziel) {
    return {"Wähle Reihe 6, denn du rechnest mal 6.",
            "Pfeil runter und Pfeil hoch verschieben die rote Reihe.", "Reihe 6 ist rot.", ziel,
            Reihe6};
}
constexpr std::array MalSechs{
    stabNull({.N = "000000"}),
    summeNull({.N = "000000", .A = "000000"}),
    stelle347({.N = "000347", .A = "000000"}),
    waehle6({.N = "000347", .A = "000000", .reihe = 6}),
    Schritt{"Stab 4 steht für die Hunderter und zeigt in Reihe 6 die Zelle 18. Zähle 18 "
            "Hunderter ins Additionswerk.",
            "Drücke im vierten Feld des Additionswerks 18-mal Pfeil rechts.",
            "18 Hunderter sind 1800.",
            {.N = "000347", .A = "001800"},
            Hunderter18},
    Schritt{"Stab 5 steht für die Zehner und zeigt 24. Zähle 24 Zehner dazu.",
            "Drücke im fünften Feld 24-mal Pfeil rechts.",
            "1800 + 240 = 2040.",
            {.N = "000347", .A = "002040"},
            Zehner24},
    Schritt{"Stab 6 steht für die Einer und zeigt 42. Zähle 42 Einer dazu.",
            "Drücke im Feld ganz rechts 42-mal Pfeil rechts.",
            "2040 + 42 = 2082.",
            {.N = "000347", .A = "002082"},
            Einer42},
};

// 347 x 26
constexpr std::array Reihe6Addieren{rechts(A, 4, 18), rechts(A, 5, 24), rechts(A, 6, 42)};
constexpr std::array Merke2082{rechts(S, 3, 2), rechts(S, 5, 8), rechts(S, 6, 2)};
constexpr std::array Reihe2{hoch(4)};
constexpr std::array Tausender6{rechts(A, 3, 6)};
constexpr std::array Hunderter8{rechts(A, 4, 8)};
constexpr std::array Zehner14{rechts(A, 5, 14)};
constexpr std::array MalSechsundzwanzig{
    stabNull({.N = "000000"}),
    summeNull({.N = "000000", .A = "000000"}),
    speicherNull({.N = "000000", .A = "000000", .S = "000000"}),
    stelle347({.N = "000347", .A = "000000", .S = "000000"}),
    waehle6({.N = "000347", .A = "000000", .S = "000000", .reihe = 6}),
    Schritt{"Rechne wie in Aufgabe 4 mal 6: Zähle die Zellen der Reihe 6 ins Additionswerk, 18 "
            "bei den Hundertern, 24 bei den Zehnern und 42 bei den Einern.",
            "18-mal Pfeil rechts im vierten Feld, 24-mal im fünften, 42-mal im sechsten.",
            "347 · 6 = 2082.",
            {.N = "000347", .A = "002082", .S = "000000"},
            Reihe6Addieren},
    Schritt{"Merke dir 2082 im Speicher (unten): 2 im dritten Feld, 8 im fünften, 2 im sechsten.",
            "Im Speicher zählt jedes Feld für sich, ohne Übertrag.",
            "Der Speicher hält das Zwischenergebnis 2082 fest.",
            {.N = "000347", .A = "002082", .S = "002082"},
            Merke2082},
    Schritt{"Jetzt mal 2: Wähle Reihe 2.",
            "Pfeil hoch verschiebt die rote Reihe nach oben.",
            "Reihe 2 ist rot.",
            {.N = "000347", .A = "002082", .S = "002082", .reihe = 2},
            Reihe2},
    Schritt{"Die 2 steht bei den Zehnern von 26: Zähle jede Zelle eine Stelle weiter links. Stab 4 "
            "zeigt 06, also 6 Tausender.",
            "Drücke im dritten Feld des Additionswerks sechsmal Pfeil rechts.",
            "2082 + 6000 = 8082.",
            {.N = "000347", .A = "008082", .S = "002082"},
            Tausender6},
    Schritt{"Stab 5 zeigt 08: 8 Hunderter.",
            "Drücke im vierten Feld achtmal Pfeil rechts.",
            "8082 + 800 = 8882.",
            {.N = "000347", .A = "008882", .S = "002082"},
            Hunderter8},
    Schritt{"Stab 6 zeigt 14: 14 Zehner. Achte auf die Überträge.",
            "Drücke im fünften Feld 14-mal Pfeil rechts.",
            "8882 + 140 = 9022.",
            {.N = "000347", .A = "009022", .S = "002082"},
            Zehner14},
};

// 84 : 12
constexpr std::array Setze84{rechts(A, 5, 8), rechts(A, 6, 4)};
constexpr std::array Einmal12{links(A, 5, 1), links(A, 6, 2), rechts(S, 6, 1)};
constexpr std::array Sechsmal12{links(A, 5, 1),  links(A, 6, 2),  rechts(S, 6, 1), links(A, 5, 1),
                                links(A, 6, 2),  rechts(S, 6, 1), links(A, 5, 1),  links(A, 6, 2),
                                rechts(S, 6, 1), links(A, 5, 1),  links(A, 6, 2),  rechts(S, 6, 1),
                                links(A, 5, 1),  links(A, 6, 2),  rechts(S, 6, 1), links(A, 5, 1),
                                links(A, 6, 2),  rechts(S, 6, 1)};
constexpr std::array Teilen{
    summeNull({.A = "000000"}),
    speicherNull({.A = "000000", .S = "000000"}),
    Schritt{"Stelle 84 im Additionswerk ein.",
            "8 im fünften Feld, 4 im Feld ganz rechts.",
            "Das Additionswerk zeigt 84.",
            {.A = "000084", .S = "000000"},
            Setze84},
    Schritt{"Ziehe 12 ab (1 Zehner, 2 Einer) und zähle im Speicher ganz rechts eins dazu.",
            "Pfeil links im fünften Feld einmal, im sechsten zweimal, dann Pfeil rechts im "
            "letzten Feld des Speichers.",
            "84 − 12 = 72, und der Speicher zählt 1.",
            {.A = "000072", .S = "000001"},
            Einmal12},
    Schritt{"Ziehe weiter 12 ab, bis das Additionswerk 0 zeigt, und zähle jedes Mal im Speicher "
            "mit.",
            "Jedes Mal: Pfeil links im fünften Feld einmal, im sechsten zweimal, dann im Speicher "
            "eins dazu.",
            "Das Additionswerk zeigt 0: 12 passt genau so oft in 84, wie der Speicher zählt.",
            {.A = "000000", .S = "000007"},
            Sechsmal12},
};

constexpr std::array<Aufgabe, 6> Alle{{
    {"Addieren mit Überträgen",
     "Das Additionswerk zählt wie ein Kilometerzähler: Ist eine Stelle voll, springt sie auf 0, "
     "und die Stelle links daneben zählt eins weiter. Rechne 1623 + 377.",
     Addieren, "1623 + 377 = {A}"},
    {"Subtrahieren mit Borgen",
     "Pfeil links zieht eins ab. Zeigt eine Stelle schon 0, borgt sie bei der Stelle links "
     "daneben. Rechne 2000 − 1.",
     Subtrahieren, "2000 − 1 = {A}"},
    {"Ein Stab, eine Reihe: 7 · 6",
     "Jeder Stab zeigt das 1- bis 9-fache seiner Ziffer, jede Zelle oben links die Zehner und "
     "unten rechts die Einer. Rechne 7 · 6.",
     EinStab, "7 · 6 = {A}"},
    {"347 · 6",
     "Mit mehreren Stäben rechnest du eine große Zahl mal eine Ziffer: Jeder Stab gibt seine "
     "Zelle, und du zählst die Zellen an ihrer Stelle zusammen.",
     MalSechs, "347 · 6 = {A}"},
    {"347 · 26",
     "Mal eine zweistellige Zahl: erst mal 6, dann mal 20. Das Zwischenergebnis merkst du dir "
     "im Speicher.",
     MalSechsundzwanzig, "347 · 26 = {A}"},
    {"Teilen durch Abziehen: 84 : 12",
     "Teilen heißt: Wie oft passt 12 in 84? Ziehe 12 ab, bis 0 übrig ist, und zähle jedes "
     "Abziehen im Speicher mit.",
     Teilen, "84 : 12 = {S}"},
}};

} // namespace

std::span<const Aufgabe> aufgaben() {
    return Alle;
}

} // namespace rechenmaschine
