#pragma once

#include "GameRules.h"
#include "screens/achievements/Achievements.h"
#include "screens/MenuChild.h"

#include <QString>
#include <QtGlobal>

namespace tarovin {

// The game: a lion walks to and fro along the lane, the player taps it for
// lion coins, a dynamite lion walks the same lane, pick-ups appear on the row
// below, and three power-ups change a running game.
//
// The handlers are spread over a few files, one job each:
//   GameScreen.cpp  the controls, the load, the frame display and leaving
//   Movement.cpp  the lions' walk, IsCollide and the pick-up placement
//   Tapping.cpp   tapping the lion, its hop and the combo
//   GameOver.cpp  the end of a game and the immunity totem
//   Hazards.cpp   energy, lion contact, the bottle and the dynamite water
//   PowerUps.cpp  diamonds, iron medals and the three power-ups
// and the arithmetic and timings they share, on plain values, in GameRules.h.
//
// The state is public so that tests can look at it directly.
class GameScreen final : public MenuChild {
public:
    explicit GameScreen(Services& services);

    // The playfield's scale width: the lions turn where their right edge reaches it.
    static constexpr int scaleWidth = 14220;
    static constexpr int laneTop = 6480;
    // Where the totem stands in the design and starts its rise at every use.
    static constexpr int totemStartTop = 2400;

    // Each lion's picture for each way it faces: the walk turns a lion to
    // these, and the hidden holders re1/re2 (the lion) and rt1/rt2 (the
    // dynamite lion) show the same.
    struct Facing {
        Picture right;
        Picture left;
    };
    static inline const Facing lionFacing{{QStringLiteral("lion"), false}, {QStringLiteral("lion"), true}};
    static inline const Facing tntFacing{{QStringLiteral("lion_dynamite"), false},
                                         {QStringLiteral("lion_dynamite"), true}};

    // ---- state; the load sets all of these except combo, inContact and noTntOn,
    // which keep their values on this object from one game to the next.
    qint32 score = 0;         // coins of this game; stops at its maximum
    qint32 bestScore = 0;     // mirror of MAXSCORE
    qint16 energy = game::startEnergy; // game::minEnergy..maxEnergy
    int vexoDir = 1;          // +1 walking right, -1 left
    int tntDir = 1;
    bool doubleOn = false;    // double coins running
    bool noTntOn = false;     // the dynamite lion is taken away
    bool slowOn = false;      // slow lion running: the lion steps 150 instead of 200
    bool isOver = false;      // the final game over has happened
    bool inContact = false;   // the lions touched at the last contact check
    int combo = 0;            // taps of the running combo
    qint16 diamondCount = 0;  // mirrors of DIAMOND and IRON
    qint16 ironCount = 0;
    qint16 doubleItems = 0;   // mirrors of the items SCOREX, NOTNT, SLOWLION, TOTEM
    qint16 noTntItems = 0;
    qint16 slowItems = 0;
    qint16 totemItems = 0;
    int usedDouble = 0;       // 1 once the free use of that power-up is spent
    int usedNoTnt = 0;
    int usedSlow = 0;
    qint16 pickX = 0;         // the last position drawn by RandomX
    qint16 pickKind = 0;      // 1..10; 5 places a diamond, anything else an iron medal

    // ---- the screen
    void onLoad() override;
    void onKeyDown(int keyCode) override;
    void Command1_Click();
    void Timerfps_Timer();

    // Shared operations.
    // A new horizontal position, game::randomX of a fresh draw.
    qint16 RandomX();
    // Energy caption, bar width and bar colour.
    void ShowEnergy();
    // The first two of these: caption and width. Handlers that change the
    // energy refresh these first and the colour at their end.
    void ShowEnergyLevel();
    void ShowEnergyColour();
    // Changes the energy by amount, within its bounds.
    void addEnergy(int amount);

    // ---- movement and placement
    void Timer1_Timer();
    void Timer2_Timer();
    // True when the rectangles of a and b overlap or touch; visibility plays no part.
    static bool IsCollide(const Control& a, const Control& b);
    void Timerbottle_Timer();
    void Timerfakebott_Timer();
    void TimerIronDia_Timer();

    // ---- tapping
    void Vexo_Click();
    void Timerfly_Timer();
    void TimerCb_Timer();

    // ---- game over and the totem
    void GameOver();
    void TimerAmin_Timer();
    void TimerTotem_Timer();
    void Overok_Click();

    // ---- hazards and energy
    void Timerrt_Timer();
    void DrainEnergy();
    void Bottle_Click();
    void Fakebottle_Click();
    void Vexotnt_Click();

    // ---- pick-ups and power-ups
    void Diamond_Click();
    void Iron_Click();
    void TimerIrDm_Timer();
    void Twoscore_Click();
    void Twoxtimer_Timer();
    void tmr2x_Timer();
    void Notnt_Click();
    void Notnttimer_Timer();
    void Timernt_Timer();
    void Divtimes_Click();
    void Divtimer_Timer();
    void Timerslo_Timer();

protected:
    void design() override;

private:
    // The controls and timers the handlers reach, filled by every design.
    struct Ui {
        AchievementNotice notice; // the label avdatxt and the timer TimerAVtxt
        Control* vexo = nullptr;
        Control* vexotnt = nullptr;
        Control* bottle = nullptr;
        Control* fakebottle = nullptr;
        Control* diamond = nullptr;
        Control* iron = nullptr;
        Control* imgTotem = nullptr;
        Control* overimg = nullptr;
        Control* image2 = nullptr;
        Control* image1 = nullptr;
        Control* scoreimg = nullptr;
        Control* maxcoinimg = nullptr;
        Control* score = nullptr;
        Control* maxscore = nullptr;
        Control* ly0 = nullptr;
        Control* ly1 = nullptr;
        Control* engnytxt = nullptr;
        Control* cambo = nullptr;
        Control* irDm = nullptr;
        Control* fpsTxt = nullptr;
        Control* overtxt = nullptr;
        Control* label1 = nullptr;
        Control* overscoreX = nullptr;
        Control* x2wait = nullptr;
        Control* notntwait = nullptr;
        Control* slowwait = nullptr;
        Control* twoscore = nullptr;
        Control* notnt = nullptr;
        Control* divtimes = nullptr;
        Control* overok = nullptr;
        Timer* timer1 = nullptr;
        Timer* timer2 = nullptr;
        Timer* timerrt = nullptr;
        Timer* timerfps = nullptr;
        Timer* timerbottle = nullptr;
        Timer* timerfakebott = nullptr;
        Timer* timerIronDia = nullptr;
        Timer* timerIrDm = nullptr;
        Timer* timerCb = nullptr;
        Timer* timerfly = nullptr;
        Timer* timerAmin = nullptr;
        Timer* timerTotem = nullptr;
        Timer* twoxtimer = nullptr;
        Timer* tmr2x = nullptr;
        Timer* notnttimer = nullptr;
        Timer* timernt = nullptr;
        Timer* divtimer = nullptr;
        Timer* timerslo = nullptr;
    };
    Ui ui;

    void showBestScore();
    void showScore();
    // Raises the best score to the score when reached, and stores it.
    void keepBestScore();
    void leaveToMenu();
    // PowerUps.cpp: a diamond or medal into the wallet, and the steps every
    // power-up use shares (the free use, the item cost, the wait).
    void collectPickUp(Control& pickUp, const QString& text, qint16& count, const StoreKey& key);
    void consumePowerUp(qint16& count, int& used, Timer& wait, Control& waitButton, const StoreKey& key,
                        bool storeEmpty);
};

} // namespace tarovin
