#include "Achievements.h"

#include "toolkit/Form.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

#include <algorithm>

namespace tarovin {

const std::array<Achievement, 10>& achievementCatalogue()
{
    static const std::array<Achievement, 10> catalogue = {{
        {QStringLiteral("妙手偶得"), keys::avdaTitle, QStringLiteral("#C000C0"), QStringLiteral("隱藏"),
         QStringLiteral("#FFFF00"), QStringLiteral("連點標題觸發小彩蛋")},
        {QStringLiteral("初試啼聲"), keys::avdaCbStart, QStringLiteral("#00FFCC"), QStringLiteral("常見"),
         QStringLiteral("#00FFCC"), QStringLiteral("第一次 Combo")},
        {QStringLiteral("拂袖而去"), keys::avdaPetExit, QStringLiteral("#00FFCC"), QStringLiteral("常見"),
         QStringLiteral("#00FFCC"), QStringLiteral("讓獅子離家出走")},
        {QStringLiteral("金玉滿堂"), keys::avdaFifty, QStringLiteral("#CF7DF2"), QStringLiteral("稀有"),
         QStringLiteral("#CF7DF2"), QStringLiteral("擁有 50 顆獅頭鑽 ")},
        {QStringLiteral("金身不壞"), keys::avdaTenTm, QStringLiteral("#FF00FF"), QStringLiteral("傳說"),
         QStringLiteral("#FF00FF"), QStringLiteral("擁有 10 個免死金牌")},
        {QStringLiteral("怒髮衝冠"), keys::avdaAngry, QStringLiteral("#FF00FF"), QStringLiteral("傳說"),
         QStringLiteral("#FF00FF"), QStringLiteral("觸發惹怒獅子小彩蛋")},
        {QStringLiteral("背水一戰"), keys::avdaUseAll, QStringLiteral("#CF7DF2"), QStringLiteral("稀有"),
         QStringLiteral("#CF7DF2"), QStringLiteral("用光所有道具，在道具結束前獲得50分")},
        {QStringLiteral("超越生死"), keys::avdaTotem, QStringLiteral("#40A9FF"), QStringLiteral("普通"),
         QStringLiteral("#40A9FF"), QStringLiteral("觸發免死金牌")},
        {QStringLiteral("飼獅成威"), keys::avdaPet, QStringLiteral("#40A9FF"), QStringLiteral("普通"),
         QStringLiteral("#40A9FF"), QStringLiteral("成功養起獅子")},
        {QStringLiteral("聚沙成塔"), keys::avdaTwenty, QStringLiteral("#40A9FF"), QStringLiteral("普通"),
         QStringLiteral("#40A9FF"), QStringLiteral("擁有 20 顆獅頭鑽")},
    }};
    return catalogue;
}

const Achievement& achievement(AchievementId id)
{
    return achievementCatalogue()[static_cast<size_t>(id)];
}

void addAchievementNotice(Form& screen)
{
    // At its usual place the notice would stick out of the narrower screens;
    // there it moves left just enough to be read whole.
    const int left = std::min(11400, screen.widthTwips() - 3015);
    Control& notice = screen.addLabel(QStringLiteral("avdatxt"), {left, 1080, 3015, 1215}, QStringLiteral("獲得成就:錯誤"));
    notice.visible = false;
    notice.backColor = QStringLiteral("#00FFCC");
    notice.fontSize = 21.75;
    Form* form = &screen;
    screen.addTimer(QStringLiteral("TimerAVtxt"), false, 2000, [form] {
        form->control(QStringLiteral("avdatxt")).visible = false;
        form->timer(QStringLiteral("TimerAVtxt")).setEnabled(false);
    });
}

void UnlockAchievement(Form& screen, AchievementId id, bool playSound)
{
    const Achievement& a = achievement(id);
    SettingsStore& store = screen.services().store;
    if (store.get(a.key) != achievementArmed)
        return;
    store.save(a.key, achievementAchieved);
    if (playSound)
        screen.playSound(QStringLiteral("VEXO"));
    Timer& timer = screen.timer(QStringLiteral("TimerAVtxt"));
    timer.setEnabled(true);
    timer.setInterval(2000);
    Control& notice = screen.control(QStringLiteral("avdatxt"));
    notice.visible = true;
    notice.caption = QStringLiteral("獲得成就:") + a.name;
    notice.backColor = a.noticeColor;
}

} // namespace tarovin
