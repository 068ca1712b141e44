#pragma once

#include <QObject>
#include <QTimer>

// A timer with the two properties the windows set: Interval in milliseconds and Enabled.
// An interval of 0 (or one never set) gives no ticks; intervals below 10 ms tick every 10 ms,
// the shortest period a desktop timer offers.
class Timer final : public QObject {
    Q_OBJECT
public:
    static constexpr int Shortest = 10;

    explicit Timer(QObject* parent);

    void setInterval(int ms);
    void setEnabled(bool on);
    int nextTickIn() const { return timer_.remainingTime(); } // ms, -1 when not ticking

    // For a timer whose ticks only matter when the second of the time of day changes (a clock):
    // at any interval up to a second it ticks once at once, then just after each second begins.
    // That shows the same as ticking every 10 ms, for a hundredth of the wake-ups, each of which
    // costs the whole program a turn of its event loop, browser engine included.
    void setWholeSeconds(bool on);

signals:
    void tick();

private:
    void apply();
    void nextSecond();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    bool wholeSeconds_ = false;
};
