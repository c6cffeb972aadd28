#include "Tips.h"

#include "store/Numbers.h"

#include <algorithm>

namespace tarovin {

const QStringList& tipsOfTheDay()
{
    static const QStringList tips = {
        QStringLiteral("這隻獅子的名字叫做小獅。"),
        QStringLiteral("作者因為阿蚌被欺負才討厭獅子的。"),
        QStringLiteral("獅子獅子趕快寫完功課！"),
        QStringLiteral("震驚1個月！《咕果》竟然沒有肉包！"),
        QStringLiteral("這款遊戲是用非常古老的語言編譯的。"),
        QStringLiteral("獅子非常喜歡吃肉，餵肉給小獅吃吧！"),
        QStringLiteral("本遊戲有使用AI。"),
        QStringLiteral("製作不易，請支持伍朵。"),
        QStringLiteral("早期的獅子會倒退嚕！"),
        QStringLiteral("That lion's name is vexo tamm."),
        QStringLiteral("小獅，來處理殘膠囉！"),
        QStringLiteral("獅肉好吃嗎？"),
        QStringLiteral("你是否在雪山上救過一隻獅子？"),
        QStringLiteral("最近超流行獅肉陀螺，你想玩嗎？"),
        QStringLiteral("獅啊！多給我億點時間啊！"),
        QStringLiteral("獅子一天可以吃40公斤的肉，相等80顆肉包！"),
        QStringLiteral("獅子不會自己打獵時，會靠母獅子幫忙。"),
        QStringLiteral("獅子去麵包店買什麼？肉包子，因為:獅在必得！"),
        QStringLiteral("看到「2X」就要果斷點下去，獅幣翻倍不是夢！"),
        QStringLiteral("炸藥獅子會讓你遊戲結束，別硬碰。"),
        QStringLiteral("獅子在動物界中是群居動物，通常由雄獅領導一群母獅。"),
        QStringLiteral("獅幣是「獅子界的加密貨幣」，只是你用的是肉包子不是顯卡。"),
    };
    return tips;
}

QString tipFor(double r, const QDate& today)
{
    if (today.month() == 3 && today.day() == 12)
        return QStringLiteral("小獅，生日快樂!");
    if (today.month() == authorBirthdayMonth && today.day() == authorBirthdayDay)
        return QStringLiteral("今天是作者伍朵的生日");
    const qint64 n = std::clamp<qint64>(integerPart(r * 22 + 1), 1, 22);
    return tipsOfTheDay().at(int(n - 1));
}

} // namespace tarovin
