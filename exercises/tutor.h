// A student at work on the exercises: which exercise and step are open, whether a key met the
// step's goal, and what to say then. A front end hands it the session's picture after every key
// and tick, and shows and speaks what it answers.
#pragma once

#include "exercises.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rechenmaschine {

struct Uebungsstand {
    bool zielErfuellt = false;     // the open step's goal holds now
    bool geschafft = false;        // this key finished the step, and the next one (if any) is open
    std::string_view bestaetigung; // the finished step's confirmation
    std::string meldung;           // what to say: the confirmation and the next instruction, or ""
};

class Uebung {
public:
    explicit Uebung(std::size_t aufgabe = 0, std::size_t schritt = 0);

    // Opens an exercise at one of its steps (out of range: its first).
    void waehle(std::size_t aufgabe, std::size_t schritt = 0);

    std::size_t aufgabe() const { return aufgabe_; }
    std::size_t schritt() const { return schritt_; } // the steps' count once all are done
    const Aufgabe& offen() const { return aufgaben()[aufgabe_]; }
    bool fertig() const { return schritt_ >= offen().schritte.size(); }

    // After a key: a step is done when its goal holds after a key pressed while it was open,
    // however the student got there.
    Uebungsstand nachTaste(const Bild& bild);
    // After the start timer's tick: whether the goal holds; no step is done by it.
    Uebungsstand nachTick(const Bild& bild) const;

    // What a student hears when the exercise opens: "Aufgabe 4 von 6: 347 · 6. ..." with its
    // introduction and the open step's instruction.
    std::string vorstellung(const Bild& bild) const;
    // "Schritt 2 von 5", or "" once all are done.
    std::string fortschritt() const;
    // The open step's instruction after its progress, "Schritt 2 von 5: ...", or the result
    // once all are done, "Fertig: 347 · 26 = 9022".
    std::string anweisung(const Bild& bild) const;

private:
    std::size_t aufgabe_ = 0;
    std::size_t schritt_ = 0;
};

// Every text the exercises and the tutor can show, for a font cut to what a page shows.
std::string alleTexte();

// The keys that demonstrate the open step from what the machine shows: its model solution where
// that reaches the goal from here, otherwise the shortest keys to it (the selected row from
// another row, say).
std::vector<Loesungstaste> vorfuehrung(const Uebung& uebung, const Bild& bild);

// Brings a session to the state a step starts from: plays the model solutions of the
// exercise's earlier steps, as a reload that remembers the open step needs.
void spieleBis(Sitzung& sitzung, std::size_t aufgabe, std::size_t schritt);

} // namespace rechenmaschine
