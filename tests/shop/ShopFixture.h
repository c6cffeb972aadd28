#pragma once

#include "screens/shop/ShopScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QStringList>

namespace tarovin::test::shop {

// A store as the main menu leaves it, with sound on, a wallet and item counts.
inline void storeWallet(Harness& h, int diamonds, int iron = 0)
{
    h.store.saveAll({{keys::settings, keys::soundOpt, 2},
                     {keys::settings, keys::diamond, diamonds},
                     {keys::settings, keys::iron, iron}});
    for (const QString& item : keys::allItems)
        h.store.ensureInt(keys::items, item, 0);
}

inline ShopScreen& openShop(Harness& h, int diamonds, int iron = 0)
{
    ShopScreen& shop = h.add<ShopScreen>();
    storeWallet(h, diamonds, iron);
    h.start(QStringLiteral("Shop"));
    return shop;
}

inline void arm(Harness& h, const QStringList& keys)
{
    for (const QString& key : keys)
        h.store.saveInt(keys::avda, key, 1);
}

inline void select(Harness& h, int item)
{
    h.ctl(QStringLiteral("ListPoc")).listIndex = item;
    h.click(QStringLiteral("ListPoc"));
}

// Every box shown, as "text@title".
inline QStringList boxes(const Harness& h)
{
    QStringList out;
    for (const auto& b : h.dialogs.shown)
        out << (b.kind == ScriptedDialogs::Kind::Input ? QStringLiteral("?") : QString()) + b.text + u'@' + b.title;
    return out;
}

} // namespace tarovin::test::shop
