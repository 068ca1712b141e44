#pragma once

#include <QObject>
#include <QTimer>

// A timer with the two properties the windows set: Interval in milliseconds and Enabled.
// An interval of 0 (or one never set) gives no ticks. Intervals below 10 ms tick every 10 ms,
// the shortest period a desktop timer offers, so a clock asked to tick every millisecond costs
// next to nothing.
class Timer final : public QObject {
    Q_OBJECT
public:
    static constexpr int Shortest = 10;

    explicit Timer(QObject* parent);

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool ticking() const { return timer_.isActive(); }

signals:
    void tick();

private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};
