#include "Gamepage.h"

#include "screens/achievements/Achievements.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int pickUpEveryMs = 20000;
constexpr int pickUpEveryDoubleMs = 5000;
constexpr int pickUpTextMs = 1000;
constexpr int doubleMs = 8000;
constexpr int noTntMs = 10000;
constexpr int slowMs = 10000;
constexpr int waitMs = 10000;
constexpr int lionTickMs = 12;
constexpr int slowLionTickMs = 18;
constexpr int noTntTop = 2000; // wholly above the lane, so the lions cannot meet
constexpr int useAllScore = 50;
} // namespace

// ---- pick-ups

void Gamepage::collectPickUp(const QString& pickUp, const QString& text, qint16& count, const StoreKey& key)
{
    playSound(QStringLiteral("HAPPY"));
    timer(QStringLiteral("TimerIronDia")).setInterval(pickUpEveryMs); // also ends the quicker pace of double coins
    Timer& textTimer = timer(QStringLiteral("TimerIrDm"));
    textTimer.setEnabled(true);
    textTimer.setInterval(pickUpTextMs);
    control(QStringLiteral("IrDm")).caption = text;
    control(pickUp).visible = false;
    // The wallet is 16-bit: a full one stays full.
    count = toInt16(qint64(count) + 1);
    sv.store.save(key, count);
}

void Gamepage::Diamond_Click()
{
    collectPickUp(QStringLiteral("Diamond"), QStringLiteral("獅頭鑽+1"), diamondCount, keys::diamond);
    if (diamondCount >= 20)
        UnlockAchievement(*this, AchievementId::Twenty);
    if (diamondCount >= 50)
        UnlockAchievement(*this, AchievementId::Fifty);
}

void Gamepage::Iron_Click()
{
    collectPickUp(QStringLiteral("Iron"), QStringLiteral("獅鐵牌+1"), ironCount, keys::iron);
}

void Gamepage::TimerIrDm_Timer()
{
    control(QStringLiteral("IrDm")).caption.clear();
    timer(QStringLiteral("TimerIrDm")).setEnabled(false);
}

// ---- power-ups

// A wait that ends after the game over brings its button back over the
// game-over view; a press there does nothing, so no item is spent on a game
// that is already lost.

void Gamepage::consumePowerUp(qint16& count, int& used, const QString& waitTimer, const QString& waitButton,
                              const StoreKey& key, bool storeEmpty)
{
    Timer& wait = timer(waitTimer);
    if (count > 0) {
        wait.setEnabled(true);
        wait.setInterval(waitMs);
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
        control(waitButton).visible = false;
        if (storeEmpty)
            sv.store.save(key, 0);
    }
    used = 1;
}

void Gamepage::Twoscore_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    timer(QStringLiteral("Twoxtimer")).setInterval(doubleMs);
    doubleOn = true;
    control(QStringLiteral("Scoreimg")).border = true;
    Timer& pickUps = timer(QStringLiteral("TimerIronDia"));
    pickUps.setInterval(pickUpEveryDoubleMs);
    pickUps.setEnabled(true);
    control(QStringLiteral("Twoscore")).visible = false;
    consumePowerUp(doubleItems, usedDouble, QStringLiteral("tmr2x"), QStringLiteral("x2wait"), keys::scoreX, true);
}

void Gamepage::Twoxtimer_Timer()
{
    // Runs from the load on, so it also fires when no double coins are on.
    doubleOn = false;
    control(QStringLiteral("Scoreimg")).border = false;
}

void Gamepage::tmr2x_Timer()
{
    control(QStringLiteral("Twoscore")).visible = true;
    timer(QStringLiteral("tmr2x")).setEnabled(false);
    // 背水一戰: the double-coins wait ends while the other two waits still
    // run. A wait timer that was never started is enabled with no interval
    // and does not count as running.
    if (score >= useAllScore && timer(QStringLiteral("Timernt")).running()
        && timer(QStringLiteral("Timerslo")).running())
        UnlockAchievement(*this, AchievementId::UseAll);
}

void Gamepage::Notnt_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    timer(QStringLiteral("Notnttimer")).setInterval(noTntMs);
    Control& tnt = control(QStringLiteral("Vexotnt"));
    tnt.visible = false;
    control(QStringLiteral("Notnt")).visible = false;
    noTntOn = true;
    tnt.top = noTntTop;
    consumePowerUp(noTntItems, usedNoTnt, QStringLiteral("Timernt"), QStringLiteral("notntwait"), keys::noTnt, true);
}

void Gamepage::Notnttimer_Timer()
{
    // Keeps firing every ten seconds; only the first tick after a use acts.
    // The dynamite lion comes back wherever its hidden walk has taken it.
    if (!noTntOn)
        return;
    Control& tnt = control(QStringLiteral("Vexotnt"));
    tnt.visible = true;
    noTntOn = false;
    tnt.top = laneTop;
}

void Gamepage::Timernt_Timer()
{
    control(QStringLiteral("Notnt")).visible = true;
    timer(QStringLiteral("Timernt")).setEnabled(false);
}

void Gamepage::Divtimes_Click()
{
    if (isOver)
        return;
    playSound(QStringLiteral("EFFECT"));
    timer(QStringLiteral("Timer1")).setInterval(slowLionTickMs);
    slowOn = true; // shorter steps as well, read by the lion's walk
    timer(QStringLiteral("Divtimer")).setInterval(slowMs);
    control(QStringLiteral("Divtimes")).visible = false;
    // SLOWLION is written only when an item is paid, never as 0 when used up.
    consumePowerUp(slowItems, usedSlow, QStringLiteral("Timerslo"), QStringLiteral("slowwait"), keys::slowLion, false);
}

void Gamepage::Divtimer_Timer()
{
    timer(QStringLiteral("Timer1")).setInterval(lionTickMs);
    slowOn = false;
}

void Gamepage::Timerslo_Timer()
{
    control(QStringLiteral("Divtimes")).visible = true;
    timer(QStringLiteral("Timerslo")).setEnabled(false);
}

} // namespace tarovin
