#include "sitzung.h"

namespace rechenmaschine {

namespace {

// A unit's six fields as the machine reads and writes them; where the machine puts the focus
// is noted for the picture.
class Feldreihe : public DigitFieldArray {
public:
    Feldreihe(Einheit einheit, std::array<std::string, 6>& texte, std::optional<Fokus>& fokus)
        : einheit_(einheit), texte_(texte), fokus_(fokus) {}
    std::string text(int index) const override { return texte_.at(stelle(index)); }
    void setText(int index, std::string_view text) override {
        texte_.at(stelle(index)) = std::string(text);
    }
    void setFocus(int index) override { fokus_ = Fokus{einheit_, index}; }

private:
    static std::size_t stelle(int index) { return static_cast<std::size_t>(index - 1); }
    Einheit einheit_;
    std::array<std::string, 6>& texte_;
    std::optional<Fokus>& fokus_;
};

class Tafel : public TextPanel {
public:
    explicit Tafel(std::vector<Druckzeile>& zeilen) : zeilen_(zeilen) {}
    void clear() override { zeilen_.clear(); }
    void setTextColor(Farbe f) override { farbe_ = f; }
    void printLine(std::string_view line) override {
        zeilen_.push_back({farbe_, std::string(line)});
    }

private:
    std::vector<Druckzeile>& zeilen_;
    Farbe farbe_{};
};

class Zeitgeber : public StartTimer {
public:
    void setInterval(int ms) override { intervall = ms; }
    void setEnabled(bool an) override { eingeschaltet = an; }
    // An interval of 0 stops it as well.
    int laeuft() const { return eingeschaltet ? intervall : 0; }

    int intervall = Startintervall;
    bool eingeschaltet = true;
};

// The six rods' recorders, each writing into its panel of the picture.
std::array<Tafel, 6> Staebe(Bild& b) {
    return {Tafel{b.tafeln[0]}, Tafel{b.tafeln[1]}, Tafel{b.tafeln[2]},
            Tafel{b.tafeln[3]}, Tafel{b.tafeln[4]}, Tafel{b.tafeln[5]}};
}

} // namespace

struct Sitzung::Teile {
    explicit Teile(Bild& b)
        : N(Einheit::N, b.felder[0], b.fokus), A(Einheit::A, b.felder[1], b.fokus),
          S(Einheit::S, b.felder[2], b.fokus), Nep(Staebe(b)), Mult(b.tafeln[6]),
          maschine(Bedienelemente{
              N, A, S, {&Nep[0], &Nep[1], &Nep[2], &Nep[3], &Nep[4], &Nep[5]}, Mult, Timer1}) {}

    Feldreihe N, A, S;
    std::array<Tafel, 6> Nep;
    Tafel Mult;
    Zeitgeber Timer1;
    Maschine maschine;
};

Sitzung::Sitzung() : t_(std::make_unique<Teile>(bild_)) {
    for (auto& reihe : bild_.felder) {
        reihe.fill("0");
    }
    fertig({});
}

Sitzung::~Sitzung() = default;

const Maschinenzustand& Sitzung::zustand() const {
    return t_->maschine.zustand();
}

const Bild& Sitzung::fertig(std::string ansage) {
    const Maschinenzustand& z = zustand();
    bild_.zeile = z.Zeile;
    for (int i = 1; i <= 6; ++i) {
        bild_.namen[static_cast<std::size_t>(i - 1)] = Stabname(z, i);
    }
    bild_.namen[6] = Spaltenname(z);
    bild_.ansage = std::move(ansage);
    bild_.timer = t_->Timer1.laeuft();
    return bild_;
}

const Bild& Sitzung::Tick() {
    bild_.fokus.reset();
    if (t_->Timer1.laeuft() > 0) {
        t_->maschine.Starteinstellugen();
        t_->Timer1.setEnabled(false);
    }
    return fertig({});
}

const Bild& Sitzung::KeyDown(Einheit einheit, int index, std::int16_t tastencode,
                             std::int16_t umschaltstatus) {
    bild_.fokus.reset();
    const Ziffernfelder vorher = bild_.felder;
    using Regel = void (Maschine::*)(int, std::int16_t, std::int16_t);
    constexpr std::array<Regel, 3> Regeln{&Maschine::N_KeyDown, &Maschine::A_KeyDown,
                                          &Maschine::S_KeyDown};
    (t_->maschine.*Regeln.at(Nummer(einheit)))(index, tastencode, umschaltstatus);
    return fertig(NachTaste(einheit, index, tastencode, vorher, bild_.felder, zustand()));
}

const Bild& Sitzung::Starteinstellugen() {
    bild_.fokus.reset();
    t_->maschine.Starteinstellugen();
    return fertig({});
}

const Bild& Sitzung::Zeichne_Neper_neu() {
    bild_.fokus.reset();
    t_->maschine.Zeichne_Neper_neu();
    return fertig({});
}

const Bild& Sitzung::Setzealleszurueck(std::string_view einheit) {
    bild_.fokus.reset();
    t_->maschine.Setzealleszurueck(einheit);
    return fertig({});
}

} // namespace rechenmaschine
