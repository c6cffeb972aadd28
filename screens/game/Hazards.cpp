#include "Gamepage.h"

namespace tarovin {

namespace {
constexpr int contactCost = 2;
constexpr int bottleEnergy = 20;
constexpr int bottleEveryMs = 25000;
} // namespace

void Gamepage::Timerrt_Timer()
{
    // A meeting costs energy once, however many checks the overlap lasts.
    const bool touching = IsCollide(control(QStringLiteral("Vexo")), control(QStringLiteral("Vexotnt")));
    if (!touching) {
        inContact = false;
    } else if (!inContact) {
        inContact = true;
        DrainEnergy();
    }
}

void Gamepage::DrainEnergy()
{
    if (isOver)
        return;
    addEnergy(-contactCost);
    ShowEnergyLevel();
    if (energy == 0) {
        // The reason goes first: a spent totem keeps the game going and the
        // text waits hidden.
        control(QStringLiteral("Overtxt")).caption = QStringLiteral("你在獅群中餓壞了！");
        GameOver();
    }
    // After a spent totem this is the topped-up energy.
    ShowEnergyColour();
}

void Gamepage::Bottle_Click()
{
    playSound(QStringLiteral("EFFECT"));
    // The next bottle comes a full interval after this one was drunk.
    timer(QStringLiteral("Timerbottle")).setInterval(bottleEveryMs);
    control(QStringLiteral("Bottle")).visible = false;
    addEnergy(bottleEnergy);
    ShowEnergy();
}

void Gamepage::Fakebottle_Click()
{
    GameOver();
    control(QStringLiteral("Overtxt")).caption = QStringLiteral("你喝到炸藥水了！");
    control(QStringLiteral("Fakebottle")).visible = false;
}

void Gamepage::Vexotnt_Click()
{
    // With a totem spent the dynamite lion stays and walks on.
    GameOver();
    control(QStringLiteral("Overtxt")).caption = QStringLiteral("你被炸藥獅炸掉腦袋了！");
}

} // namespace tarovin
