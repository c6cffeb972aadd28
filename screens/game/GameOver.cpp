#include "Gamepage.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
constexpr int totemStartTop = 2400;
constexpr int totemRise = 500;      // per tick of TimerAmin
constexpr int totemShowMs = 1000;
constexpr int lowEnergy = 15;       // a spent totem tops up energy at or below this
constexpr int totemEnergy = 8;
} // namespace

void Gamepage::GameOver()
{
    // Any count but 0 is a totem, a negative one included: that is how the
    // shop and the store have always treated it.
    if (totemItems != 0) {
        Control& totem = control(QStringLiteral("ImgTotem"));
        totem.top = totemStartTop;
        timer(QStringLiteral("TimerAmin")).setEnabled(true);
        if (energy <= lowEnergy)
            addEnergy(totemEnergy);
        ShowEnergy();
        totem.visible = true;
        playSound(QStringLiteral("TOTEMSOUND"));
        Timer& shown = timer(QStringLiteral("TimerTotem"));
        shown.setEnabled(true);
        shown.setInterval(totemShowMs); // a second totem within the second starts the rise again
        // Stops at the 16-bit floor instead of wrapping round to a full stock.
        totemItems = toInt16(qint64(totemItems) - 1);
        sv.store.save(keys::totem, totemItems);
        control(QStringLiteral("Diamond")).visible = true;
        UnlockAchievement(*this, AchievementId::Totem);
        return;
    }

    playSound(QStringLiteral("GAMEOVER"));
    control(QStringLiteral("OverscoreX")).caption = QString::number(score);

    auto setVisible = [this](std::initializer_list<const char*> names, bool visible) {
        for (const char* name : names)
            control(QString::fromLatin1(name)).visible = visible;
    };
    setVisible({"Scoreimg", "Score", "Vexo", "Vexotnt"}, false);
    setVisible({"Overimg", "Overtxt", "Overok"}, true);
    setVisible({"Twoscore", "Notnt", "Divtimes"}, false);
    // The dynamite lion ambles on behind the view, barely.
    timer(QStringLiteral("Timer2")).setInterval(9999);
    setVisible({"Image1", "Engnytxt", "Ly0", "Ly1", "Bottle", "Fakebottle"}, false);
    isOver = true;
    background = control(QStringLiteral("Image2")).picture;

    setVisible({"Maxscore", "Maxcoinimg"}, false);
    setVisible({"Label1", "OverscoreX"}, true);
    control(QStringLiteral("Iron")).visible = false;
    timer(QStringLiteral("TimerIronDia")).setEnabled(false);
    control(QStringLiteral("Cambo")).visible = false;
    timer(QStringLiteral("TimerCb")).setEnabled(false);
    control(QStringLiteral("ImgTotem")).visible = false;
    setVisible({"x2wait", "notntwait", "slowwait", "FpsTxt"}, false);
    timer(QStringLiteral("Timerfps")).setEnabled(false);
    // A diamond on show stays and can still be collected; the power-up timers
    // run on and may bring their buttons back over this view.
}

void Gamepage::TimerAmin_Timer()
{
    control(QStringLiteral("ImgTotem")).top -= totemRise;
}

void Gamepage::TimerTotem_Timer()
{
    control(QStringLiteral("ImgTotem")).visible = false;
    timer(QStringLiteral("TimerTotem")).setEnabled(false);
    timer(QStringLiteral("TimerAmin")).setEnabled(false);
}

void Gamepage::Overok_Click()
{
    playSound(QStringLiteral("BTNSOUND"));
    sv.navigator.switchTo(screen::start, *this);
}

} // namespace tarovin
