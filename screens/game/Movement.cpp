#include "Gamepage.h"

#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "store/Numbers.h"

namespace tarovin {

namespace {

// One step of a walking lion: move, then turn at the right edge and at the
// left edge, both tested on the new position. The picture is swapped to the
// one that faces the new direction.
void walk(Control& lion, int& dir, int step, int scaleWidth, const Picture& facingRight, const Picture& facingLeft)
{
    lion.left += step * dir;
    if (lion.left + lion.width >= scaleWidth) {
        dir = -1;
        lion.picture = facingLeft;
    }
    if (lion.left <= 0) {
        dir = 1;
        lion.picture = facingRight;
    }
}

} // namespace

void Gamepage::Timer1_Timer()
{
    // The slow lion takes shorter steps as well as a longer tick, so the
    // power-up is felt.
    const int step = slowOn ? 150 : 200;
    walk(control(QStringLiteral("Vexo")), vexoDir, step, scaleWidth, control(QStringLiteral("re1")).picture,
         control(QStringLiteral("re2")).picture);
}

void Gamepage::Timer2_Timer()
{
    walk(control(QStringLiteral("Vexotnt")), tntDir, 150, scaleWidth, control(QStringLiteral("rt1")).picture,
         control(QStringLiteral("rt2")).picture);
}

bool Gamepage::IsCollide(const Control& a, const Control& b)
{
    // Rectangles that only touch count as meeting.
    return !(a.left + a.width < b.left || a.left > b.left + b.width || a.top + a.height < b.top
             || a.top > b.top + b.height);
}

void Gamepage::Timerbottle_Timer()
{
    if (isOver)
        return;
    Control& bottle = control(QStringLiteral("Bottle"));
    bottle.left = RandomX();
    bottle.visible = true;
}

void Gamepage::Timerfakebott_Timer()
{
    if (isOver)
        return;
    Control& water = control(QStringLiteral("Fakebottle"));
    water.left = RandomX();
    water.visible = true;
}

void Gamepage::TimerIronDia_Timer()
{
    // The game over stops this timer, but a double-coins button that comes
    // back over the game-over view could start it again: nothing new is
    // placed once the game has ended.
    if (isOver)
        return;
    sv.random.seedFromClock();
    pickKind = qint16(integerPart(sv.random.next() * 10 + 1));
    pickX = RandomX();
    Control& pickUp = control(pickKind == 5 ? QStringLiteral("Diamond") : QStringLiteral("Iron"));
    pickUp.left = pickX;
    pickUp.visible = true;
}

} // namespace tarovin
