#include "GameScreen.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Dialogs.h"
#include "toolkit/KeyCode.h"
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
const QString click = QStringLiteral("BTNSOUND");
} // namespace

GameScreen::GameScreen(Services& services) : MenuChild(services, screen::game, formSize::standard) {}

void GameScreen::design()
{
    background.name = QStringLiteral("bg_game");

    // ---- the lions, each facing right at the start; re1/re2 and rt1/rt2
    // only hold the pictures of each direction
    ui.vexo = &addImage(QStringLiteral("Vexo"), {360, laneTop, 3495, 2325});
    ui.vexo->picture = lionFacing.right;
    ui.vexo->onClick = [this] { Vexo_Click(); };
    ui.vexotnt = &addImage(QStringLiteral("Vexotnt"), {9720, laneTop, 3495, 2325});
    ui.vexotnt->picture = tntFacing.right;
    ui.vexotnt->onClick = [this] { Vexotnt_Click(); };
    auto addHolder = [this](const QString& name, Rect r, const Picture& picture) {
        Control& holder = addImage(name, r);
        holder.picture = picture;
        holder.visible = false;
    };
    addHolder(QStringLiteral("re1"), {120, 1800, 735, 495}, lionFacing.right);
    addHolder(QStringLiteral("re2"), {120, 2400, 735, 495}, lionFacing.left);
    addHolder(QStringLiteral("rt1"), {960, 1800, 735, 495}, tntFacing.right);
    addHolder(QStringLiteral("rt2"), {960, 2400, 735, 495}, tntFacing.left);

    // ---- the pick-up row
    struct PickUp {
        const char* name;
        int left;
        const char* picture;
        void (GameScreen::*handler)();
        Control* Ui::*handle;
    };
    const PickUp pickUps[] = {
        {"Bottle", 5520, "bottle", &GameScreen::Bottle_Click, &Ui::bottle},
        {"Fakebottle", 6480, "dynamite_water", &GameScreen::Fakebottle_Click, &Ui::fakebottle},
        {"Diamond", 8160, "diamond", &GameScreen::Diamond_Click, &Ui::diamond},
        {"Iron", 7320, "iron", &GameScreen::Iron_Click, &Ui::iron},
    };
    for (const PickUp& p : pickUps) {
        Control& c = addImage(QString::fromUtf8(p.name), {p.left, 7920, 735, 735}, QString::fromUtf8(p.picture));
        c.visible = false;
        c.onClick = [this, h = p.handler] { (this->*h)(); };
        ui.*p.handle = &c;
    }

    // ---- totem, game over and the top bar
    ui.imgTotem = &addImage(QStringLiteral("ImgTotem"), {5880, totemStartTop, 2700, 2700}, QStringLiteral("totem"));
    ui.imgTotem->visible = false;
    ui.overimg = &addImage(QStringLiteral("Overimg"), {4440, 1680, 5505, 2325}, QStringLiteral("gameover"));
    ui.overimg->visible = false;
    ui.image2 = &addImage(QStringLiteral("Image2"), {600, 3120, 975, 495}, QStringLiteral("bg_gameover"));
    ui.image2->visible = false;
    ui.image1 = &addImage(QStringLiteral("Image1"), {1200, 285, 735, 735}, QStringLiteral("energy"));
    ui.scoreimg = &addImage(QStringLiteral("Scoreimg"), {6840, 120, 615, 615}, QStringLiteral("coin"));
    ui.maxcoinimg = &addImage(QStringLiteral("Maxcoinimg"), {13560, 120, 615, 615}, QStringLiteral("coin"));

    ui.score = &addLabel(QStringLiteral("Score"), {7560, 120, 2415, 615}, QStringLiteral("0 獅幣"));
    ui.maxscore = &addLabel(QStringLiteral("Maxscore"), {10080, 120, 3375, 1215}, QStringLiteral("最高：0 獅幣"));
    ui.maxscore->align = Align::Right;
    ui.ly0 = &addLabel(QStringLiteral("Ly0"), {1800, 360, 3000, 615}, QString());
    ui.ly0->backColor = QStringLiteral("#C0C0C0");
    ui.ly1 = &addLabel(QStringLiteral("Ly1"), {1800, 360, 3000, 615}, QString());
    ui.ly1->backColor = game::energyColour(game::startEnergy);
    ui.engnytxt = &addLabel(QStringLiteral("Engnytxt"), {1800, 360, 3000, 615}, QStringLiteral("60%"));
    ui.engnytxt->align = Align::Center;
    ui.engnytxt->tooltip = QStringLiteral("您目前的能量");

    ui.cambo = &addLabel(QStringLiteral("Cambo"), {1440, 5880, 2295, 615}, QStringLiteral("Combo ×2!"));
    ui.cambo->visible = false;
    ui.cambo->foreColor = QStringLiteral("#FFE0C0");
    // At 20.25 pt "Combo ×4!" is a few pixels wider than the label in the
    // game's font and the count wraps out of sight; 18 pt keeps it on one line.
    ui.cambo->fontSize = 18;

    ui.irDm = &addLabel(QStringLiteral("IrDm"), {12000, 3000, 2295, 615}, QString());
    ui.irDm->fontFamily = QStringLiteral("Segoe UI");
    ui.irDm->fontSize = 15.75;

    ui.fpsTxt = &addLabel(QStringLiteral("FpsTxt"), {0, 1080, 1575, 495}, QStringLiteral("FPS: --"));
    ui.fpsTxt->align = Align::Center;
    ui.fpsTxt->fontSize = 15.75;
    ui.fpsTxt->backColor = QStringLiteral("#000000");
    // Black on black would hide the figure the label is there to show.
    ui.fpsTxt->foreColor = QStringLiteral("#FFFFFF");
    ui.fpsTxt->tooltip = QStringLiteral("版本");

    ui.overtxt = &addLabel(QStringLiteral("Overtxt"), {240, 4680, 13575, 615}, QStringLiteral("錯誤:遊戲未結束"));
    ui.overtxt->visible = false;
    ui.overtxt->align = Align::Center;
    ui.overtxt->fontSize = 26.25;
    ui.overtxt->foreColor = QStringLiteral("#FFFFFF");
    ui.label1 = &addLabel(QStringLiteral("Label1"), {6120, 4080, 1575, 615}, QStringLiteral("分數："));
    ui.label1->visible = false;
    ui.label1->align = Align::Center;
    ui.label1->foreColor = QStringLiteral("#FFFFFF");
    ui.overscoreX = &addLabel(QStringLiteral("OverscoreX"), {7560, 4080, 1575, 615}, QStringLiteral("0"));
    ui.overscoreX->visible = false;
    ui.overscoreX->fontSize = 21.75;
    ui.overscoreX->foreColor = QStringLiteral("#FFFF00");

    // ---- buttons; each waiting picture lies beneath its power-up button, so
    // it is seen only while that button is hidden (later buttons lie in front)
    const ButtonSpec<GameScreen> buttons[] = {
        {"Command1", {120, 120, 855, 855}, "btn_home", "回首頁", &GameScreen::Command1_Click},
        {"x2wait", {5520, 960, 825, 825}, "btn_double_wait", "雙倍獅幣", nullptr},
        {"notntwait", {6840, 960, 825, 825}, "btn_notnt_wait", "移除炸藥獅", nullptr},
        {"slowwait", {8160, 960, 825, 825}, "btn_slow_wait", "慢速獅子", nullptr},
        {"Twoscore", {5520, 960, 825, 825}, "btn_double", "雙倍獅幣", &GameScreen::Twoscore_Click},
        {"Notnt", {6840, 960, 825, 825}, "btn_notnt", "移除炸藥獅", &GameScreen::Notnt_Click},
        {"Divtimes", {8160, 960, 825, 825}, "btn_slow", "慢速獅子", &GameScreen::Divtimes_Click},
        {"Overok", {5160, 5640, 3735, 1095}, "btn_ok", "我知道了", &GameScreen::Overok_Click},
    };
    addButtons(*this, buttons);
    ui.x2wait = &control(QStringLiteral("x2wait"));
    ui.notntwait = &control(QStringLiteral("notntwait"));
    ui.slowwait = &control(QStringLiteral("slowwait"));
    ui.twoscore = &control(QStringLiteral("Twoscore"));
    ui.notnt = &control(QStringLiteral("Notnt"));
    ui.divtimes = &control(QStringLiteral("Divtimes"));
    ui.overok = &control(QStringLiteral("Overok"));
    ui.overok->visible = false;

    // ---- timers, in the order of creation that breaks ties between equal
    // due times; the load sets the intervals of those that start at 0
    ui.timer1 = &addTimer(QStringLiteral("Timer1"), true, 0, [this] { Timer1_Timer(); });
    ui.timer2 = &addTimer(QStringLiteral("Timer2"), true, 0, [this] { Timer2_Timer(); });
    ui.timerrt = &addTimer(QStringLiteral("Timerrt"), true, 0, [this] { Timerrt_Timer(); });
    ui.timerfps = &addTimer(QStringLiteral("Timerfps"), true, game::ms::frameCount, [this] { Timerfps_Timer(); });
    ui.timerbottle = &addTimer(QStringLiteral("Timerbottle"), true, 0, [this] { Timerbottle_Timer(); });
    ui.timerfakebott = &addTimer(QStringLiteral("Timerfakebott"), true, 0, [this] { Timerfakebott_Timer(); });
    ui.timerIronDia = &addTimer(QStringLiteral("TimerIronDia"), true, 0, [this] { TimerIronDia_Timer(); });
    ui.timerIrDm = &addTimer(QStringLiteral("TimerIrDm"), true, game::ms::pickUpText, [this] { TimerIrDm_Timer(); });
    ui.timerCb = &addTimer(QStringLiteral("TimerCb"), false, 0, [this] { TimerCb_Timer(); });
    ui.timerfly = &addTimer(QStringLiteral("Timerfly"), false, 0, [this] { Timerfly_Timer(); });
    ui.notice = addAchievementNotice(*this);
    ui.timerAmin = &addTimer(QStringLiteral("TimerAmin"), false, game::ms::totemRise, [this] { TimerAmin_Timer(); });
    ui.timerTotem = &addTimer(QStringLiteral("TimerTotem"), false, game::ms::totemShow, [this] { TimerTotem_Timer(); });
    ui.twoxtimer = &addTimer(QStringLiteral("Twoxtimer"), true, game::ms::doubleCoins, [this] { Twoxtimer_Timer(); });
    ui.tmr2x = &addTimer(QStringLiteral("tmr2x"), false, 0, [this] { tmr2x_Timer(); });
    ui.notnttimer = &addTimer(QStringLiteral("Notnttimer"), true, 0, [this] { Notnttimer_Timer(); });
    ui.timernt = &addTimer(QStringLiteral("Timernt"), true, 0, [this] { Timernt_Timer(); });
    ui.divtimer = &addTimer(QStringLiteral("Divtimer"), true, 0, [this] { Divtimer_Timer(); });
    ui.timerslo = &addTimer(QStringLiteral("Timerslo"), true, 0, [this] { Timerslo_Timer(); });

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

void GameScreen::onLoad()
{
    SettingsStore& store = sv.store;

    vexoDir = 1;
    tntDir = 1;
    ui.timer1->setInterval(game::ms::lionTick);
    ui.timer2->setInterval(game::ms::tntTick);
    score = 0;
    pickX = RandomX();
    ui.timerbottle->setInterval(game::ms::bottleEvery);
    ui.timerfakebott->setInterval(game::ms::fakeBottleEvery);
    // The bar keeps its design colour, the green that the start energy gives anyway.
    energy = game::startEnergy;
    ShowEnergyLevel();
    ui.timerIronDia->setInterval(game::ms::pickUpEvery);
    ui.timerIrDm->setInterval(game::ms::firstPickUpText);
    ui.timerCb->setInterval(game::ms::comboEnd); // stays disabled until a tap
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
        sv.sound.preload(QString::fromLatin1(sound));

    doubleOn = false;
    // A game left during the slow lion must not start the next one slow.
    slowOn = false;
    showBestScore();
    ui.timerrt->setInterval(game::ms::contactCheck);

    ui.vexo->left = pickX;
    pickX = RandomX();
    ui.vexotnt->left = pickX;

    doubleItems = toInt16(store.get(keys::scoreX));
    noTntItems = toInt16(store.get(keys::noTnt));
    slowItems = toInt16(store.get(keys::slowLion));
    totemItems = toInt16(store.get(keys::totem));
    usedDouble = 0;
    usedNoTnt = 0;
    usedSlow = 0;

    sv.frames.ResetFrameCounter(sv.ticks.ticks());
}

void GameScreen::onKeyDown(int key)
{
    if (key == keyCode::escape)
        leaveToMenu();
}

void GameScreen::Command1_Click()
{
    playSound(click);
    // The game runs on while the question is open.
    const int answer = sv.dialogs.messageBox(QStringLiteral("是否離開遊戲？"), MsgButtons::OkCancel, MsgIcon::None, gameTitle);
    playSound(click);
    if (answer == MsgOk)
        leaveToMenu();
}

void GameScreen::leaveToMenu()
{
    sv.navigator.switchTo(screen::start, *this);
}

void GameScreen::Timerfps_Timer()
{
    sv.frames.CountFrame(sv.ticks.ticks());
    ui.fpsTxt->caption = QStringLiteral("FPS: ") + QString::number(sv.frames.CurrentFps());
}

qint16 GameScreen::RandomX()
{
    sv.random.seedFromClock();
    return game::randomX(sv.random.next());
}

void GameScreen::ShowEnergy()
{
    ShowEnergyLevel();
    ShowEnergyColour();
}

void GameScreen::ShowEnergyLevel()
{
    ui.engnytxt->caption = QString::number(energy) + QLatin1Char('%');
    ui.ly1->width = game::energyBarWidth(energy);
}

void GameScreen::ShowEnergyColour()
{
    ui.ly1->backColor = game::energyColour(energy);
}

void GameScreen::addEnergy(int amount)
{
    energy = game::energyAfter(energy, amount);
}

void GameScreen::showBestScore()
{
    ui.maxscore->caption = QStringLiteral("最高:") + QString::number(bestScore) + QStringLiteral(" 獅幣");
}

void GameScreen::showScore()
{
    ui.score->caption = QString::number(score) + QStringLiteral("獅幣");
}

} // namespace tarovin
