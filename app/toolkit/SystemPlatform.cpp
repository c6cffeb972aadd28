#include "SystemPlatform.h"

#include <QDateTime>
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
    generator_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace tarovin
