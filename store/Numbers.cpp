#include "Numbers.h"

#include <cmath>

namespace tarovin {

namespace {

// A whole number as a qint64, the nearest end of the range beyond it, and 0
// for NaN.
qint64 saturatedInt64(double whole)
{
    if (std::isnan(whole))
        return 0;
    if (whole >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (whole <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(whole);
}

} // namespace

qint64 roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1.0;
    return saturatedInt64(result);
}

qint64 integerPart(double value)
{
    return saturatedInt64(std::floor(value));
}

std::optional<qint64> parseDecimal(const QString& text)
{
    const QString s = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    // Magnitude kept as an unsigned value that saturates.
    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1;
    quint64 magnitude = 0;
    int digits = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        const quint64 d = s[i].unicode() - '0';
        magnitude = magnitude > (limit - d) / 10 ? limit : magnitude * 10 + d;
        ++digits;
        ++i;
    }
    // The fraction decides the rounding: above a half, a half, or below.
    enum { None, Below, Half, Above } fraction = None;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        bool first = true;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            const int d = s[i].unicode() - '0';
            if (first)
                fraction = d > 5 ? Above : d == 5 ? Half : Below;
            else if (d != 0 && fraction == Half)
                fraction = Above;
            first = false;
            ++digits;
            ++i;
        }
    }
    if (digits == 0 || i != s.size())
        return std::nullopt;
    if (fraction == Above || (fraction == Half && magnitude % 2 == 1))
        magnitude = magnitude >= limit ? limit : magnitude + 1;
    if (negative)
        return magnitude >= limit ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
    return magnitude >= limit ? std::numeric_limits<qint64>::max() : qint64(magnitude);
}

} // namespace tarovin
