// The only ways the machine reaches its fields, panels and start timer. The session
// (session.h) implements them with recorders whose contents make its picture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rechenmaschine {

struct Farbe {
    std::uint8_t rot = 0;
    std::uint8_t gruen = 0;
    std::uint8_t blau = 0;

    friend constexpr bool operator==(const Farbe&, const Farbe&) = default;
};

// The selected multiplier row and every other row.
inline constexpr Farbe Hervorhebung{255, 0, 0};
inline constexpr Farbe Normalfarbe{200, 200, 200};

// Six one-digit fields indexed 1..6 from the left.
class DigitFieldArray {
public:
    virtual ~DigitFieldArray() = default;
    virtual std::string text(int index) const = 0;
    virtual void setText(int index, std::string_view text) = 0;
    virtual void setFocus(int index) = 0;
};

// A drawing area that prints lines of text one below the other.
class TextPanel {
public:
    virtual ~TextPanel() = default;
    // Erases everything and moves the print position to the top-left corner.
    virtual void clear() = 0;
    virtual void setTextColor(Farbe farbe) = 0;
    // Draws at the print position, then moves it one line height down to the left edge.
    virtual void printLine(std::string_view line) = 0;
};

// The start timer Timer1: an interval of 0 stops it.
class Zeitgeber {
public:
    virtual ~Zeitgeber() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

} // namespace rechenmaschine
