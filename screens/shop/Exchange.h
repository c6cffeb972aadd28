#pragma once

#include <QString>
#include <QtGlobal>

namespace tarovin {

// Ten lion iron medals buy one lion-head diamond.
constexpr int medalsPerDiamond = 10;

// Ten times the integer part of a tenth of value, towards minus infinity:
// 57 -> 50, 50 -> 50, 9 -> 0, -5 -> -10. Wide, so that the lowest 32-bit
// value does not wrap.
qint64 FloorToTen(qint32 value);

// True when the answer holds anything but the digits 0 to 9: a space, a sign,
// a decimal point, a letter. The empty answer (also what Cancel gives) holds
// nothing wrong.
bool hasNonDigit(const QString& answer);

// The number an all-digit answer makes, the empty answer being 0. A string of
// digits too long for 64 bits gives the 64-bit maximum, still far more than
// any medal balance pays for, never a wrapped small number.
qint64 amountOf(const QString& answer);

} // namespace tarovin
