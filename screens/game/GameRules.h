#pragma once

#include <QString>
#include <QtGlobal>

// The arithmetic of the game and its timings, apart from the screen that
// shows them, so that each rule and each interval reads in one place. These
// work on plain values only; the screen's handlers call them.
namespace tarovin::game {

// ---- energy, 0..100
constexpr int minEnergy = 0;
constexpr int maxEnergy = 100;
constexpr int startEnergy = 56;
constexpr int tapEnergy = 2;        // each tap on the lion feeds it
constexpr int contactCost = 2;      // each meeting with the dynamite lion
constexpr int bottleEnergy = 20;
constexpr int totemLowEnergy = 15;  // a spent totem tops up energy at or below this
constexpr int totemEnergy = 8;

// energy + amount, held inside minEnergy..maxEnergy.
qint16 energyAfter(int energy, int amount);

// The energy bar is 30 twips wide per point.
constexpr int energyBarWidth(int energy) { return energy * 30; }

// The bar's colour. Three tests, the last that matches wins, and the middle
// one takes both its ends: 56..100 green, 26..55 yellow-green, 0..25 orange.
constexpr QLatin1String energyColour(int energy)
{
    QLatin1String colour;
    if (energy >= 55)
        colour = QLatin1String("#00FFCC");
    if (energy >= 25 && energy <= 55)
        colour = QLatin1String("#B7DA10");
    if (energy <= 25)
        colour = QLatin1String("#F5B327");
    return colour;
}

// ---- coins
// Coins of one tap, and the bonus of the tap that completes a combo of
// comboLength taps; double coins doubles both.
constexpr int comboLength = 5;
constexpr int tapCoins(bool doubleCoins) { return doubleCoins ? 2 : 1; }
constexpr int comboBonus(bool doubleCoins) { return doubleCoins ? 20 : 10; }
// score + coins, stopping at the 32-bit maximum instead of wrapping.
qint32 scoreAfter(qint32 score, int coins);

// ---- random draws, each from a unit value in [0, 1)
// A horizontal position from 1 to 14310: the range runs past the playfield's
// width, so a pick-up may land partly or wholly beyond the right edge.
constexpr int randomXSpan = 14310;
qint16 randomX(double unit);
// The kind of the next pick-up, 1..10; one kind in ten is a diamond, the rest
// are iron medals.
qint16 pickKind(double unit);
constexpr bool isDiamond(qint16 kind) { return kind == 5; }

// ---- the lions' walk
constexpr int lionStep = 200;
constexpr int slowLionStep = 150;   // the slow lion takes shorter steps as well as a longer tick
constexpr int tntStep = 150;

struct Walk {
    int left;
    int dir;      // +1 right, -1 left
    bool turned;  // an edge was reached: the lion now faces dir
};
// One step: move, then turn at the right edge (where the lion's right side
// reaches edge) and at the left edge, both tested on the new position.
Walk walked(int left, int width, int dir, int step, int edge);

// ---- timings in ms, each written once; the screen's design and handlers
// read them from here.
namespace ms {
constexpr int lionTick = 12;            // Timer1
constexpr int slowLionTick = 18;        // Timer1 during the slow lion
constexpr int tntTick = 25;             // Timer2
constexpr int tntTickAfterGameOver = 9999; // the dynamite lion ambles on behind the game-over view
constexpr int contactCheck = 50;        // Timerrt
constexpr int frameCount = 10;          // Timerfps
constexpr int bottleEvery = 25000;      // Timerbottle
constexpr int fakeBottleEvery = 20000;  // Timerfakebott
constexpr int pickUpEvery = 20000;      // TimerIronDia
constexpr int pickUpEveryDouble = 5000; // TimerIronDia under double coins
constexpr int firstPickUpText = 3000;   // TimerIrDm from the load
constexpr int pickUpText = 1000;        // TimerIrDm after a pick-up
constexpr int comboEnd = 1500;          // TimerCb: after the last tap
constexpr int hop = 200;                // Timerfly: after the last tap
constexpr int totemRise = 100;          // TimerAmin
constexpr int totemShow = 1000;         // TimerTotem
constexpr int doubleCoins = 8000;       // Twoxtimer
constexpr int noTnt = 10000;            // Notnttimer
constexpr int slowLion = 10000;         // Divtimer
constexpr int powerUpWait = 10000;      // tmr2x, Timernt, Timerslo
} // namespace ms

} // namespace tarovin::game
