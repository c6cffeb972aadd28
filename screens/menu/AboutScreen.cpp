#include "AboutScreen.h"

#include "Version.h"
#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {
const QString calmSpeech = QStringLiteral("我的名字叫小獅，英文名叫vexo喔！");
const QString angrySpeech = QStringLiteral("我要生氣了喔！");
const QString textColor = QStringLiteral("#4A2C17");
} // namespace

AboutScreen::AboutScreen(Services& services) : MenuChild(services, screen::about, formSize::standard) {}

void AboutScreen::design()
{
    background.name = QStringLiteral("bg_about");

    struct LabelSpec {
        const char* name;
        Rect rect;
        QString caption;
    };
    const LabelSpec labels[] = {
        {"Label1", {960, 840, 12495, 495}, QStringLiteral("開發者:伍朵(嘴上說討厭獅子，其實最愛小獅了)")},
        {"Label3", {960, 1800, 12495, 495}, QStringLiteral("版本:") + QStringLiteral(TAROVIN_VERSION)},
        {"Label4", {960, 2280, 12495, 495}, QStringLiteral("版本發布日:2026/5/18")},
        {"Label5", {960, 2760, 12495, 495}, QStringLiteral("遊戲介紹:按下獅子即可拿分")},
        {"Label6", {960, 3240, 12735, 855},
         QStringLiteral("玩法:按下沒有炸藥的獅子可以加分，按下炸藥獅子會結束遊戲，可以懸停在道具扭看說明，須注意能量值喔")},
        {"Label7", {960, 4200, 12495, 495},
         QStringLiteral("本次更新:道具補充有效、聲音多播放、BGM(測試版)、成就、寵物、字體全面升級")},
    };
    for (const LabelSpec& l : labels) {
        Control& c = addLabel(QString::fromUtf8(l.name), l.rect, l.caption);
        c.fontSize = 14.25;
        c.foreColor = textColor;
    }

    Control& head = addImage(QStringLiteral("Vexohead"), {1200, 6600, 1215, 1215}, QStringLiteral("lion_head"));
    head.tooltip = QStringLiteral("點我");
    head.onClick = [this] { Vexohead_Click(); };
    head.onDblClick = [this] { Vexohead_DblClick(); };

    Control& mark = addImage(QStringLiteral("angry"), {1920, 6960, 240, 240}, QStringLiteral("anger_mark"));
    mark.visible = false;
    ui.angry = &mark;

    Control& say = addTextBox(QStringLiteral("Say"), {2760, 6480, 7575, 1335}, calmSpeech);
    say.fontSize = 15.75;
    say.foreColor = textColor;
    ui.say = &say;

    Control& exit = addButton(QStringLiteral("Aboutexit"), {13080, 240, 735, 735}, QStringLiteral("btn_close"),
                              QStringLiteral("關閉"));
    exit.onClick = [this] { Aboutexit_Click(); };

    ui.notice = addAchievementNotice(*this);
}

void AboutScreen::onLoad()
{
    sv.sound.preload(QStringLiteral("BTNSOUND"));
    sv.sound.preload(QStringLiteral("VEXO"));
    sv.sound.preload(QStringLiteral("AWWREAL"));
    soundOpt = SoundOption(sv.store.get(keys::soundOpt));
    isAngry = false;
}

void AboutScreen::Vexohead_Click()
{
    playSound(isAngry ? QStringLiteral("AWWREAL") : QStringLiteral("VEXO"));
}

void AboutScreen::Vexohead_DblClick()
{
    ui.angry->visible = true;
    ui.say->caption = angrySpeech;
    isAngry = true;
    playSound(QStringLiteral("AWWREAL"));
    unlockAchievement(*this, ui.notice, AchievementId::Angry);
}

void AboutScreen::Aboutexit_Click()
{
    playSound(QStringLiteral("BTNSOUND"));
    sv.navigator.switchTo(screen::start, *this);
}


} // namespace tarovin
