#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

namespace tarovin {

class Timer;

// Owns the passage of time for every timer of the program. In tests time is
// virtual and moves only when asked (advance); in the real program a clock
// function gives the monotonic milliseconds and the front end calls fireDue
// when the next timer is due.
class Scheduler {
public:
    using ClockFn = std::function<qint64()>;

    Scheduler() = default; // virtual time, starting at 0
    explicit Scheduler(ClockFn clock) : clock_(std::move(clock)) {}
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    qint64 now() const { return clock_ ? clock_() : virtualNow_; }

    // Virtual time: moves the clock forward by ms and fires every tick that
    // falls due on the way, in time order, ties in creation order.
    void advance(qint64 ms);
    // Real time: fires each timer that is due now once. A timer that fell
    // behind is rescheduled from now, so there is never a burst of catch-up ticks.
    void fireDue();
    // When the earliest running timer is due, if any runs.
    std::optional<qint64> nextDue() const;
    // Called whenever a timer starts, stops or restarts, so the front end can
    // re-arm its one real timer.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    friend class Timer;
    void attach(Timer* timer);
    void detach(Timer* timer);
    void changed() const
    {
        if (onChange_)
            onChange_();
    }
    Timer* earliestDue(qint64 limit) const;

    ClockFn clock_;
    qint64 virtualNow_ = 0;
    quint64 nextSequence_ = 0;
    std::vector<Timer*> timers_;
    std::function<void()> onChange_;
};

// A timer as screens know it: Enabled and Interval in milliseconds. Interval 0
// never fires; setting the interval restarts the count (also to the same
// value); enabling a stopped timer starts its count from zero; enabling a
// running one changes nothing; it fires again and again until disabled.
class Timer {
public:
    Timer(Scheduler& scheduler, bool enabled, int interval, std::function<void()> onTick = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    void setInterval(int ms);
    // True while the timer will fire: enabled with an interval above 0.
    bool running() const { return enabled_ && interval_ > 0; }
    // How often it has fired, for measurements.
    quint64 fires() const { return fires_; }

    std::function<void()> onTick;

private:
    friend class Scheduler;
    void restart();

    Scheduler& scheduler_;
    bool enabled_;
    int interval_;
    qint64 due_ = 0;
    quint64 sequence_ = 0;
    quint64 generation_ = 0; // bumped at every restart, so a tick can tell whether its handler restarted it
    quint64 fires_ = 0;
};

} // namespace tarovin
