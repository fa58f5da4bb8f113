// The least Qt needs for the same window: the same caption, labels, 18 plain fields and seven
// empty white panels, with no machine behind them.
#pragma once

#include <QLineEdit>
#include <QWidget>

#include <array>

namespace rechenmaschine::bench {

class Bodenfenster : public QWidget {
public:
    Bodenfenster();
    std::array<QLineEdit*, 18> felder{};
    std::array<QWidget*, 7> tafeln{};
};

} // namespace rechenmaschine::bench
