#include "SystemPlatform.h"

#include <QElapsedTimer>

namespace tarovin {

quint32 SystemTicks::ticks() const
{
    QElapsedTimer t;
    t.start();
    return static_cast<quint32>(t.msecsSinceReference());
}

void SystemRandom::seedFromClock()
{
    // The generator was seeded once from the system's entropy and is left to
    // run on. Seeding it again from the clock would give every draw made in
    // the same millisecond the same number: timers that fall due together
    // (the dynamite water and a medal) would land in the same place.
}

} // namespace tarovin
