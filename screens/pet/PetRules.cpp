#include "PetRules.h"

#include "store/Numbers.h"

namespace tarovin::pet {

double ReversePercent(double value)
{
    if (value >= 0 && value <= 100)
        return 100 - value;
    return value;
}

qint16 closenessAfterNewDay(qint16 closeness, qint16 food, qint16 mood)
{
    double loss = (ReversePercent(mood) + ReversePercent(food)) / 5;
    // Small neglect is forgiven; only a lion that is clearly unhappy and
    // hungry together grows apart.
    if (loss <= 20)
        loss = 0;
    if (food == 100 && mood == 100)
        loss -= 5;
    const qint64 result = roundHalfEven(closeness - loss);
    return toInt16(result >= fullPercent ? fullPercent : result);
}

qint16 afterTimeAway(qint16 value, qint32 awayMinutes, int minutesPerPoint)
{
    return toInt16(roundHalfEven(value - double(awayMinutes) / minutesPerPoint));
}

qint16 raisedAtMost100(qint16 value, int step)
{
    const qint64 result = qint64(value) + step;
    return toInt16(result > fullPercent - 1 ? fullPercent : result);
}

qint16 lowered(qint16 value, int step)
{
    return toInt16(qint64(value) - step);
}

QDate dateOr(qint16 year, qint16 month, qint16 day, const QDate& fallback)
{
    const QDate date(year, month, day);
    return date.isValid() ? date : fallback;
}

QTime timeOr(qint16 hour, qint16 minute, const QTime& fallback)
{
    const QTime time(hour, minute);
    return time.isValid() ? time : fallback;
}

Spot settled(int left, bool adult)
{
    if (left >= room::farRight || left <= room::farLeft)
        left = room::middle;
    int top = room::floorTop;
    if (left >= room::bedFrom && left <= room::bedTo && top > room::bedTop)
        top = room::bedTop;
    if (adult)
        top -= room::adultLift;
    return {left, top};
}

} // namespace tarovin::pet
