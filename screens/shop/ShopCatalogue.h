#pragma once

#include "store/Keys.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace tarovin {

// One of the seven things the shop sells for lion-head diamonds.
struct ShopItem {
    QString name;         // the text of its list entry
    StoreKey key;         // its count in the ITEMS section
    int price;            // diamonds each
    QString holder;       // the hidden picture holder that keeps its picture
    QString picture;
    QString description;
    bool onlyOne;         // at most one can be owned, bought one at a time

    // What the price label shows: the price and a dollar sign, "3$".
    QString priceCaption() const;
};

constexpr int shopItemCount = 7;
// The totem: owning ten of them earns an achievement, checked also after a
// refused purchase of it.
constexpr int totemItem = 4;

// The items in the order of the shop's list.
const std::array<ShopItem, shopItemCount>& shopCatalogue();

// The unit price as a price caption states it: the number its leading digits
// make ("3$" -> 3). Reading the price from what the player sees keeps the
// shown price and the charged price one and the same. No leading digit: 0.
qint64 unitPriceFromCaption(const QString& caption);

} // namespace tarovin
