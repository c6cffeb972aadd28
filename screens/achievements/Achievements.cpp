#include "Achievements.h"

#include "toolkit/Form.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

#include <QStringView>

#include <algorithm>
#include <iterator>

namespace tarovin {

namespace {

// One row of the catalogue, with the id it stands for, so that the build can
// check the rows against the enum.
struct Row {
    AchievementId id;
    QStringView name;
    StoreKey key;
    QStringView noticeColor;
    QStringView rarity;
    QStringView rarityColor;
    QStringView description;
    int threshold = 0;
};

constexpr Row rows[] = {
    {AchievementId::Title, u"妙手偶得", keys::avdaTitle, u"#C000C0", u"隱藏", u"#FFFF00", u"連點標題觸發小彩蛋"},
    {AchievementId::CbStart, u"初試啼聲", keys::avdaCbStart, u"#00FFCC", u"常見", u"#00FFCC", u"第一次 Combo"},
    {AchievementId::PetExit, u"拂袖而去", keys::avdaPetExit, u"#00FFCC", u"常見", u"#00FFCC", u"讓獅子離家出走"},
    {AchievementId::Fifty, u"金玉滿堂", keys::avdaFifty, u"#CF7DF2", u"稀有", u"#CF7DF2", u"擁有 50 顆獅頭鑽 ", 50},
    {AchievementId::TenTm, u"金身不壞", keys::avdaTenTm, u"#FF00FF", u"傳說", u"#FF00FF", u"擁有 10 個免死金牌", 10},
    {AchievementId::Angry, u"怒髮衝冠", keys::avdaAngry, u"#FF00FF", u"傳說", u"#FF00FF", u"觸發惹怒獅子小彩蛋"},
    {AchievementId::UseAll, u"背水一戰", keys::avdaUseAll, u"#CF7DF2", u"稀有", u"#CF7DF2", u"用光所有道具，在道具結束前獲得50分"},
    {AchievementId::Totem, u"超越生死", keys::avdaTotem, u"#40A9FF", u"普通", u"#40A9FF", u"觸發免死金牌"},
    {AchievementId::Pet, u"飼獅成威", keys::avdaPet, u"#40A9FF", u"普通", u"#40A9FF", u"成功養起獅子"},
    {AchievementId::Twenty, u"聚沙成塔", keys::avdaTwenty, u"#40A9FF", u"普通", u"#40A9FF", u"擁有 20 顆獅頭鑽", 20},
};

constexpr bool rowsInEnumOrder()
{
    for (size_t i = 0; i < std::size(rows); ++i)
        if (rows[i].id != AchievementId(i))
            return false;
    return true;
}

// achievement(id) indexes the catalogue by the enum, and the list shows the
// catalogue's order: reordering only one of the two would award and show the
// wrong achievement.
static_assert(std::size(rows) == achievementCount, "one catalogue row for every AchievementId");
static_assert(rowsInEnumOrder(), "the catalogue rows must follow the order of AchievementId");

} // namespace

const std::array<Achievement, achievementCount>& achievementCatalogue()
{
    static const std::array<Achievement, achievementCount> catalogue = [] {
        std::array<Achievement, achievementCount> all;
        for (size_t i = 0; i < achievementCount; ++i) {
            const Row& r = rows[i];
            all[i] = {r.name.toString(),   r.key,                    r.noticeColor.toString(),
                      r.rarity.toString(), r.rarityColor.toString(), r.description.toString(), r.threshold};
        }
        return all;
    }();
    return catalogue;
}

const Achievement& achievement(AchievementId id)
{
    return achievementCatalogue()[static_cast<size_t>(id)];
}

AchievementNotice addAchievementNotice(Form& screen)
{
    // At its usual place the notice would stick out of the narrower screens;
    // there it moves left just enough to be read whole.
    const int left = std::min(11400, screen.widthTwips() - 3015);
    Control& text = screen.addLabel(QStringLiteral("avdatxt"), {left, 1080, 3015, 1215}, QStringLiteral("獲得成就:錯誤"));
    text.visible = false;
    text.backColor = QStringLiteral("#00FFCC");
    text.fontSize = 21.75;
    Timer& timer = screen.addTimer(QStringLiteral("TimerAVtxt"), false, achievementNoticeMs, {});
    const AchievementNotice notice{&text, &timer};
    timer.onTick = [notice] {
        notice.text->visible = false;
        notice.timer->setEnabled(false);
    };
    return notice;
}

void unlockAchievement(Form& screen, const AchievementNotice& notice, AchievementId id, bool playSound)
{
    const Achievement& a = achievement(id);
    SettingsStore& store = screen.services().store;
    if (store.get(a.key) != achievementArmed)
        return;
    store.save(a.key, achievementAchieved);
    if (playSound)
        screen.playSound(QStringLiteral("VEXO"));
    notice.timer->setEnabled(true);
    notice.timer->setInterval(achievementNoticeMs);
    notice.text->visible = true;
    notice.text->caption = QStringLiteral("獲得成就:") + a.name;
    notice.text->backColor = a.noticeColor;
}

} // namespace tarovin
