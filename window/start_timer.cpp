#include "start_timer.h"

namespace rechenmaschine {

StartTimerAdapter::StartTimerAdapter(int intervalMs, QObject* parent)
    : QObject(parent), interval_(intervalMs) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &StartTimerAdapter::tick);
    anwenden();
}

void StartTimerAdapter::setInterval(int milliseconds) {
    interval_ = milliseconds;
    anwenden();
}

void StartTimerAdapter::setEnabled(bool enabled) {
    enabled_ = enabled;
    anwenden();
}

void StartTimerAdapter::anwenden() {
    if (!enabled_ || interval_ <= 0) {
        timer_.stop();
    } else if (!timer_.isActive() || timer_.interval() != interval_) {
        timer_.start(interval_);
    }
}

} // namespace rechenmaschine
