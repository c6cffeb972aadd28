#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <limits>
#include <optional>

namespace tarovin {

// Converting a fraction to an integer: to the nearest, an exact half to the
// even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
qint64 roundHalfEven(double value);
// The integer part: towards minus infinity (-0.5 -> -1).
qint64 integerPart(double value);

// Reads decimal text as the store and the save files understand numbers:
// blanks around it, an optional sign, digits with an optional decimal point
// and fraction. The fraction is rounded half to even, exactly (on the digits,
// not through a double). Returns nothing for anything else. Values beyond the
// 64-bit range saturate.
std::optional<qint64> parseDecimal(const QString& text);

template <typename Int>
Int clampTo(qint64 value)
{
    if (value < std::numeric_limits<Int>::min())
        return std::numeric_limits<Int>::min();
    if (value > std::numeric_limits<Int>::max())
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

// Counts kept in 16 bits and scores in 32 bits stop at their bounds instead
// of wrapping.
inline qint16 toInt16(qint64 value) { return clampTo<qint16>(value); }
inline qint32 toInt32(qint64 value) { return clampTo<qint32>(value); }

} // namespace tarovin
