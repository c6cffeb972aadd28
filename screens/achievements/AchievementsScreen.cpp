#include "AchievementsScreen.h"

#include "Achievements.h"
#include "screens/ScreenNames.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {

const QString click = QStringLiteral("BTNSOUND");

// The order in which the keys are armed; a key that exists keeps its value.
constexpr AchievementId armingOrder[] = {
    AchievementId::CbStart, AchievementId::Twenty, AchievementId::Fifty, AchievementId::UseAll, AchievementId::Title,
    AchievementId::Pet,     AchievementId::Totem,  AchievementId::Angry, AchievementId::PetExit, AchievementId::TenTm,
};

} // namespace

AchievementsScreen::AchievementsScreen(Services& services) : MenuChild(services, screen::achievements, formSize::standard, OnLeaving::LetSoundsFinish) {}

void AchievementsScreen::design()
{
    background.name = QStringLiteral("bg_achievements");

    addImage(QStringLiteral("Avimg"), {8160, 840, 1815, 1815}, QStringLiteral("achievement")).tooltip =
        QStringLiteral("成就圖示");
    // The badge for an achieved selection lies over the other one and is
    // hidden to let it show.
    addImage(QStringLiteral("dachen_false"), {10200, 1680, 855, 855}, QStringLiteral("badge_notdone"));
    ui.dachenTrue = &addImage(QStringLiteral("dachen_true"), {10200, 1680, 855, 855}, QStringLiteral("badge_done"));

    auto label = [this](const char* name, Rect r, const char* caption, double size) -> Control& {
        Control& c = addLabel(QString::fromUtf8(name), r, QString::fromUtf8(caption));
        c.fontSize = size;
        return c;
    };
    ui.avname = &label("Avname", {8160, 3840, 5295, 735}, "成就名稱", 20.25);
    ui.avname->align = Align::Center;
    Control& description = label("Avdes", {7920, 4680, 5535, 2055}, "成就敘述:選擇左側的成就", 15.75);
    description.align = Align::Center;
    description.foreColor = QStringLiteral("#404040");
    ui.avdes = &description;
    Control& rarity = label("Avlv", {10200, 840, 1815, 615}, "未知", 18);
    rarity.align = Align::Center;
    rarity.backColor = QStringLiteral("#00FFCC");
    ui.avlv = &rarity;
    ui.dachentxt = &label("dachentxt", {11280, 1920, 1815, 615}, "未知", 18);

    Control& list = addListBox(QStringLiteral("ListAv"), {960, 840, 6615, 6690}, {});
    for (const Achievement& a : achievementCatalogue())
        list.items << a.name;
    list.backColor = QStringLiteral("#D8F8F0");
    list.fontSize = 15.75;
    list.onClick = [this] { ListAv_Click(); };
    ui.listAv = &list;

    addButton(QStringLiteral("Aboutexit"), {13080, 240, 735, 735}, QStringLiteral("btn_close"), QStringLiteral("關閉"))
        .onClick = [this] { Aboutexit_Click(); };
}

void AchievementsScreen::onLoad()
{
    sv.sound.preload(click);
    soundOpt = SoundOption(sv.store.get(keys::soundOpt));
    for (AchievementId id : armingOrder)
        sv.store.ensure(achievement(id).key, achievementArmed);
}


void AchievementsScreen::ListAv_Click()
{
    playSound(click);
    const int i = ui.listAv->listIndex;
    if (i < 0 || i >= int(achievementCatalogue().size()))
        return;
    const Achievement& a = achievementCatalogue()[size_t(i)];

    ui.avname->caption = ui.listAv->itemText(i);
    const bool achieved = sv.store.get(a.key) == achievementAchieved;
    ui.dachenTrue->visible = achieved;
    // The hidden achievement tells how to earn it only once it is earned.
    const bool hidden = a.key == achievement(AchievementId::Title).key;
    ui.avdes->caption = hidden && !achieved ? QStringLiteral("?????") : a.description;
    ui.avlv->caption = a.rarity;
    ui.avlv->backColor = a.rarityColor;
    ui.dachentxt->caption = achieved ? QStringLiteral("已達成") : QStringLiteral("未達成");
}

void AchievementsScreen::Aboutexit_Click()
{
    playSound(click);
    sv.navigator.switchTo(screen::start, *this);
}

} // namespace tarovin
