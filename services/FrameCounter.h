#pragma once

#include <QtGlobal>

namespace tarovin {

// Counts the frames of the game's frame timer and publishes how many fell in
// the last period of at least one second. One counter for the whole program.
// Both calls take the millisecond tick count of the moment (it wraps around
// after about 49.7 days; differences are taken modulo 2^32).
class FrameCounter {
public:
    void ResetFrameCounter(quint32 nowTicks);
    void CountFrame(quint32 nowTicks);
    qint32 CurrentFps() const { return rate_; }

private:
    qint32 frames_ = 0;
    quint32 lastTick_ = 0;
    qint32 rate_ = 0;
};

} // namespace tarovin
