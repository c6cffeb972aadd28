#include "GameScreen.h"

#include "screens/achievements/Achievements.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int hop = 500;

QString comboCaption(int combo)
{
    return QStringLiteral("Combo ×") + QString::number(combo) + QLatin1Char('!');
}
} // namespace

void GameScreen::Vexo_Click()
{
    playSound(QStringLiteral("AWWREAL"));

    addEnergy(game::tapEnergy);
    ShowEnergyLevel();

    score = game::scoreAfter(score, game::tapCoins(doubleOn));
    keepBestScore();
    showScore();

    // One hop above the lane however quickly the taps come: a lion lifted
    // further would reach the band of the lifted dynamite lion.
    ui.vexo->top = laneTop - hop;
    ui.timerfly->setEnabled(true);
    ui.timerfly->setInterval(game::ms::hop); // a second quick tap restarts the count: down after the last tap

    ShowEnergyColour();

    ++combo;
    ui.timerCb->setEnabled(true);
    ui.timerCb->setInterval(game::ms::comboEnd);

    if (combo >= 2) {
        Control& label = *ui.cambo;
        label.visible = true;
        label.left = ui.vexo->left;
        label.caption = comboCaption(combo);
        if (combo == game::comboLength) {
            combo = 0;
            label.caption = comboCaption(combo);
            unlockAchievement(*this, ui.notice, AchievementId::CbStart);
            score = game::scoreAfter(score, game::comboBonus(doubleOn));
            showScore();
            // The bonus can lift the score past the best; a game ending now
            // must not leave a best below a score the player reached.
            keepBestScore();
        }
    }
}

void GameScreen::keepBestScore()
{
    // Once the best is reached every tap writes it again.
    if (score < bestScore)
        return;
    bestScore = score;
    showBestScore();
    sv.store.save(keys::maxScore, bestScore);
}

void GameScreen::Timerfly_Timer()
{
    ui.vexo->top = laneTop;
    ui.timerfly->setEnabled(false);
}

void GameScreen::TimerCb_Timer()
{
    // Stays enabled: every tap restarts its count, so it fires a combo's gap
    // after the last one.
    ui.cambo->visible = false;
    combo = 0;
}

} // namespace tarovin
