#include "ShopScreen.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

namespace tarovin {

namespace {

const QString click = QStringLiteral("BTNSOUND");
const QString soundOk = QStringLiteral("VEXOOK");
const QString soundNo = QStringLiteral("VEXONO");
const QString darkGrey = QStringLiteral("#404040");
const QString purchaseTitle = QStringLiteral("購買物品");

} // namespace

ShopScreen::ShopScreen(Services& services) : MenuChild(services, screen::shop, formSize::standard) {}

void ShopScreen::design()
{
    background.name = QStringLiteral("bg_shop");

    // The item pictures wait in hidden holders; the big picture copies one.
    for (int i = 0; i < shopItemCount; ++i) {
        const ShopItem& item = shopCatalogue()[size_t(i)];
        Control& holder = addImage(item.holder, {1080 + i * 840, 7860, 780, 780}, item.picture);
        holder.visible = false;
        ui.itemHolders[size_t(i)] = &holder;
    }
    ui.pocimg = &addImage(QStringLiteral("Pocimg"), {9240, 1680, 1815, 1815});
    ui.pocimg->tooltip = QStringLiteral("商品圖示");

    auto label = [this](const char* name, Rect r, const char* caption, double size) -> Control& {
        Control& c = addLabel(QString::fromUtf8(name), r, QString::fromUtf8(caption));
        c.fontSize = size;
        c.align = Align::Center;
        return c;
    };
    Control& title = label("Title", {6600, 720, 1215, 735}, "商城", 24);
    title.foreColor = QStringLiteral("#4A2C17");
    ui.pocname = &label("Pocname", {8160, 3600, 3855, 735}, "商品名稱", 20.25);
    ui.pocdes = &label("Pocdes", {7560, 4440, 5535, 975}, "商品敘述:請在左側選擇商品", 12);
    ui.pocdes->foreColor = darkGrey;
    Control& price = label("Poccoin", {9240, 5520, 2415, 495}, "0$", 14.25);
    price.foreColor = darkGrey;
    price.backColor = QStringLiteral("#D3EBFC");
    ui.poccoin = &price;
    Control& quantity = label("Pocpcs", {8880, 6240, 2415, 495}, "1", 14.25);
    quantity.foreColor = QStringLiteral("#FFFFFF");
    quantity.backColor = darkGrey;
    ui.pocpcs = &quantity;
    // The owned count sits in the cream tag with the little shopping bag at
    // the right end of the bar above the item, clear of the item's picture,
    // in a size that still holds the ten digits of the largest count.
    ui.pocmepcs = &label("Pocmepcs", {11580, 1530, 1500, 420}, "0", 12);
    ui.pocmepcs->foreColor = QStringLiteral("#4A2C17");
    auto balance = [&](const char* name, Rect r, const char* tooltip) -> Control* {
        Control& c = label(name, r, "0", 18);
        c.foreColor = QStringLiteral("#FFFFFF");
        c.backColor = darkGrey;
        c.tooltip = QString::fromUtf8(tooltip);
        return &c;
    };
    ui.dmtxt = balance("dmtxt", {3720, 645, 1695, 615}, "獅頭鑽");
    ui.irontxt = balance("irontxt", {1440, 640, 1695, 615}, "獅鐵牌");

    // The currency icons lie over the left ends of the labels they explain.
    addImage(QStringLiteral("Image2"), {3240, 600, 735, 735}, QStringLiteral("diamond")).tooltip = QStringLiteral("獅頭鑽");
    addImage(QStringLiteral("Image1"), {840, 600, 735, 735}, QStringLiteral("iron")).tooltip = QStringLiteral("獅鐵牌");
    addImage(QStringLiteral("Image3"), {8760, 5400, 735, 735}, QStringLiteral("diamond")).tooltip = QStringLiteral("獅頭鑽");

    ui.notice = addAchievementNotice(*this);

    Control& list = addListBox(QStringLiteral("ListPoc"), {1080, 1680, 6015, 6135}, {});
    for (const ShopItem& item : shopCatalogue())
        list.items << item.name;
    list.backColor = QStringLiteral("#D8F8F0");
    list.fontSize = 15.75;
    list.onClick = [this] { ListPoc_Click(); };
    ui.listPoc = &list;

    const ButtonSpec<ShopScreen> buttons[] = {
        {"Pocadd", {8280, 6240, 495, 495}, "btn_plus", "增加數量", &ShopScreen::Pocadd_Click},
        {"Pocdel", {11400, 6240, 495, 495}, "btn_minus", "減少數量", &ShopScreen::Pocdel_Click},
        {"Pocbuy", {9120, 6960, 2055, 975}, "btn_buy", "確認購買(無法退貨)", &ShopScreen::Pocbuy_Click},
        {"CoinToCoin", {5280, 600, 735, 735}, "btn_exchange", "貨幣兌換", &ShopScreen::CoinToCoin_Click},
        {"Cmdexit", {13080, 240, 735, 735}, "btn_close", "關閉", &ShopScreen::Cmdexit_Click},
    };
    addButtons(*this, buttons);
}

void ShopScreen::onLoad()
{
    for (const QString& sound : {click, soundOk, soundNo})
        sv.sound.preload(sound);
    soundOpt = SoundOption(sv.store.get(keys::soundOpt));
    buyCount = 1;
    readBalances();
    showBalances();
    for (int i = 0; i < shopItemCount; ++i)
        ownedCount[size_t(i)] = sv.store.get(shopCatalogue()[size_t(i)].key);
    CheckShopAchievements();
}


void ShopScreen::readBalances()
{
    // The wallet is 16-bit on every screen: a stored value beyond that range
    // is taken at the nearest end of it rather than wrapped.
    diamondCount = toInt16(sv.store.get(keys::diamond));
    ironCount = toInt16(sv.store.get(keys::iron));
}

void ShopScreen::showBalances()
{
    ui.dmtxt->caption = QString::number(diamondCount);
    ui.irontxt->caption = QString::number(ironCount);
}

void ShopScreen::CheckShopAchievements()
{
    if (ownedCount[totemItem] >= achievement(AchievementId::TenTm).threshold)
        unlockAchievement(*this, ui.notice, AchievementId::TenTm);
    if (diamondCount >= achievement(AchievementId::Twenty).threshold)
        unlockAchievement(*this, ui.notice, AchievementId::Twenty);
    if (diamondCount >= achievement(AchievementId::Fifty).threshold)
        unlockAchievement(*this, ui.notice, AchievementId::Fifty);
}

int ShopScreen::selectedItem()
{
    const int i = ui.listPoc->listIndex;
    return i >= 0 && i < shopItemCount ? i : -1;
}

void ShopScreen::showItem(int item)
{
    const ShopItem& it = shopCatalogue()[size_t(item)];
    ui.pocname->caption = ui.listPoc->itemText(item);
    ui.pocdes->caption = it.description;
    ui.poccoin->caption = it.priceCaption();
    ui.pocmepcs->caption = QString::number(ownedCount[size_t(item)]);
    ui.pocimg->picture = ui.itemHolders[size_t(item)]->picture;
    if (it.onlyOne) {
        buyCount = 1;
        ui.pocpcs->caption = QStringLiteral("1");
    }
}

void ShopScreen::ListPoc_Click()
{
    playSound(click);
    if (const int item = selectedItem(); item >= 0)
        showItem(item);
}

void ShopScreen::Pocadd_Click()
{
    playSound(click);
    // The quantity stops at the top of its 16-bit range instead of wrapping.
    buyCount = toInt16(qint64(buyCount) + 1);
    const int item = selectedItem();
    if (item >= 0 && shopCatalogue()[size_t(item)].onlyOne)
        buyCount = 1;
    ui.pocpcs->caption = QString::number(buyCount);
}

void ShopScreen::Pocdel_Click()
{
    playSound(click);
    buyCount = qint16(buyCount - 1);
    if (buyCount <= 0)
        buyCount = 1;
    ui.pocpcs->caption = QString::number(buyCount);
}

void ShopScreen::Pocbuy_Click()
{
    const int item = selectedItem();
    bool bought = false;
    if (item >= 0) {
        const ShopItem& it = shopCatalogue()[size_t(item)];
        // Wide: 32767 pieces at any price must not wrap into a small total.
        const qint64 total = qint64(buyCount) * unitPriceFromCaption(ui.poccoin->caption);
        qint32& owned = ownedCount[size_t(item)];
        if (total > diamondCount) {
            playSound(soundNo);
            sv.dialogs.messageBox(QStringLiteral("獅頭鑽不足"), MsgButtons::Ok, MsgIcon::None, purchaseTitle);
        } else if (it.onlyOne && owned != 0) {
            playSound(soundNo);
            sv.dialogs.messageBox(QStringLiteral("此物品只能擁有一個"), MsgButtons::Ok, MsgIcon::None, purchaseTitle);
        } else {
            diamondCount = toInt16(diamondCount - total);
            ui.dmtxt->caption = QString::number(diamondCount);
            playSound(soundOk);
            owned = toInt32(qint64(owned) + buyCount);
            bought = true;
        }
        // Checked whatever became of the purchase: a refused totem still
        // counts the totems already owned.
        if (item == totemItem && owned >= 10)
            unlockAchievement(*this, ui.notice, AchievementId::TenTm);
    }
    storeItemCounts(bought);
    if (item >= 0)
        showItem(item);
}

void ShopScreen::storeItemCounts(bool withDiamonds)
{
    // The price paid and the items received go to the store in one write, so
    // that nothing can keep the one without the other.
    QList<SettingsStore::Entry> entries;
    if (withDiamonds)
        entries.append({keys::diamond, diamondCount});
    for (int i = 0; i < shopItemCount; ++i)
        entries.append({shopCatalogue()[size_t(i)].key, ownedCount[size_t(i)]});
    sv.store.saveAll(entries);
}

void ShopScreen::Cmdexit_Click()
{
    playSound(click);
    sv.navigator.switchTo(screen::start, *this);
}

} // namespace tarovin
