// The exchange of lion iron medals for lion-head diamonds on the shop screen.
#include "Exchange.h"
#include "ShopScreen.h"

#include "toolkit/Dialogs.h"
#include "toolkit/Services.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <limits>

namespace tarovin {

namespace {

const QString exchangeTitle = QStringLiteral("兌換貨幣");
const QString soundNo = QStringLiteral("VEXONO");
constexpr qint64 mostDiamonds = std::numeric_limits<qint16>::max();

} // namespace

QString ShopScreen::askDiamonds()
{
    const QString prompt = QStringLiteral("請輸入您要兌換的獅頭鑽");
    const QString offer = QString::number(exchangeDefault);
    QString answer = sv.dialogs.inputBox(prompt, gameTitle, offer);
    // The first refusal and the question after it still carry the game's
    // title; from the second refusal on, the exchange's own.
    for (int refusals = 0; hasNonDigit(answer); ++refusals) {
        const QString title = refusals == 0 ? gameTitle : exchangeTitle;
        playSound(soundNo);
        sv.dialogs.messageBox(QStringLiteral("文字中有非數字字元！"), MsgButtons::Ok, MsgIcon::None, title);
        answer = sv.dialogs.inputBox(prompt, title, offer);
    }
    return answer;
}

void ShopScreen::CoinToCoin_Click()
{
    // Another screen may have changed the wallet since this one opened.
    readBalances();
    showBalances();
    playSound(QStringLiteral("BTNSOUND"));

    // Offer what the medals pay for, but never more than the diamond balance
    // can still take, nor a negative number the answer check would refuse.
    const qint64 affordable = FloorToTen(ironCount) / medalsPerDiamond;
    const qint64 room = mostDiamonds - diamondCount;
    exchangeDefault = qint16(std::clamp<qint64>(std::min(affordable, room), 0, mostDiamonds));

    const qint64 n = amountOf(askDiamonds());
    // Wide: a long answer must be refused for what it is, not for what a
    // wrapped number would say.
    const qint64 medals = n > std::numeric_limits<qint64>::max() / medalsPerDiamond
                              ? std::numeric_limits<qint64>::max()
                              : n * medalsPerDiamond;
    if (medals > ironCount) {
        playSound(soundNo);
        sv.dialogs.messageBox(QStringLiteral("獅鐵牌不足"), MsgButtons::Ok, MsgIcon::None, gameTitle);
    } else if (n > room) {
        // The diamond balance holds at most 32767. Rather than cut the
        // exchange short or wrap the balance, nothing is exchanged and the
        // player learns how many diamonds still fit.
        playSound(soundNo);
        sv.dialogs.messageBox(QStringLiteral("獅頭鑽最多只能擁有 %1 顆，\r\n這次最多只能兌換 %2 顆獅頭鑽，獅鐵牌都還在。")
                                  .arg(mostDiamonds)
                                  .arg(std::max<qint64>(room, 0)),
                              MsgButtons::Ok, MsgIcon::None, gameTitle);
    } else {
        diamondCount = qint16(diamondCount + n);
        ironCount = qint16(ironCount - medals);
        sv.store.saveAll({{keys::diamond, diamondCount}, {keys::iron, ironCount}});
        playSound(QStringLiteral("VEXOOK"));
        CheckShopAchievements();
    }
    showBalances();
}

} // namespace tarovin
