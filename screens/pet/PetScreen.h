#pragma once

#include "screens/achievements/Achievements.h"
#include "screens/MenuChild.h"

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace tarovin {

// The virtual pet: one lion whose whole life is a few numbers in the store.
// Nothing moves while the screen is closed; the time that passed is applied
// when it opens, from the date and time of the previous opening that leaving
// the screen writes.
class PetScreen final : public MenuChild {
public:
    explicit PetScreen(Services& services);

    void onLoad() override;

    // Brings pictures, captions, visible controls and the two pet awards up
    // to date from the working values. Every change of the state ends here.
    void ShowPet();
    // Lowers satiety and mood by the minutes since the previous opening.
    void ApplyAwayMinutes();

    // Care and adoption.
    void Food_Click();
    void Play_Click();
    void clear_Click();
    void use_Click();
    void Close_Click();

    // Touching and dragging the lion.
    void Vexo_MouseDown(MouseButton button, int x, int y);
    void Vexo_MouseMove(MouseButton button, int x, int y);
    void Vexo_MouseUp(MouseButton button, int x, int y);

    // The lion's own life while the screen is open.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timersleep_Timer();

    // The working values, for the screen's own tests.
    qint16 food = 0;
    qint16 mood = 0;
    qint16 closeness = 0;
    qint16 clean = 0;
    qint16 petState = 0;
    qint32 giftCount = 0;
    bool isWell = false;
    qint16 walkDir = 1;
    // Walking ticks since the last sleep; kept from one visit to the next.
    qint16 walkTicks = 0;
    bool sleeping = false;
    bool dragging = false;

protected:
    void design() override;
    void beforeLeaving() override;

private:
    // The lion's looks; the last one that applies is the one it shows.
    enum class Look { Well, Dirty, Hungry, Sad };
    static constexpr size_t lookCount = size_t(Look::Sad) + 1;
    // One nap, after a long walk.
    static constexpr int sleepMs = 10000;

    struct Ui {
        Control* vexo = nullptr;
        Control* petname = nullptr;
        // The hidden holders of the looks, by Look: Image1 to Image4.
        std::array<Control*, lookCount> lookHolders{};
        Control* foodtxt = nullptr;
        Control* happytxt = nullptr;
        Control* lovetxt = nullptr;
        Control* food = nullptr;
        Control* play = nullptr;
        Control* clear = nullptr;
        Control* imageGift = nullptr;
        Control* nopettxt = nullptr;
        Control* use = nullptr;
        Timer* timersleep = nullptr;
        AchievementNotice notice;
    };
    Ui ui;

    void readPetValues();
    void applyNewDay();
    void settle();
    void lookTo(Look look);
    void faceTo(qint16 direction);
    bool adult() const;

    qint16 todayYear = 0, todayMonth = 0, todayDay = 0;
    qint16 openHour = 0, openMinute = 0;
    qint32 awayMinutes = 0;
    int grabX = 0, grabY = 0;
    int turnPick = 0;
};

} // namespace tarovin
