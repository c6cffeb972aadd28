#include "FrameCounter.h"

namespace tarovin {

void FrameCounter::ResetFrameCounter(quint32 nowTicks)
{
    frames_ = 0;
    lastTick_ = nowTicks;
    rate_ = 0;
}

void FrameCounter::CountFrame(quint32 nowTicks)
{
    ++frames_;
    // Unsigned subtraction is taken modulo 2^32, so the counter's wrap after
    // 49.7 days changes nothing.
    if (quint32(nowTicks - lastTick_) >= 1000) {
        rate_ = frames_;
        frames_ = 0;
        lastTick_ = nowTicks;
    }
}

} // namespace tarovin
