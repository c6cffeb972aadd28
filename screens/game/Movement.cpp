#include "GameScreen.h"

#include "toolkit/Platform.h"
#include "toolkit/Services.h"

namespace tarovin {

namespace {

// One step of a walking lion; at a turn its picture becomes the one that
// faces the new direction.
void walk(Control& lion, int& dir, int step, const GameScreen::Facing& facing)
{
    const game::Walk w = game::walked(lion.left, lion.width, dir, step, GameScreen::scaleWidth);
    lion.left = w.left;
    dir = w.dir;
    if (w.turned)
        lion.picture = dir == 1 ? facing.right : facing.left;
}

} // namespace

void GameScreen::Timer1_Timer()
{
    walk(*ui.vexo, vexoDir, slowOn ? game::slowLionStep : game::lionStep, lionFacing);
}

void GameScreen::Timer2_Timer()
{
    walk(*ui.vexotnt, tntDir, game::tntStep, tntFacing);
}

bool GameScreen::IsCollide(const Control& a, const Control& b)
{
    // Rectangles that only touch count as meeting.
    return !(a.left + a.width < b.left || a.left > b.left + b.width || a.top + a.height < b.top
             || a.top > b.top + b.height);
}

void GameScreen::Timerbottle_Timer()
{
    if (isOver)
        return;
    ui.bottle->left = RandomX();
    ui.bottle->visible = true;
}

void GameScreen::Timerfakebott_Timer()
{
    if (isOver)
        return;
    ui.fakebottle->left = RandomX();
    ui.fakebottle->visible = true;
}

void GameScreen::TimerIronDia_Timer()
{
    // The game over stops this timer, but a double-coins button that comes
    // back over the game-over view could start it again: nothing new is
    // placed once the game has ended.
    if (isOver)
        return;
    sv.random.seedFromClock();
    pickKind = game::pickKind(sv.random.next());
    pickX = RandomX();
    Control& pickUp = game::isDiamond(pickKind) ? *ui.diamond : *ui.iron;
    pickUp.left = pickX;
    pickUp.visible = true;
}

} // namespace tarovin
