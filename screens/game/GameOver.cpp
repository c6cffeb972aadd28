#include "GameScreen.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int totemRisePerTick = 500; // twips, each tick of TimerAmin
} // namespace

void GameScreen::GameOver()
{
    // Any count but 0 is a totem, a negative one included: that is how the
    // shop and the store have always treated it.
    if (totemItems != 0) {
        Control& totem = *ui.imgTotem;
        totem.top = totemStartTop;
        ui.timerAmin->setEnabled(true);
        if (energy <= game::totemLowEnergy)
            addEnergy(game::totemEnergy);
        ShowEnergy();
        totem.visible = true;
        playSound(QStringLiteral("TOTEMSOUND"));
        ui.timerTotem->setEnabled(true);
        ui.timerTotem->setInterval(game::ms::totemShow); // a second totem within the showing starts the rise again
        // Stops at the 16-bit floor instead of wrapping round to a full stock.
        totemItems = toInt16(qint64(totemItems) - 1);
        sv.store.save(keys::totem, totemItems);
        ui.diamond->visible = true;
        unlockAchievement(*this, ui.notice, AchievementId::Totem);
        return;
    }

    playSound(QStringLiteral("GAMEOVER"));
    ui.overscoreX->caption = QString::number(score);

    auto setVisible = [](std::initializer_list<Control*> controls, bool visible) {
        for (Control* c : controls)
            c->visible = visible;
    };
    setVisible({ui.scoreimg, ui.score, ui.vexo, ui.vexotnt}, false);
    setVisible({ui.overimg, ui.overtxt, ui.overok}, true);
    setVisible({ui.twoscore, ui.notnt, ui.divtimes}, false);
    // The dynamite lion ambles on behind the view, barely.
    ui.timer2->setInterval(game::ms::tntTickAfterGameOver);
    setVisible({ui.image1, ui.engnytxt, ui.ly0, ui.ly1, ui.bottle, ui.fakebottle}, false);
    isOver = true;
    background = ui.image2->picture;

    setVisible({ui.maxscore, ui.maxcoinimg}, false);
    setVisible({ui.label1, ui.overscoreX}, true);
    ui.iron->visible = false;
    ui.timerIronDia->setEnabled(false);
    ui.cambo->visible = false;
    ui.timerCb->setEnabled(false);
    ui.imgTotem->visible = false;
    setVisible({ui.x2wait, ui.notntwait, ui.slowwait, ui.fpsTxt}, false);
    ui.timerfps->setEnabled(false);
    // A diamond on show stays and can still be collected; the power-up timers
    // run on and may bring their buttons back over this view.
}

void GameScreen::TimerAmin_Timer()
{
    ui.imgTotem->top -= totemRisePerTick;
}

void GameScreen::TimerTotem_Timer()
{
    ui.imgTotem->visible = false;
    ui.timerTotem->setEnabled(false);
    ui.timerAmin->setEnabled(false);
}

void GameScreen::Overok_Click()
{
    playSound(QStringLiteral("BTNSOUND"));
    sv.navigator.switchTo(screen::start, *this);
}

} // namespace tarovin
