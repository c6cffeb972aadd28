#pragma once

#include "ShopCatalogue.h"
#include "screens/achievements/Achievements.h"
#include "screens/MenuChild.h"

#include <QtGlobal>

#include <array>

namespace tarovin {

// The shop: seven items for lion-head diamonds, and the exchange of lion iron
// medals for diamonds. Every change is stored at once; the screen keeps its
// own copies of the balances while it is open.
class ShopScreen final : public MenuChild {
public:
    explicit ShopScreen(Services& services);

    void onLoad() override;

    void ListPoc_Click();
    void Pocadd_Click();
    void Pocdel_Click();
    void Pocbuy_Click();
    void CoinToCoin_Click();
    void Cmdexit_Click();

    // Awards for what the player owns: ten totems, 20 and 50 diamonds.
    void CheckShopAchievements();

    // The screen's working values, 16-bit where the wallet is 16-bit.
    qint16 diamondCount = 0;
    qint16 ironCount = 0;
    qint16 buyCount = 1;
    std::array<qint32, shopItemCount> ownedCount{};
    qint16 exchangeDefault = 0;

protected:
    void design() override;

private:
    // The list's selection, or -1 when nothing (or nothing valid) is selected.
    int selectedItem();
    // Fills the right-hand side for an item, as selecting it does.
    void showItem(int item);
    void showBalances();
    void readBalances();
    void storeItemCounts(bool withDiamonds);
    // Asks how many diamonds to take until the answer holds only digits.
    QString askDiamonds();

    struct Ui {
        // The hidden holders of the item pictures, in catalogue order.
        std::array<Control*, shopItemCount> itemHolders{};
        Control* pocimg = nullptr;
        Control* pocname = nullptr;
        Control* pocdes = nullptr;
        Control* poccoin = nullptr;
        Control* pocpcs = nullptr;
        Control* pocmepcs = nullptr;
        Control* dmtxt = nullptr;
        Control* irontxt = nullptr;
        Control* listPoc = nullptr;
        AchievementNotice notice;
    };
    Ui ui;
};

} // namespace tarovin
