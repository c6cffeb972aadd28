#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tarovin {

// The 22 tips of the day, numbered 1 to 22 as drawn.
const QStringList& tipsOfTheDay();

// The author's birthday, on which the menu greets instead of giving a tip.
inline constexpr int authorBirthdayMonth = 8;
inline constexpr int authorBirthdayDay = 7;

// The tip for a draw r in [0, 1) on the given day: the lion's birthday
// (12 March) and the author's birthday replace whatever tip was drawn.
QString tipFor(double r, const QDate& today);

} // namespace tarovin
