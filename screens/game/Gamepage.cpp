#include "Gamepage.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "services/FrameCounter.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
const QString gameTitle = QStringLiteral("咕嚕果");
const QString click = QStringLiteral("BTNSOUND");
} // namespace

Gamepage::Gamepage(Services& services) : Form(services, screen::gamepage, gameTitle, 14220, 8640) {}

void Gamepage::design()
{
    background.name = QStringLiteral("bg_game");

    // ---- the lions; re1/re2 and rt1/rt2 only hold the pictures of each direction
    Control& vexo = addImage(QStringLiteral("Vexo"), {360, laneTop, 3495, 2325}, QStringLiteral("lion"));
    vexo.onClick = [this] { Vexo_Click(); };
    Control& vexoTnt = addImage(QStringLiteral("Vexotnt"), {9720, laneTop, 3495, 2325}, QStringLiteral("lion_dynamite"));
    vexoTnt.onClick = [this] { Vexotnt_Click(); };
    addImage(QStringLiteral("re1"), {120, 1800, 735, 495}, QStringLiteral("lion")).visible = false;
    Control& re2 = addImage(QStringLiteral("re2"), {120, 2400, 735, 495}, QStringLiteral("lion"));
    re2.picture.mirrored = true;
    re2.visible = false;
    addImage(QStringLiteral("rt1"), {960, 1800, 735, 495}, QStringLiteral("lion_dynamite")).visible = false;
    Control& rt2 = addImage(QStringLiteral("rt2"), {960, 2400, 735, 495}, QStringLiteral("lion_dynamite"));
    rt2.picture.mirrored = true;
    rt2.visible = false;

    // ---- the pick-up row
    struct PickUp {
        const char* name;
        int left;
        const char* picture;
        void (Gamepage::*handler)();
    };
    const PickUp pickUps[] = {
        {"Bottle", 5520, "bottle", &Gamepage::Bottle_Click},
        {"Fakebottle", 6480, "dynamite_water", &Gamepage::Fakebottle_Click},
        {"Diamond", 8160, "diamond", &Gamepage::Diamond_Click},
        {"Iron", 7320, "iron", &Gamepage::Iron_Click},
    };
    for (const PickUp& p : pickUps) {
        Control& c = addImage(QString::fromUtf8(p.name), {p.left, 7920, 735, 735}, QString::fromUtf8(p.picture));
        c.visible = false;
        c.onClick = [this, h = p.handler] { (this->*h)(); };
    }

    // ---- totem, game over and the top bar
    addImage(QStringLiteral("ImgTotem"), {5880, 2400, 2700, 2700}, QStringLiteral("totem")).visible = false;
    addImage(QStringLiteral("Overimg"), {4440, 1680, 5505, 2325}, QStringLiteral("gameover")).visible = false;
    addImage(QStringLiteral("Image2"), {600, 3120, 975, 495}, QStringLiteral("bg_gameover")).visible = false;
    addImage(QStringLiteral("Image1"), {1200, 285, 735, 735}, QStringLiteral("energy"));
    addImage(QStringLiteral("Scoreimg"), {6840, 120, 615, 615}, QStringLiteral("coin"));
    addImage(QStringLiteral("Maxcoinimg"), {13560, 120, 615, 615}, QStringLiteral("coin"));

    addLabel(QStringLiteral("Score"), {7560, 120, 2415, 615}, QStringLiteral("0 獅幣"));
    addLabel(QStringLiteral("Maxscore"), {10080, 120, 3375, 1215}, QStringLiteral("最高：0 獅幣")).align = Align::Right;
    addLabel(QStringLiteral("Ly0"), {1800, 360, 3000, 615}, QString()).backColor = QStringLiteral("#C0C0C0");
    addLabel(QStringLiteral("Ly1"), {1800, 360, 3000, 615}, QString()).backColor = QStringLiteral("#00FFCC");
    Control& energyText = addLabel(QStringLiteral("Engnytxt"), {1800, 360, 3000, 615}, QStringLiteral("60%"));
    energyText.align = Align::Center;
    energyText.tooltip = QStringLiteral("您目前的能量");

    Control& comboText = addLabel(QStringLiteral("Cambo"), {1440, 5880, 2295, 615}, QStringLiteral("Combo ×2!"));
    comboText.visible = false;
    comboText.foreColor = QStringLiteral("#FFE0C0");
    // At 20.25 pt "Combo ×4!" is a few pixels wider than the label in the
    // game's font and the count wraps out of sight; 18 pt keeps it on one line.
    comboText.fontSize = 18;

    Control& pickText = addLabel(QStringLiteral("IrDm"), {12000, 3000, 2295, 615}, QString());
    pickText.fontFamily = QStringLiteral("Segoe UI");
    pickText.fontSize = 15.75;

    Control& fps = addLabel(QStringLiteral("FpsTxt"), {0, 1080, 1575, 495}, QStringLiteral("FPS: --"));
    fps.align = Align::Center;
    fps.fontSize = 15.75;
    fps.backColor = QStringLiteral("#000000");
    // Black on black would hide the figure the label is there to show.
    fps.foreColor = QStringLiteral("#FFFFFF");
    fps.tooltip = QStringLiteral("版本");

    Control& reason = addLabel(QStringLiteral("Overtxt"), {240, 4680, 13575, 615}, QStringLiteral("錯誤:遊戲未結束"));
    reason.visible = false;
    reason.align = Align::Center;
    reason.fontSize = 26.25;
    reason.foreColor = QStringLiteral("#FFFFFF");
    Control& scoreCaption = addLabel(QStringLiteral("Label1"), {6120, 4080, 1575, 615}, QStringLiteral("分數："));
    scoreCaption.visible = false;
    scoreCaption.align = Align::Center;
    scoreCaption.foreColor = QStringLiteral("#FFFFFF");
    Control& finalScore = addLabel(QStringLiteral("OverscoreX"), {7560, 4080, 1575, 615}, QStringLiteral("0"));
    finalScore.visible = false;
    finalScore.fontSize = 21.75;
    finalScore.foreColor = QStringLiteral("#FFFF00");

    // ---- buttons; each waiting picture lies beneath its power-up button, so
    // it is seen only while that button is hidden (later buttons lie in front)
    const ButtonSpec<Gamepage> buttons[] = {
        {"Command1", {120, 120, 855, 855}, "btn_home", "回首頁", &Gamepage::Command1_Click},
        {"x2wait", {5520, 960, 825, 825}, "btn_double_wait", "雙倍獅幣", nullptr},
        {"notntwait", {6840, 960, 825, 825}, "btn_notnt_wait", "移除炸藥獅", nullptr},
        {"slowwait", {8160, 960, 825, 825}, "btn_slow_wait", "慢速獅子", nullptr},
        {"Twoscore", {5520, 960, 825, 825}, "btn_double", "雙倍獅幣", &Gamepage::Twoscore_Click},
        {"Notnt", {6840, 960, 825, 825}, "btn_notnt", "移除炸藥獅", &Gamepage::Notnt_Click},
        {"Divtimes", {8160, 960, 825, 825}, "btn_slow", "慢速獅子", &Gamepage::Divtimes_Click},
        {"Overok", {5160, 5640, 3735, 1095}, "btn_ok", "我知道了", &Gamepage::Overok_Click},
    };
    addButtons(*this, buttons);
    control(QStringLiteral("Overok")).visible = false;

    // ---- timers, in the order of creation that breaks ties between equal due times
    addTimer(QStringLiteral("Timer1"), true, 0, [this] { Timer1_Timer(); });
    addTimer(QStringLiteral("Timer2"), true, 0, [this] { Timer2_Timer(); });
    addTimer(QStringLiteral("Timerrt"), true, 0, [this] { Timerrt_Timer(); });
    addTimer(QStringLiteral("Timerfps"), true, 10, [this] { Timerfps_Timer(); });
    addTimer(QStringLiteral("Timerbottle"), true, 0, [this] { Timerbottle_Timer(); });
    addTimer(QStringLiteral("Timerfakebott"), true, 0, [this] { Timerfakebott_Timer(); });
    addTimer(QStringLiteral("TimerIronDia"), true, 0, [this] { TimerIronDia_Timer(); });
    addTimer(QStringLiteral("TimerIrDm"), true, 1000, [this] { TimerIrDm_Timer(); });
    addTimer(QStringLiteral("TimerCb"), false, 0, [this] { TimerCb_Timer(); });
    addTimer(QStringLiteral("Timerfly"), false, 0, [this] { Timerfly_Timer(); });
    addAchievementNotice(*this); // the label avdatxt and the timer TimerAVtxt
    addTimer(QStringLiteral("TimerAmin"), false, 100, [this] { TimerAmin_Timer(); });
    addTimer(QStringLiteral("TimerTotem"), false, 1000, [this] { TimerTotem_Timer(); });
    addTimer(QStringLiteral("Twoxtimer"), true, 8000, [this] { Twoxtimer_Timer(); });
    addTimer(QStringLiteral("tmr2x"), false, 0, [this] { tmr2x_Timer(); });
    addTimer(QStringLiteral("Notnttimer"), true, 0, [this] { Notnttimer_Timer(); });
    addTimer(QStringLiteral("Timernt"), true, 0, [this] { Timernt_Timer(); });
    addTimer(QStringLiteral("Divtimer"), true, 0, [this] { Divtimer_Timer(); });
    addTimer(QStringLiteral("Timerslo"), true, 0, [this] { Timerslo_Timer(); });

    stackFrontToBack({
        QStringLiteral("avdatxt"), QStringLiteral("FpsTxt"), QStringLiteral("ImgTotem"), QStringLiteral("Cambo"),
        QStringLiteral("IrDm"), QStringLiteral("OverscoreX"), QStringLiteral("Label1"), QStringLiteral("Image2"),
        QStringLiteral("Image1"), QStringLiteral("rt2"), QStringLiteral("re2"), QStringLiteral("rt1"),
        QStringLiteral("re1"), QStringLiteral("Engnytxt"), QStringLiteral("Ly1"), QStringLiteral("Ly0"),
        QStringLiteral("Maxcoinimg"), QStringLiteral("Maxscore"), QStringLiteral("Overtxt"), QStringLiteral("Overimg"),
        QStringLiteral("Vexotnt"), QStringLiteral("Vexo"), QStringLiteral("Scoreimg"), QStringLiteral("Score"),
        QStringLiteral("Bottle"), QStringLiteral("Fakebottle"), QStringLiteral("Diamond"), QStringLiteral("Iron"),
    });
}

void Gamepage::Form_Load()
{
    SettingsStore& store = sv.store;

    vexoDir = 1;
    tntDir = 1;
    timer(QStringLiteral("Timer1")).setInterval(12);
    timer(QStringLiteral("Timer2")).setInterval(25);
    score = 0;
    pickX = RandomX();
    timer(QStringLiteral("Timerbottle")).setInterval(25000);
    timer(QStringLiteral("Timerfakebott")).setInterval(20000);
    // The bar keeps its design colour, the green that 56 gives anyway.
    energy = 56;
    ShowEnergyLevel();
    timer(QStringLiteral("TimerIronDia")).setInterval(20000);
    timer(QStringLiteral("TimerIrDm")).setInterval(3000);
    timer(QStringLiteral("TimerCb")).setInterval(1500); // stays disabled until a tap
    isOver = false;

    // Opened from the menu, which has set the option already; should the key
    // be gone since (another copy wiped the store), the game plays with sound.
    soundOpt = SoundOption(store.get(keys::soundOpt, qint32(SoundOption::On)));
    bestScore = store.get(keys::maxScore);
    // The wallet is 16-bit; a larger stored value is read clamped.
    diamondCount = toInt16(store.get(keys::diamond));
    ironCount = toInt16(store.get(keys::iron));
    if (bestScore == 0)
        store.save(keys::maxScore, 0);

    for (const char* sound : {"BTNSOUND", "AWWREAL", "GAMEOVER", "EFFECT", "HAPPY", "TOTEMSOUND"})
        sv.sound.PreloadResSound(QString::fromLatin1(sound));

    doubleOn = false;
    // A game left during the slow lion must not start the next one slow.
    slowOn = false;
    showBestScore();
    timer(QStringLiteral("Timerrt")).setInterval(50);

    control(QStringLiteral("Vexo")).left = pickX;
    pickX = RandomX();
    control(QStringLiteral("Vexotnt")).left = pickX;

    doubleItems = toInt16(store.get(keys::scoreX));
    noTntItems = toInt16(store.get(keys::noTnt));
    slowItems = toInt16(store.get(keys::slowLion));
    totemItems = toInt16(store.get(keys::totem));
    usedDouble = 0;
    usedNoTnt = 0;
    usedSlow = 0;

    sv.frames.ResetFrameCounter(sv.ticks.ticks());
}

void Gamepage::Form_QueryUnload()
{
    sv.navigator.load(screen::start);
    sv.navigator.show(screen::start);
    sv.sound.StopAllSounds();
}

void Gamepage::Form_KeyDown(int keyCode)
{
    if (keyCode == 27)
        leaveToMenu();
}

void Gamepage::Command1_Click()
{
    playSound(click);
    // The game runs on while the question is open.
    const int answer = sv.dialogs.messageBox(QStringLiteral("是否離開遊戲？"), MsgButtons::OkCancel, MsgIcon::None, gameTitle);
    playSound(click);
    if (answer == MsgOk)
        leaveToMenu();
}

void Gamepage::leaveToMenu()
{
    sv.navigator.switchTo(screen::start, *this);
}

void Gamepage::Timerfps_Timer()
{
    sv.frames.CountFrame(sv.ticks.ticks());
    control(QStringLiteral("FpsTxt")).caption = QStringLiteral("FPS: ") + QString::number(sv.frames.CurrentFps());
}

qint16 Gamepage::RandomX()
{
    sv.random.seedFromClock();
    // 1..14310: the range runs past the scale width, so a pick-up may land
    // partly or wholly beyond the right edge.
    return qint16(integerPart(sv.random.next() * 14310 + 1));
}

void Gamepage::ShowEnergy()
{
    ShowEnergyLevel();
    ShowEnergyColour();
}

void Gamepage::ShowEnergyLevel()
{
    control(QStringLiteral("Engnytxt")).caption = QString::number(energy) + QLatin1Char('%');
    control(QStringLiteral("Ly1")).width = energy * 30;
}

void Gamepage::ShowEnergyColour()
{
    // Three tests, the last that matches wins: 56..100 green, 26..55
    // yellow-green, 0..25 orange.
    QString& colour = control(QStringLiteral("Ly1")).backColor;
    if (energy >= 55)
        colour = QStringLiteral("#00FFCC");
    if (energy >= 25 && energy <= 55)
        colour = QStringLiteral("#B7DA10");
    if (energy <= 25)
        colour = QStringLiteral("#F5B327");
}

void Gamepage::addEnergy(int amount)
{
    energy = qint16(qBound(0, energy + amount, 100));
}

void Gamepage::showBestScore()
{
    control(QStringLiteral("Maxscore")).caption = QStringLiteral("最高:") + QString::number(bestScore) + QStringLiteral(" 獅幣");
}

void Gamepage::showScore()
{
    control(QStringLiteral("Score")).caption = QString::number(score) + QStringLiteral("獅幣");
}

} // namespace tarovin
