#include "GameRules.h"

#include "store/Numbers.h"

namespace tarovin::game {

qint16 energyAfter(int energy, int amount)
{
    return qint16(qBound(minEnergy, energy + amount, maxEnergy));
}

qint32 scoreAfter(qint32 score, int coins)
{
    return toInt32(qint64(score) + coins);
}

qint16 randomX(double unit)
{
    return qint16(integerPart(unit * randomXSpan + 1));
}

qint16 pickKind(double unit)
{
    return qint16(integerPart(unit * 10 + 1));
}

Walk walked(int left, int width, int dir, int step, int edge)
{
    Walk w{left + step * dir, dir, false};
    if (w.left + width >= edge)
        w = {w.left, -1, true};
    if (w.left <= 0)
        w = {w.left, 1, true};
    return w;
}

} // namespace tarovin::game
