#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <cstdio>

namespace tarovin {

// Prints, once, how long after the launch (TAROVIN_LAUNCH_NS, nanoseconds of
// the system clock, set by the measuring script) the first frame was painted.
// The game and the floor of the speed measurements report it alike; a header
// of its own so that the floor takes nothing else of the game.
inline void reportFirstFrame()
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    const qint64 launch = qEnvironmentVariable("TAROVIN_LAUNCH_NS").toLongLong();
    const qint64 now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    std::fprintf(stderr, "first-frame-ms %.1f\n", launch > 0 ? (now - launch) / 1e6 : -1.0);
    std::fflush(stderr);
}

} // namespace tarovin
