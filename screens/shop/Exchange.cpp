#include "Exchange.h"

#include "store/Numbers.h"

#include <limits>

namespace tarovin {

qint64 FloorToTen(qint32 value)
{
    return integerPart(value / 10.0) * 10;
}

bool hasNonDigit(const QString& answer)
{
    for (const QChar c : answer)
        if (c < u'0' || c > u'9')
            return true;
    return false;
}

qint64 amountOf(const QString& answer)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    qint64 n = 0;
    for (const QChar c : answer) {
        const int digit = c.unicode() - u'0';
        if (n > (most - digit) / 10)
            return most;
        n = n * 10 + digit;
    }
    return n;
}

} // namespace tarovin
