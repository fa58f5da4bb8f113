#pragma once

#include "digit_field.h"
#include "machine/interfaces.h"

#include <array>

namespace rechenmaschine {

// N, A or S: six DigitFields seen by the machine as one DigitFieldArray (index 1..6).
class FieldArrayAdapter : public DigitFieldArray {
public:
    explicit FieldArrayAdapter(const std::array<DigitField*, 6>& felder) : felder_(felder) {}

    std::string text(int index) const override;
    void setText(int index, std::string_view text) override;
    void setFocus(int index) override;

    DigitField* feld(int index) const { return felder_.at(static_cast<std::size_t>(index - 1)); }

private:
    std::array<DigitField*, 6> felder_;
};

} // namespace rechenmaschine
