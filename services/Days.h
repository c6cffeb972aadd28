#pragma once

#include <QDate>
#include <QtGlobal>

namespace tarovin {

// Whole calendar days from first to second: midnights passed, negative when
// second is earlier, 0 on the same day.
inline qint32 DaysBetween(const QDate& first, const QDate& second)
{
    return static_cast<qint32>(first.daysTo(second));
}

} // namespace tarovin
