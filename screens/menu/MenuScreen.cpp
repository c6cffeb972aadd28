#include "MenuScreen.h"

#include "Tips.h"
#include "Version.h"
#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

#include <utility>

namespace tarovin {

namespace {
const QString click = QStringLiteral("BTNSOUND");
} // namespace

MenuScreen::MenuScreen(Services& services, MakerSite site)
    : Form(services, screen::start, formSize::wide), site_(std::move(site))
{
}

void MenuScreen::design()
{
    background.name = QStringLiteral("bg_menu");

    Control& title = addImage(QStringLiteral("Image1"), {4440, 120, 5415, 2175}, QStringLiteral("menu_title"));
    title.onDblClick = [this] { Image1_DblClick(); };

    Control& tip = addLabel(QStringLiteral("Tlips"), {1282, 1680, 11895, 735}, QString());
    tip.align = Align::Center;
    tip.fontSize = 15.75;
    tip.foreColor = QStringLiteral("#4A2C17");
    ui.tlips = &tip;

    Control& version = addLabel(QStringLiteral("Vertxt"), {12840, 8160, 1575, 615}, QStringLiteral(TAROVIN_VERSION));
    version.tooltip = QStringLiteral("版本");
    version.fontSize = 14.25;
    version.foreColor = QStringLiteral("#4A2C17");

    ui.notice = addAchievementNotice(*this);

    const ButtonSpec<MenuScreen> buttons[] = {
        {"Play", {4920, 2520, 4455, 1095}, "btn_play", "開始遊戲按鈕", &MenuScreen::Play_Click},
        {"Setstbtn", {4920, 3960, 4455, 1095}, "btn_settings", "設定", &MenuScreen::Setstbtn_Click},
        {"Close", {4920, 5400, 4455, 1095}, "btn_exit", "退出遊戲按鈕", &MenuScreen::Close_Click},
        {"Cmdabout", {120, 120, 855, 855}, "btn_about", "顯示說明與關於", &MenuScreen::Cmdabout_Click},
        {"Cmdskin", {120, 1080, 855, 855}, "btn_skin", "更換主題(未開發)", &MenuScreen::Cmdskin_Click},
        {"Cmdavda", {120, 2040, 855, 855}, "btn_achievements", "成就系統", &MenuScreen::Cmdavda_Click},
        {"Cmdshop", {120, 3000, 855, 855}, "btn_shop", "商城", &MenuScreen::Cmdshop_Click},
        {"fixgame", {1080, 120, 855, 855}, "btn_fix", "修復遊戲", &MenuScreen::fixgame_Click},
        {"Quorelnet", {240, 7680, 735, 735}, "btn_web", "官方網站", &MenuScreen::Quorelnet_Click},
        {"Email", {1200, 7680, 735, 735}, "btn_mail", "回報錯誤", &MenuScreen::Email_Click},
        {"Pet", {2160, 7680, 735, 735}, "btn_pet", "寵物", &MenuScreen::Pet_Click},
        {"Newver", {3120, 7680, 735, 735}, "btn_update", "檢查更新", &MenuScreen::Newver_Click},
        {"ErrComdlg", {11880, 7680, 735, 735}, "btn_error", "有錯誤:找不到 COMDLG32.OCX", &MenuScreen::ErrComdlg_Click},
    };
    addButtons(*this, buttons);
    ui.errComdlg = &control(QStringLiteral("ErrComdlg"));
    ui.errComdlg->visible = false;
}

void MenuScreen::onLoad()
{
    SettingsStore& store = sv.store;
    if (SoundOption(store.get(keys::soundOpt)) == SoundOption::NotSet)
        store.save(keys::soundOpt, qint32(SoundOption::On));
    soundOpt = SoundOption(store.get(keys::soundOpt));

    // The wallet is 16-bit everywhere; a stored value beyond that is read
    // clamped and left as it is.
    for (const StoreKey& key : {keys::diamond, keys::iron})
        if (toInt16(store.get(key)) == 0)
            store.save(key, 0);

    sv.sound.preload(click);
    sv.sound.preload(QStringLiteral("VEXO"));

    sv.random.seedFromClock();
    ui.tlips->caption = tipFor(sv.random.next(), sv.clock.now().date());

    for (const StoreKey& item : keys::itemKeys)
        store.ensure(item, 0);

    if (!sv.web.fileDialogsAvailable())
        ui.errComdlg->visible = true;
}


void MenuScreen::openScreen(const QString& screen)
{
    playSound(click);
    sv.navigator.switchTo(screen, *this);
}

void MenuScreen::Play_Click() { openScreen(screen::game); }
void MenuScreen::Setstbtn_Click() { openScreen(screen::settings); }
void MenuScreen::Pet_Click() { openScreen(screen::pet); }
void MenuScreen::Cmdshop_Click() { openScreen(screen::shop); }
void MenuScreen::Cmdavda_Click() { openScreen(screen::achievements); }
void MenuScreen::Cmdabout_Click() { openScreen(screen::about); }

void MenuScreen::Cmdskin_Click()
{
    playSound(click);
    sv.dialogs.messageBox(QStringLiteral("主題功能尚未開發，敬請期待"), MsgButtons::Ok, MsgIcon::None, gameTitle);
    playSound(click);
}

void MenuScreen::Close_Click()
{
    playSound(click);
    if (sv.dialogs.messageBox(QStringLiteral("是否離開遊戲？"), MsgButtons::OkCancel, MsgIcon::None, gameTitle) != MsgOk)
        return;
    playSound(click);
    sv.navigator.endAtOnce();
}

void MenuScreen::Image1_DblClick()
{
    playSound(QStringLiteral("VEXO"));
    // The menu has just played the lion's sound; the award adds none.
    unlockAchievement(*this, ui.notice, AchievementId::Title, false);
}

void MenuScreen::offerInstall(const QString& firstLine)
{
    // Qt brings its own file dialogs, so there is nothing to install on this
    // platform: whatever the answer, everything is already in place.
    sv.dialogs.messageBox(firstLine + QStringLiteral("\r\n是否安裝"), MsgButtons::YesNo, MsgIcon::Question, gameTitle);
}

void MenuScreen::fixgame_Click() { offerInstall(QStringLiteral("您的錯誤是缺少COMDLG32.OCX嗎?")); }
void MenuScreen::ErrComdlg_Click() { offerInstall(QStringLiteral("因為您的系統沒有COMDLG32.OCX，")); }

void MenuScreen::Quorelnet_Click()
{
    playSound(click);
    sv.web.openUrl(site_.pageUrl());
}

void MenuScreen::Email_Click()
{
    playSound(click);
    sv.web.openUrl(site_.errorReportMailto());
}

void MenuScreen::Newver_Click()
{
    playSound(click);
    // A build that kept the placeholder address has no server to ask; the
    // button then does what it does without a network: nothing more.
    if (site_.isPlaceholder() || checkingVersion_)
        return;
    checkingVersion_ = true;
    // The fetch runs in the background; the menu keeps working meanwhile and
    // the answer may arrive after the player has moved on.
    sv.web.httpGetText(site_.versionFileUrl(), [this](const QString& text) {
        checkingVersion_ = false;
        versionFetched(text);
    });
}

void MenuScreen::versionFetched(const QString& text)
{
    // An answer that comes after the player has left the menu is dropped: a
    // box over a running game would cost the game, as its timers go on.
    if (!isLoaded())
        return;
    const QString newer = newerVersionIn(text, QStringLiteral(TAROVIN_VERSION));
    if (newer.isEmpty())
        return;
    sv.dialogs.messageBox(QStringLiteral("有新版本 %1 可以下載了！\r\n目前版本是 %2，請到官方網站更新。")
                              .arg(newer, QStringLiteral(TAROVIN_VERSION)),
                          MsgButtons::Ok, MsgIcon::Information, gameTitle);
}

} // namespace tarovin
