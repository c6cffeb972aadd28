#pragma once

#include "screens/pet/PetScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QDateTime>

// A pet store written the way earlier visits would have left it.
namespace tarovin::test::pet {

// 12 March 2026, nine in the morning: "now" in every pet test.
inline const QDateTime now(QDate(2026, 3, 12), QTime(9, 0));

struct Lion {
    int food = 50;
    int mood = 50;
    int closeness = 10;
    int clean = 2;
    int stage = 2; // a cub
};

inline void storeLion(Harness& h, const Lion& lion)
{
    h.store.saveAll({{keys::pet, keys::food, lion.food},
                     {keys::pet, keys::happy, lion.mood},
                     {keys::pet, keys::loveer, lion.closeness},
                     {keys::pet, keys::clear, lion.clean},
                     {keys::pet, keys::stau, lion.stage}});
}

inline void storeLastVisit(Harness& h, const QDateTime& at)
{
    h.store.saveAll({{keys::settings, keys::year, at.date().year()},
                     {keys::settings, keys::month, at.date().month()},
                     {keys::settings, keys::day, at.date().day()},
                     {keys::settings, keys::hour, at.time().hour()},
                     {keys::settings, keys::minute, at.time().minute()}});
}

inline void storeBirth(Harness& h, const QDate& born)
{
    h.store.saveAll({{keys::pet, keys::pYear, born.year()},
                     {keys::pet, keys::pMonth, born.month()},
                     {keys::pet, keys::pDay, born.day()}});
}

// A lion born today, last seen right now, with sound on; at is "now".
inline PetScreen& openWith(Harness& h, const Lion& lion, const QDateTime& lastVisit = now, const QDate& born = now.date(),
                         const QDateTime& at = now)
{
    PetScreen& page = h.add<PetScreen>();
    h.clock.set(at);
    h.store.saveInt(keys::settings, keys::soundOpt, 2);
    storeLion(h, lion);
    storeLastVisit(h, lastVisit);
    storeBirth(h, born);
    h.start(QStringLiteral("Petpage"));
    return page;
}

// Leaves for the menu and comes back, as a player would.
inline void reopen(Harness& h)
{
    h.click(QStringLiteral("Close"));
    h.navigator.switchTo(QStringLiteral("Petpage"), h.current());
}

} // namespace tarovin::test::pet
