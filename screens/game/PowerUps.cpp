#include "GameScreen.h"

#include "screens/achievements/Achievements.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int noTntTop = 2000; // wholly above the lane, so the lions cannot meet
constexpr int useAllScore = 50;
} // namespace

// ---- pick-ups

void GameScreen::collectPickUp(Control& pickUp, const QString& text, qint16& count, const StoreKey& key)
{
    playSound(QStringLiteral("HAPPY"));
    ui.timerIronDia->setInterval(game::ms::pickUpEvery); // also ends the quicker pace of double coins
    ui.timerIrDm->setEnabled(true);
    ui.timerIrDm->setInterval(game::ms::pickUpText);
    ui.irDm->caption = text;
    pickUp.visible = false;
    // The wallet is 16-bit: a full one stays full.
    count = toInt16(qint64(count) + 1);
    sv.store.save(key, count);
}

void GameScreen::Diamond_Click()
{
    collectPickUp(*ui.diamond, QStringLiteral("獅頭鑽+1"), diamondCount, keys::diamond);
    if (diamondCount >= achievement(AchievementId::Twenty).threshold)
        unlockAchievement(*this, ui.notice, AchievementId::Twenty);
    if (diamondCount >= achievement(AchievementId::Fifty).threshold)
        unlockAchievement(*this, ui.notice, AchievementId::Fifty);
}

void GameScreen::Iron_Click()
{
    collectPickUp(*ui.iron, QStringLiteral("獅鐵牌+1"), ironCount, keys::iron);
}

void GameScreen::TimerIrDm_Timer()
{
    ui.irDm->caption.clear();
    ui.timerIrDm->setEnabled(false);
}

// ---- power-ups

// A wait that ends after the game over brings its button back over the
// game-over view; a press there does nothing, so no item is spent on a game
// that is already lost.

void GameScreen::consumePowerUp(qint16& count, int& used, Timer& wait, Control& waitButton, const StoreKey& key,
                              bool storeEmpty)
{
    if (count > 0) {
        wait.setEnabled(true);
        wait.setInterval(game::ms::powerUpWait);
    }
    // The first use of a game is free; every later one costs an item.
    if (used == 1) {
        count = toInt16(qint64(count) - 1);
        sv.store.save(key, count);
    }
    if (count < 1) {
        // Used up: the place stays empty for the rest of the game.
        count = 0;
        wait.setEnabled(false);
        waitButton.visible = false;
        if (storeEmpty)
            sv.store.save(key, 0);
    }
    used = 1;
}

void GameScreen::Twoscore_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    ui.twoxtimer->setInterval(game::ms::doubleCoins);
    doubleOn = true;
    ui.scoreimg->border = true;
    ui.timerIronDia->setInterval(game::ms::pickUpEveryDouble);
    ui.timerIronDia->setEnabled(true);
    ui.twoscore->visible = false;
    consumePowerUp(doubleItems, usedDouble, *ui.tmr2x, *ui.x2wait, keys::scoreX, true);
}

void GameScreen::Twoxtimer_Timer()
{
    // Runs from the load on, so it also fires when no double coins are on.
    doubleOn = false;
    ui.scoreimg->border = false;
}

void GameScreen::tmr2x_Timer()
{
    ui.twoscore->visible = true;
    ui.tmr2x->setEnabled(false);
    // 背水一戰: the double-coins wait ends while the other two waits still
    // run. A wait timer that was never started is enabled with no interval
    // and does not count as running.
    if (score >= useAllScore && ui.timernt->running() && ui.timerslo->running())
        unlockAchievement(*this, ui.notice, AchievementId::UseAll);
}

void GameScreen::Notnt_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    ui.notnttimer->setInterval(game::ms::noTnt);
    ui.vexotnt->visible = false;
    ui.notnt->visible = false;
    noTntOn = true;
    ui.vexotnt->top = noTntTop;
    consumePowerUp(noTntItems, usedNoTnt, *ui.timernt, *ui.notntwait, keys::noTnt, true);
}

void GameScreen::Notnttimer_Timer()
{
    // Keeps firing every ten seconds; only the first tick after a use acts.
    // The dynamite lion comes back wherever its hidden walk has taken it.
    if (!noTntOn)
        return;
    ui.vexotnt->visible = true;
    noTntOn = false;
    ui.vexotnt->top = laneTop;
}

void GameScreen::Timernt_Timer()
{
    ui.notnt->visible = true;
    ui.timernt->setEnabled(false);
}

void GameScreen::Divtimes_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    ui.timer1->setInterval(game::ms::slowLionTick);
    slowOn = true; // shorter steps as well, read by the lion's walk
    ui.divtimer->setInterval(game::ms::slowLion);
    ui.divtimes->visible = false;
    // SLOWLION is written only when an item is paid, never as 0 when used up.
    consumePowerUp(slowItems, usedSlow, *ui.timerslo, *ui.slowwait, keys::slowLion, false);
}

void GameScreen::Divtimer_Timer()
{
    ui.timer1->setInterval(game::ms::lionTick);
    slowOn = false;
}

void GameScreen::Timerslo_Timer()
{
    ui.divtimes->visible = true;
    ui.timerslo->setEnabled(false);
}

} // namespace tarovin
