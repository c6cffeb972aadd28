#include "screens/achievements/AchievementsScreen.h"
#include "screens/menu/AboutScreen.h"
#include "screens/menu/MenuScreen.h"
#include "screens/game/GameScreen.h"
#include "screens/pet/PetScreen.h"
#include "screens/settings/SettingsScreen.h"
#include "screens/shop/ShopScreen.h"
#include "store/Keys.h"
#include "tests/reliability/StoreRanges.h"
#include "tests/support/Harness.h"

#include <QFile>
#include <QTest>

#include <limits>

using namespace tarovin;
using namespace tarovin::test;

namespace {

void writeRaw(Harness& h, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(h.store.path()).path());
    QFile f(h.store.path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

const QStringList screens = {"Start", "Gamepage", "Shop", "Avdacts", "Petpage", "Settings", "About"};

// The screen whose load writes a key that is missing or holds no number.
QString ensuringScreen(EnsuredBy who)
{
    switch (who) {
    case EnsuredBy::Nobody: return {};
    case EnsuredBy::Menu: return QStringLiteral("Start");
    case EnsuredBy::Game: return QStringLiteral("Gamepage");
    case EnsuredBy::PetScreen: return QStringLiteral("Petpage");
    case EnsuredBy::AchievementsScreen: return QStringLiteral("Avdacts");
    }
    return {};
}

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
            h.add<MenuScreen>();
            h.add<GameScreen>();
            h.add<ShopScreen>();
            h.add<AchievementsScreen>();
            h.add<PetScreen>();
            h.add<SettingsScreen>();
            h.add<AboutScreen>();
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
            for (const StoreKey& key : keys::schema)
                if (ensuringScreen(key.ensuredBy) == screen)
                    QVERIFY2(after.contains(key.address()), qPrintable(QString("%1 left %2 out").arg(screen, key.address())));
        }
    }
};

QTEST_GUILESS_MAIN(TestHostileValues)
#include "test_hostile_values.moc"
