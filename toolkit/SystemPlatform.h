#pragma once

#include "Platform.h"

#include <QRandomGenerator>

namespace tarovin {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Milliseconds of the monotonic clock since the system started.
class SystemTicks final : public TickCounter {
public:
    quint32 ticks() const override;
};

// Seeded once from the system's entropy; the screens' reseeding steps keep
// their places but leave the sequence alone.
class SystemRandom final : public RandomSource {
public:
    void seedFromClock() override;
    double next() override { return generator_.generateDouble(); }

private:
    QRandomGenerator generator_{QRandomGenerator::securelySeeded()};
};

} // namespace tarovin
