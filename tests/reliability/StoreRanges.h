#pragma once

#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QMap>
#include <QString>

#include <limits>

namespace tarovin::test {

struct Range {
    qint64 low;
    qint64 high;
};

// What the game itself may ever write into each key.
inline QMap<QString, Range> writableRanges()
{
    constexpr qint64 int32max = std::numeric_limits<qint32>::max();
    QMap<QString, Range> r;
    r["SETTINGS/SOUNDOPT"] = {1, 2};
    r["SETTINGS/DIAMOND"] = {-32768, 32767};
    r["SETTINGS/IRON"] = {-32768, 32767};
    r["SETTINGS/MAXSCORE"] = {0, int32max};
    r["SETTINGS/YEAR"] = {1, 9999};
    r["SETTINGS/MONTH"] = {1, 12};
    r["SETTINGS/DAY"] = {1, 31};
    r["SETTINGS/HOUR"] = {0, 23};
    r["SETTINGS/MINUTE"] = {0, 59};
    for (const QString& item : keys::allItems)
        r["ITEMS/" + item] = {-32768, int32max};
    r["PET/FOOD"] = {-32768, 100};
    r["PET/HAPPY"] = {-32768, 100};
    r["PET/LOVEER"] = {-32768, 100};
    r["PET/CLEAR"] = {1, 2};
    r["PET/STAU"] = {1, 4};
    r["PET/PYEAR"] = {1, 9999};
    r["PET/PMONTH"] = {1, 12};
    r["PET/PDAY"] = {1, 31};
    for (const char* a : {"TITLE", "CBSTART", "PETEXIT", "FIFTY", "TENTM", "ANGRY", "USEALL", "TOTEM", "PET", "TWENTY"})
        r[QStringLiteral("AVDA/") + a] = {1, 2};
    return r;
}

// Every key of the store as "SECTION/KEY" with its text.
inline QMap<QString, QString> rawKeys(Harness& h)
{
    QMap<QString, QString> all;
    for (const QString& section : keys::allSections)
        if (auto rows = h.store.GetAll(section))
            for (const auto& [k, v] : *rows)
                all.insert(section + "/" + k, v);
    return all;
}

} // namespace tarovin::test
