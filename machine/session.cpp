#include "session.h"

#include <utility>

namespace rechenmaschine {

namespace {

// A unit's six fields as the machine reads and writes them, kept in the picture. A changed
// digit and a focus request are noted in the events of the step under way.
class AufgezeichneteFelder : public DigitFieldArray {
public:
    AufgezeichneteFelder(Einheit einheit, std::array<std::string, Stellen>& texte)
        : einheit_(einheit), texte_(texte) {}
    std::string text(int index) const override { return texte_.at(stelle(index)); }
    void setText(int index, std::string_view text) override {
        std::string& alt = texte_.at(stelle(index));
        if (alt != text) {
            alt = std::string(text);
            ereignisse->ziffern.set(Feld{einheit_, index}.position());
        }
    }
    void setFocus(int index) override { ereignisse->fokus = Feld{einheit_, index}; }

    Ereignisse* ereignisse = nullptr;

private:
    static std::size_t stelle(int index) { return static_cast<std::size_t>(index - 1); }
    Einheit einheit_;
    std::array<std::string, Stellen>& texte_;
};

// A panel's lines as the machine prints them during a step; the picture takes them after it,
// where they differ from what it shows.
class AufgezeichneteTafel : public TextPanel {
public:
    explicit AufgezeichneteTafel(std::vector<Druckzeile>& gezeigt) : gezeigt_(&gezeigt) {
        neu_ = gezeigt;
    }
    void clear() override {
        neu_.clear();
        gedruckt_ = true;
    }
    void setTextColor(Farbe f) override { farbe_ = f; }
    // Printed on without a clear, a line goes below what the panel shows: what the recorder
    // holds between steps is always that.
    void printLine(std::string_view line) override {
        neu_.push_back({farbe_, std::string(line)});
        gedruckt_ = true;
    }
    // Whether the step left other lines on the panel than the picture showed.
    bool uebernimm() {
        if (!std::exchange(gedruckt_, false) || neu_ == *gezeigt_) {
            return false;
        }
        *gezeigt_ = neu_;
        return true;
    }

private:
    std::vector<Druckzeile>* gezeigt_;
    std::vector<Druckzeile> neu_;
    Farbe farbe_{};
    bool gedruckt_ = false;
};

class AufgezeichneterZeitgeber : public Zeitgeber {
public:
    void setInterval(int ms) override { intervall_ = ms; }
    void setEnabled(bool an) override { eingeschaltet_ = an; }
    // An interval of 0 stops it as well.
    int laeuft() const { return eingeschaltet_ ? intervall_ : 0; }

private:
    int intervall_ = Startintervall;
    bool eingeschaltet_ = true;
};

template <class T, class Erzeuge, std::size_t... k>
std::array<T, sizeof...(k)> reihe(Erzeuge erzeuge, std::index_sequence<k...> /*unused*/) {
    return {erzeuge(k)...};
}

} // namespace

struct Sitzung::Teile {
    explicit Teile(Bild& b)
        : felder(reihe<AufgezeichneteFelder>(
              [&b](std::size_t u) { return AufgezeichneteFelder(AlleEinheiten[u], b.ziffern[u]); },
              std::make_index_sequence<AlleEinheiten.size()>())),
          tafeln(reihe<AufgezeichneteTafel>(
              [&b](std::size_t p) { return AufgezeichneteTafel(b.tafeln[p]); },
              std::make_index_sequence<Tafelanzahl>())),
          maschine(Bedienelemente{
              felder[nummer(Einheit::N)],
              felder[nummer(Einheit::A)],
              felder[nummer(Einheit::S)],
              {&tafeln[0], &tafeln[1], &tafeln[2], &tafeln[3], &tafeln[4], &tafeln[5]},
              tafeln[Tafelanzahl - 1],
              Timer1}) {}

    void zeichneAuf(Ereignisse* e) {
        for (AufgezeichneteFelder& f : felder) {
            f.ereignisse = e;
        }
    }

    std::array<AufgezeichneteFelder, AlleEinheiten.size()> felder;
    std::array<AufgezeichneteTafel, Tafelanzahl> tafeln;
    AufgezeichneterZeitgeber Timer1;
    Maschine maschine;
};

Sitzung::Sitzung(bool ziffernWiederholen)
    : t_(std::make_unique<Teile>(bild_)), ziffernWiederholen_(ziffernWiederholen) {
    for (auto& reihe : bild_.ziffern) {
        reihe.fill("0");
    }
    schritt([] {});
}

Sitzung::~Sitzung() = default;

const Maschinenzustand& Sitzung::zustand() const {
    return t_->maschine.zustand();
}

template <class Regel> Ereignisse Sitzung::schritt(Regel regel) {
    Ereignisse e;
    t_->zeichneAuf(&e);
    regel();
    t_->zeichneAuf(nullptr);
    const Maschinenzustand& z = zustand();
    for (std::size_t p = 0; p < Tafelanzahl; ++p) {
        std::string name =
            p + 1 < Tafelanzahl ? stabname(z, static_cast<int>(p + 1)) : spaltenname(z);
        const bool umbenannt = name != bild_.namen[p];
        e.tafeln.set(p, t_->tafeln[p].uebernimm() | umbenannt);
        if (umbenannt) {
            bild_.namen[p] = std::move(name);
        }
    }
    e.reihe = bild_.reihe != z.Zeile;
    bild_.reihe = z.Zeile;
    bild_.timer = t_->Timer1.laeuft();
    return e;
}

Ereignisse Sitzung::Tick() {
    return schritt([this] {
        if (t_->Timer1.laeuft() > 0) {
            t_->maschine.Starteinstellugen();
            t_->Timer1.setEnabled(false);
        }
    });
}

Ereignisse Sitzung::KeyDown(Einheit einheit, int index, std::int16_t tastencode,
                            std::int16_t umschaltstatus) {
    using Regel = void (Maschine::*)(int, std::int16_t, std::int16_t);
    constexpr std::array<Regel, 3> Regeln{&Maschine::N_KeyDown, &Maschine::A_KeyDown,
                                          &Maschine::S_KeyDown};
    Ereignisse e = schritt(
        [&] { (t_->maschine.*Regeln.at(nummer(einheit)))(index, tastencode, umschaltstatus); });
    if (!gibtEs(index)) {
        return e;
    }
    const Feld feld{einheit, index};
    bool andere = false;
    for (int i = 1; i <= Stellen; ++i) {
        andere = andere || (i != index && e.ziffern.test(Feld{einheit, i}.position()));
    }
    e.ansage = nachTaste(feld, tastencode, andere, bild_.ziffern, zustand());
    if (e.ziffern.test(feld.position())) {
        const std::string& ziffer = bild_.ziffer(feld);
        if (ziffernWiederholen_ && e.ansage.empty() && ziffer == letzteZiffer_) {
            e.ansage = ziffer;
        }
        letzteZiffer_ = ziffer;
    }
    return e;
}

Ereignisse Sitzung::Starteinstellugen() {
    return schritt([this] { t_->maschine.Starteinstellugen(); });
}

Ereignisse Sitzung::Zeichne_Neper_neu() {
    return schritt([this] { t_->maschine.Zeichne_Neper_neu(); });
}

Ereignisse Sitzung::Setzealleszurueck(std::string_view einheit) {
    return schritt([this, einheit] { t_->maschine.Setzealleszurueck(einheit); });
}

} // namespace rechenmaschine
