#include "GameScreen.h"

namespace tarovin {

void GameScreen::Timerrt_Timer()
{
    // A meeting costs energy once, however many checks the overlap lasts.
    const bool touching = IsCollide(*ui.vexo, *ui.vexotnt);
    if (!touching) {
        inContact = false;
    } else if (!inContact) {
        inContact = true;
        DrainEnergy();
    }
}

void GameScreen::DrainEnergy()
{
    if (isOver)
        return;
    addEnergy(-game::contactCost);
    ShowEnergyLevel();
    if (energy == game::minEnergy) {
        // The reason goes first: a spent totem keeps the game going and the
        // text waits hidden.
        ui.overtxt->caption = QStringLiteral("你在獅群中餓壞了！");
        GameOver();
    }
    // After a spent totem this is the topped-up energy.
    ShowEnergyColour();
}

void GameScreen::Bottle_Click()
{
    playSound(QStringLiteral("EFFECT"));
    // The next bottle comes a full interval after this one was drunk.
    ui.timerbottle->setInterval(game::ms::bottleEvery);
    ui.bottle->visible = false;
    addEnergy(game::bottleEnergy);
    ShowEnergy();
}

void GameScreen::Fakebottle_Click()
{
    GameOver();
    ui.overtxt->caption = QStringLiteral("你喝到炸藥水了！");
    ui.fakebottle->visible = false;
}

void GameScreen::Vexotnt_Click()
{
    // With a totem spent the dynamite lion stays and walks on.
    GameOver();
    ui.overtxt->caption = QStringLiteral("你被炸藥獅炸掉腦袋了！");
}

} // namespace tarovin
