#include "timer.h"

#include <algorithm>

Timer::Timer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    apply();
}

void Timer::setEnabled(bool on)
{
    enabled_ = on;
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0)
        timer_.start(std::max(interval_, Shortest));
    else
        timer_.stop();
}
