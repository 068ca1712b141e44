#include "timer.h"

#include <QTime>

#include <algorithm>

Timer::Timer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        emit tick();
        if (wholeSeconds_ && timer_.isSingleShot() && enabled_) nextSecond();
    });
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    apply();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    apply();
}

void Timer::setWholeSeconds(bool on) {
    wholeSeconds_ = on;
    apply();
}

void Timer::nextSecond() {
    timer_.start(1000 - QTime::currentTime().msec() + 2);
}

void Timer::apply() {
    const bool paced = wholeSeconds_ && interval_ <= 1000;
    timer_.setSingleShot(paced);
    timer_.setTimerType(paced ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (!enabled_ || interval_ <= 0)
        timer_.stop();
    else if (paced)
        timer_.start(Shortest); // the first tick at once, then on whole seconds
    else
        timer_.start(std::max(interval_, Shortest));
}
