#pragma once

#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QMap>
#include <QString>

namespace tarovin::test {

struct Range {
    qint64 low;
    qint64 high;
};

// What the game itself may ever write into each key, as "SECTION/KEY".
inline QMap<QString, Range> writableRanges()
{
    QMap<QString, Range> r;
    for (const StoreKey& key : keys::schema)
        r[key.address()] = {key.low, key.high};
    return r;
}

// Every key of the store as "SECTION/KEY" with its text.
inline QMap<QString, QString> rawKeys(Harness& h)
{
    QMap<QString, QString> all;
    for (const StoreSection& section : keys::sections)
        if (auto rows = h.store.getAll(section))
            for (const auto& [k, v] : *rows)
                all.insert(section.text() + "/" + k, v);
    return all;
}

} // namespace tarovin::test
