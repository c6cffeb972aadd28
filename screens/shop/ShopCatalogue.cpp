#include "ShopCatalogue.h"

#include "store/Keys.h"

namespace tarovin {

namespace {

ShopItem powerUp(const QString& name, const StoreKey& key, int price, const QString& holder, const QString& picture)
{
    return {name, key, price, holder, picture,
            QStringLiteral("多一次使用「") + name + QStringLiteral("」的機會"), false};
}

} // namespace

const std::array<ShopItem, shopItemCount>& shopCatalogue()
{
    static const std::array<ShopItem, shopItemCount> items = {{
        {QStringLiteral("午夜主題包"), keys::nightUi, 1, QStringLiteral("Img0"),
         QStringLiteral("item_nightui"), QStringLiteral("將背景主題換成午夜，需要到主題更換區設置。*沒功能"), true},
        powerUp(QStringLiteral("雙倍獅幣"), keys::scoreX, 3, QStringLiteral("Img1"), QStringLiteral("item_scorex")),
        powerUp(QStringLiteral("移除炸藥獅"), keys::noTnt, 3, QStringLiteral("Img2"), QStringLiteral("item_notnt")),
        powerUp(QStringLiteral("慢速獅子"), keys::slowLion, 2, QStringLiteral("Img3"), QStringLiteral("item_slowlion")),
        {QStringLiteral("免死金牌"), keys::totem, 5, QStringLiteral("Img4"),
         QStringLiteral("item_totem"), QStringLiteral("使用該道具後可以救你一命。"), false},
        {QStringLiteral("自動餵食器"), keys::autoFood, 4, QStringLiteral("Img5"),
         QStringLiteral("item_autofood"), QStringLiteral("可以防止處物離家出走。 *沒功能"), false},
        {QStringLiteral("獅子禮物盒"), keys::gift, 5, QStringLiteral("img6"),
         QStringLiteral("item_gift"), QStringLiteral("買下獅子陪伴你!"), false},
    }};
    return items;
}

QString ShopItem::priceCaption() const
{
    return QString::number(price) + u'$';
}

qint64 unitPriceFromCaption(const QString& caption)
{
    qint64 price = 0;
    for (const QChar c : caption) {
        if (c < u'0' || c > u'9')
            break;
        // A caption is ours and short; stop growing long before 64 bits would.
        if (price > 100000000000LL)
            break;
        price = price * 10 + (c.unicode() - u'0');
    }
    return price;
}

} // namespace tarovin
