#include "achievements/Avdacts.h"
#include "app/About.h"
#include "app/Start.h"
#include "game/Gamepage.h"
#include "pet/Petpage.h"
#include "settings/Settings.h"
#include "shop/Shop.h"
#include "state/Keys.h"
#include "tests/support/Harness.h"

#include <QFile>
#include <QTest>

#include <limits>

using namespace tarovin;
using namespace tarovin::test;

namespace {

struct Range {
    qint64 low;
    qint64 high;
};

// What the game itself may ever write into each key.
QMap<QString, Range> writableRanges()
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

QMap<QString, QString> rawKeys(Harness& h)
{
    QMap<QString, QString> all;
    for (const QString& section : keys::allSections)
        if (auto rows = h.store.GetAll(section))
            for (const auto& [k, v] : *rows)
                all.insert(section + "/" + k, v);
    return all;
}

void writeRaw(Harness& h, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(h.store.path()).path());
    QFile f(h.store.path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

const QStringList screens = {"Start", "Gamepage", "Shop", "Avdacts", "Petpage", "Settings", "About"};

} // namespace

// Every key of the store holding something the game never writes: every
// screen still loads, runs for a while, and whatever it writes is a value the
// game can use.
class TestHostileValues : public QObject {
    Q_OBJECT
private slots:
    void everyScreenSurvivesHostileValues_data()
    {
        QTest::addColumn<QString>("only"); // one key, or empty for all at once
        QTest::addColumn<QByteArray>("value");
        const QList<QPair<const char*, QByteArray>> values = {
            {"missing", QByteArray()},
            {"letters", "abc"},
            {"404", "404"},
            {"empty", "\"\""},
            {"blanks", "\" 7 \""},
            {"fraction", "2.5"},
            {"big", "99999"},
            {"small", "-99999"},
            {"exponent", "1e20"},
            {"twenty digits", "12345678901234567890"},
            {"junk kilobyte", QByteArray(1024, 'x').replace(100, 1, ",").replace(500, 1, "\"")},
        };
        QStringList keyNames = writableRanges().keys();
        for (const auto& [name, value] : values) {
            QTest::newRow(qPrintable(QString("all keys %1").arg(name))) << QString() << value;
            for (const QString& key : keyNames)
                QTest::newRow(qPrintable(QString("%1 %2").arg(key, name))) << key << value;
        }
    }

    void everyScreenSurvivesHostileValues()
    {
        QFETCH(QString, only);
        QFETCH(QByteArray, value);
        const auto ranges = writableRanges();
        QByteArray ini;
        QString section;
        for (auto it = ranges.begin(); it != ranges.end(); ++it) {
            if ((!only.isEmpty() && it.key() != only) || value.isEmpty())
                continue;
            const QString s = it.key().section('/', 0, 0);
            if (s != section) {
                section = s;
                ini += "[" + s.toUtf8() + "]\n";
            }
            ini += it.key().section('/', 1).toUtf8() + "=" + value + "\n";
        }
        for (const QString& screen : screens) {
            Harness h;
            h.add<Start>();
            h.add<Gamepage>();
            h.add<Shop>();
            h.add<Avdacts>();
            h.add<Petpage>();
            h.add<Settings>();
            h.add<About>();
            writeRaw(h, ini);
            const auto before = rawKeys(h);
            h.start(screen);
            h.advance(1500);
            QCOMPARE(h.openCount(), 1);
            const auto after = rawKeys(h);
            for (auto it = after.begin(); it != after.end(); ++it) {
                if (before.value(it.key()) == it.value())
                    continue; // untouched
                const auto range = ranges.value(it.key(), Range{1, 0});
                bool ok = false;
                const qint64 v = it.value().toLongLong(&ok);
                QVERIFY2(ok && v >= range.low && v <= range.high,
                         qPrintable(QString("%1 wrote %2=%3").arg(screen, it.key(), it.value())));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHostileValues)
#include "test_hostile_values.moc"
