// What the player does on the pet screen, and the lion's own walking and
// sleeping while the screen stays open.
#include "PetScreen.h"

#include "PetRules.h"
#include "screens/ScreenNames.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

using namespace pet;

namespace {

constexpr int feedStep = 13;
constexpr int playStep = 5;
constexpr int touchCost = 5;   // mood lost when an unwell lion is touched
constexpr int sleepCost = 8;   // satiety lost at every nap
constexpr int ticksBeforeSleep = 250;

} // namespace

void PetScreen::Food_Click()
{
    playSound(QStringLiteral("EAT"));
    food = raisedAtMost100(food, feedStep);
    clean = 1; // eating makes a mess of the mane
    sv.store.saveAll({{keys::food, food}, {keys::clear, clean}});
    ShowPet();
}

void PetScreen::Play_Click()
{
    playSound(QStringLiteral("HAPPY"));
    mood = raisedAtMost100(mood, playStep);
    sv.store.save(keys::happy, mood);
    ShowPet();
}

void PetScreen::clear_Click()
{
    playSound(QStringLiteral("WATER"));
    clean = 2;
    sv.store.save(keys::clear, clean);
    ShowPet();
}

void PetScreen::use_Click()
{
    playSound(QStringLiteral("BTNSOUND"));
    if (giftCount >= 1) {
        // One batch: a gift box is never spent without the cub it brings.
        --giftCount;
        sv.store.saveAll({{keys::gift, giftCount},
                          {keys::stau, Cub},
                          {keys::happy, 50},
                          {keys::food, 50},
                          {keys::clear, 2},
                          {keys::loveer, 10}});
        readPetValues();
        // A lion adopted later keeps the birth date of the first opening.
        sv.store.ensure(keys::pYear, todayYear);
        sv.store.ensure(keys::pMonth, todayMonth);
        sv.store.ensure(keys::pDay, todayDay);
        petState = toInt16(sv.store.get(keys::stau));
        ShowPet();
        return;
    }
    if (sv.dialogs.messageBox(QStringLiteral("獅子禮物盒不足，是否打開商店"), MsgButtons::YesNo, MsgIcon::None,
                              gameTitle)
        != MsgYes)
        return;
    // Leaving this screen opens the menu on the way; close it again so that
    // the shop is the one screen left open.
    sv.navigator.load(screen::shop);
    sv.navigator.show(screen::shop);
    sv.navigator.unload(*this);
    sv.navigator.unload(screen::start);
}

void PetScreen::Close_Click()
{
    playSound(QStringLiteral("BTNSOUND"));
    sv.navigator.switchTo(screen::start, *this);
}

void PetScreen::Vexo_MouseDown(MouseButton button, int x, int y)
{
    if (button == MouseButton::Left) {
        dragging = true;
        grabX = x;
        grabY = y;
    }
    // Every press is a touch, also one that starts a drag.
    if (isWell) {
        playSound(petState == Cub ? QStringLiteral("HAPPY") : QStringLiteral("VEXO"));
        return;
    }
    playSound(petState == Cub ? QStringLiteral("AWWKID") : QStringLiteral("AWWREAL"));
    mood = lowered(mood, touchCost);
    sv.store.save(keys::happy, mood);
    ShowPet();
}

void PetScreen::Vexo_MouseMove(MouseButton, int x, int y)
{
    if (!dragging)
        return;
    // x and y are inside the lion as it stands now, so the grab point stays
    // under the pointer; the lion may follow it beyond the window's edges.
    Control& lion = *ui.vexo;
    lion.left = toInt32(qint64(lion.left) + x - grabX);
    lion.top = toInt32(qint64(lion.top) + y - grabY);
}

void PetScreen::Vexo_MouseUp(MouseButton, int, int)
{
    dragging = false;
    settle();
}

void PetScreen::settle()
{
    Control& lion = *ui.vexo;
    const Spot spot = settled(lion.left, adult());
    lion.left = spot.left;
    lion.top = spot.top;
}

void PetScreen::Timer1_Timer()
{
    if (dragging || sleeping)
        return;
    Control& lion = *ui.vexo;
    lion.left += walkDir * room::step;
    if (lion.left + lion.width >= room::width)
        faceTo(-1);
    if (lion.left <= 0)
        faceTo(1);
    settle();

    // The walk goes on with no lion in the room too, so an open screen
    // always makes the lion hungrier.
    ++walkTicks;
    if (walkTicks >= ticksBeforeSleep) {
        sleeping = true;
        ui.timersleep->setEnabled(true);
        ui.timersleep->setInterval(sleepMs);
        walkTicks = 0;
        food = lowered(food, sleepCost);
        ShowPet();
        sv.store.save(keys::food, food);
    }
}

void PetScreen::Timer2_Timer()
{
    if (dragging || sleeping)
        return;
    turnPick = int(integerPart(sv.random.next() * 3 + 1));
    if (turnPick == 1 && walkDir == 1)
        faceTo(-1);
    if (turnPick == 2 && walkDir == -1)
        faceTo(1);
}

void PetScreen::faceTo(qint16 direction)
{
    // Turning mirrors the look the lion has, so a hungry, dirty or sad lion
    // still shows it when it walks the other way.
    walkDir = direction;
    ui.vexo->picture.mirrored = direction == -1;
}

void PetScreen::Timersleep_Timer()
{
    ui.timersleep->setEnabled(false);
    sleeping = false;
}

} // namespace tarovin
