#include "Scheduler.h"

#include <algorithm>

namespace tarovin {

Timer::Timer(Scheduler& scheduler, bool enabled, int interval, std::function<void()> tick)
    : onTick(std::move(tick)), scheduler_(scheduler), enabled_(enabled), interval_(std::max(0, interval))
{
    scheduler_.attach(this);
    restart();
}

Timer::~Timer()
{
    scheduler_.detach(this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(0, ms);
    restart();
}

void Timer::restart()
{
    ++generation_;
    due_ = scheduler_.now() + interval_;
    scheduler_.changed();
}

void Scheduler::attach(Timer* timer)
{
    timer->sequence_ = nextSequence_++;
    timers_.push_back(timer);
}

void Scheduler::detach(Timer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
    changed();
}

Timer* Scheduler::earliestDue(qint64 limit) const
{
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->running() || t->due_ > limit)
            continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->sequence_ < best->sequence_))
            best = t;
    }
    return best;
}

std::optional<qint64> Scheduler::nextDue() const
{
    std::optional<qint64> next;
    for (const Timer* t : timers_)
        if (t->running() && (!next || t->due_ < *next))
            next = t->due_;
    return next;
}

void Scheduler::advance(qint64 ms)
{
    const qint64 target = virtualNow_ + std::max<qint64>(0, ms);
    while (Timer* t = earliestDue(target)) {
        virtualNow_ = t->due_;
        const quint64 generation = t->generation_;
        ++t->fires_;
        // The handler may destroy the timer (a screen that unloads itself),
        // so nothing of it is touched afterwards unless it is still attached.
        if (t->onTick)
            t->onTick();
        if (std::find(timers_.begin(), timers_.end(), t) != timers_.end() && t->generation_ == generation)
            t->due_ += t->interval_;
    }
    virtualNow_ = target;
}

void Scheduler::fireDue()
{
    const qint64 at = now();
    std::vector<std::pair<Timer*, quint64>> due;
    for (Timer* t : timers_)
        if (t->running() && t->due_ <= at)
            due.emplace_back(t, t->sequence_);
    std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) {
        return a.first->due_ != b.first->due_ ? a.first->due_ < b.first->due_ : a.second < b.second;
    });
    for (const auto& [timer, sequence] : due) {
        Timer* t = timer;
        const quint64 seq = sequence;
        // An earlier handler may have destroyed or stopped this timer.
        const auto attached = [&] {
            return std::any_of(timers_.begin(), timers_.end(), [&](Timer* x) { return x == t && x->sequence_ == seq; });
        };
        if (!attached() || !t->running() || t->due_ > at)
            continue;
        const quint64 generation = t->generation_;
        ++t->fires_;
        if (t->onTick)
            t->onTick();
        if (attached() && t->generation_ == generation) {
            t->due_ += t->interval_;
            if (t->due_ <= at)
                t->due_ = at + t->interval_;
        }
    }
    changed();
}

} // namespace tarovin
