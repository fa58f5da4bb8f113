#pragma once

#include <QObject>
#include <QTimer>

namespace rechenmaschine {

// Timer1: ticks every interval while it is enabled and its interval is above 0.
class StartTimerAdapter : public QObject {
    Q_OBJECT
public:
    StartTimerAdapter(int intervalMs, QObject* parent);

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);

    int interval() const { return interval_; }
    bool isEnabled() const { return enabled_; }
    bool isRunning() const { return timer_.isActive(); }

signals:
    void tick();

private:
    void anwenden();

    QTimer timer_;
    int interval_;
    bool enabled_ = true;
};

} // namespace rechenmaschine
