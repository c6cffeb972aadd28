#include "FrameCounter.h"

#include "app/toolkit/Platform.h"

namespace tarovin {

void FrameCounter::ResetFrameCounter()
{
    frames_ = 0;
    lastTick_ = ticks_.ticks();
    rate_ = 0;
}

void FrameCounter::CountFrame()
{
    ++frames_;
    const quint32 now = ticks_.ticks();
    // Unsigned subtraction is taken modulo 2^32, so the counter's wrap after
    // 49.7 days changes nothing.
    if (quint32(now - lastTick_) >= 1000) {
        rate_ = frames_;
        frames_ = 0;
        lastTick_ = now;
    }
}

} // namespace tarovin
