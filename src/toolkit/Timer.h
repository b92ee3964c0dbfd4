#pragma once
// A timer whose event fires on the GUI thread every interval while enabled. The event may disable
// and re-enable its own timer; enabling restarts the interval. Modal loops (boxes, dialogs) keep
// timers running.
#include <functional>
#include <memory>

class QTimer;

class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(int milliseconds);
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> onTimer;

private:
    void Restart();

    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = false;
};
