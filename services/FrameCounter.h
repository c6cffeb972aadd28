#pragma once

#include <QtGlobal>

namespace tarovin {

class TickCounter;

// Counts the frames of the game's frame timer and publishes how many fell in
// the last period of at least one second. One counter for the whole program.
class FrameCounter {
public:
    explicit FrameCounter(const TickCounter& ticks) : ticks_(ticks) {}

    void ResetFrameCounter();
    void CountFrame();
    qint32 CurrentFps() const { return rate_; }

private:
    const TickCounter& ticks_;
    qint32 frames_ = 0;
    quint32 lastTick_ = 0;
    qint32 rate_ = 0;
};

} // namespace tarovin
