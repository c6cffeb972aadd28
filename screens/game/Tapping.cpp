#include "Gamepage.h"

#include "screens/achievements/Achievements.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int hop = 500;
constexpr int hopMs = 200;
constexpr int comboGapMs = 1500;
constexpr int comboLength = 5;
} // namespace

void Gamepage::Vexo_Click()
{
    playSound(QStringLiteral("AWWREAL"));

    addEnergy(2);
    ShowEnergyLevel();

    score = toInt32(qint64(score) + (doubleOn ? 2 : 1));
    keepBestScore();
    showScore();

    // One hop above the lane however quickly the taps come: a lion lifted
    // further would reach the band of the lifted dynamite lion.
    Control& vexo = control(QStringLiteral("Vexo"));
    vexo.top = laneTop - hop;
    Timer& fly = timer(QStringLiteral("Timerfly"));
    fly.setEnabled(true);
    fly.setInterval(hopMs); // a second quick tap restarts the count: down 200 ms after the last tap

    ShowEnergyColour();

    ++combo;
    Timer& comboEnd = timer(QStringLiteral("TimerCb"));
    comboEnd.setEnabled(true);
    comboEnd.setInterval(comboGapMs);

    if (combo >= 2) {
        Control& label = control(QStringLiteral("Cambo"));
        label.visible = true;
        label.left = vexo.left;
        label.caption = QStringLiteral("Combo ×") + QString::number(combo) + QLatin1Char('!');
        if (combo == comboLength) {
            combo = 0;
            label.caption = QStringLiteral("Combo ×") + QString::number(combo) + QLatin1Char('!');
            UnlockAchievement(*this, AchievementId::CbStart);
            score = toInt32(qint64(score) + (doubleOn ? 20 : 10));
            showScore();
            // The bonus can lift the score past the best; a game ending now
            // must not leave a best below a score the player reached.
            keepBestScore();
        }
    }
}

void Gamepage::keepBestScore()
{
    // Once the best is reached every tap writes it again.
    if (score < bestScore)
        return;
    bestScore = score;
    showBestScore();
    sv.store.save(keys::maxScore, bestScore);
}

void Gamepage::Timerfly_Timer()
{
    control(QStringLiteral("Vexo")).top = laneTop;
    timer(QStringLiteral("Timerfly")).setEnabled(false);
}

void Gamepage::TimerCb_Timer()
{
    // Stays enabled: every tap restarts its count, so it fires 1500 ms after
    // the last one.
    control(QStringLiteral("Cambo")).visible = false;
    combo = 0;
}

} // namespace tarovin
