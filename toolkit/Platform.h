#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace tarovin {

// The wall clock: today's date and the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Seconds since midnight, with the milliseconds as a fraction.
    double secondsSinceMidnight() const
    {
        const QTime t = now().time();
        return t.msecsSinceStartOfDay() / 1000.0;
    }
};

// A millisecond counter since the system started. It wraps around after about
// 49.7 days; every user takes differences modulo 2^32.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual quint32 ticks() const = 0;
};

// Uniform draws in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The screens take this step before their draws, where the game always
    // reseeded from the clock; it must never make two draws equal.
    virtual void seedFromClock() = 0;
    virtual double next() = 0;
};

// What reaches outside the program: the browser or mail program, the version
// file on the maker's server, and whether file dialogs can be shown.
class Web {
public:
    virtual ~Web() = default;
    virtual void openUrl(const QString& url) = 0;
    // Fetches url without blocking; done receives the body decoded as UTF-8
    // for status 200 and the empty text otherwise (also on time-out).
    virtual void httpGetText(const QString& url, std::function<void(const QString&)> done) = 0;
    virtual bool fileDialogsAvailable() const = 0;
};

} // namespace tarovin
