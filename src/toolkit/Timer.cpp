#include "toolkit/Timer.h"

#include <QTimer>

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (onTimer) onTimer();
    });
}

Timer::~Timer() = default;

void Timer::Restart() {
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}
