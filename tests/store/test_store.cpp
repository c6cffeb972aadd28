#include "store/Numbers.h"
#include "store/SettingsStore.h"
#include "tests/support/ReadOnlyPath.h"
#include "tests/support/StoreOnDisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

namespace {

// A store that Qt reads with a format error: a broken section header and a
// line that is neither a key nor a comment.
const QByteArray damagedStore = "[SETTINGS]\nDIAMOND=12\nthis line is broken\n[ITEMS\nTOTEM=3\n";

} // namespace

// The store as every screen relies on it: numeric reading, writing, ensuring,
// listing and wiping, the names it refuses, and writes the disk refuses.
class TestStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int case_ = 0;
    // A file of its own for every case: QSettings keeps a parsed copy of each
    // file it has seen and would not notice a rewrite of the same size within
    // the same second.
    QString path() const { return dir.filePath(QStringLiteral("%1/TAROVIN.ini").arg(case_)); }

    // Writes raw INI text, as a hand edit or another program would.
    void writeRaw(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path()).path());
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void init() { ++case_; }

    void getIntReadsNumericText_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("blanks around") << QByteArray("\" 7 \"") << 7;
        QTest::newRow("half to even down") << QByteArray("2.5") << 2;
        QTest::newRow("half to even up") << QByteArray("3.5") << 4;
        QTest::newRow("negative half") << QByteArray("-2.5") << -2;
        QTest::newRow("just above a half") << QByteArray("2.5000000000000000001") << 3;
        QTest::newRow("below a half") << QByteArray("2.49999") << 2;
        QTest::newRow("leading point") << QByteArray(".6") << 1;
        QTest::newRow("plus sign") << QByteArray("+8") << 8;
        QTest::newRow("letters") << QByteArray("abc") << -1;
        QTest::newRow("empty") << QByteArray("") << -1;
        QTest::newRow("digits then letters") << QByteArray("12a") << -1;
        QTest::newRow("exponent is not plain decimal") << QByteArray("1e5") << -1;
        QTest::newRow("lone sign") << QByteArray("-") << -1;
        QTest::newRow("beyond 32 bits clamps up") << QByteArray("99999999999") << 2147483647;
        QTest::newRow("beyond 32 bits clamps down") << QByteArray("-99999999999") << int(-2147483648LL);
        QTest::newRow("twenty digits") << QByteArray("12345678901234567890") << 2147483647;
        QTest::newRow("commas read as a list") << QByteArray("1,2") << -1;
    }

    void getIntReadsNumericText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        writeRaw("[SETTINGS]\nKEY=" + stored + "\n");
        SettingsStore store(path());
        QCOMPARE(store.getInt("SETTINGS", "KEY", -1), expected);
    }

    void missingKeyGivesTheDefault()
    {
        SettingsStore store(path());
        QCOMPARE(store.getInt("SETTINGS", "NOPE", 42), 42);
        QCOMPARE(store.getInt("NOSECTION", "NOPE", -3), -3);
    }

    void saveIntWritesPlainDecimalAndSurvives()
    {
        {
            SettingsStore store(path());
            QVERIFY(store.saveInt("SETTINGS", "A", -5));
            QVERIFY(store.saveInt("SETTINGS", "B", 0));
            QVERIFY(store.saveInt("ITEMS", "C", 2147483647));
        }
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.contains("[SETTINGS]"));
        QVERIFY(text.contains("A=-5"));
        QVERIFY(text.contains("B=0"));
        QVERIFY(text.contains("[ITEMS]"));
        SettingsStore again(path());
        QCOMPARE(again.getInt("ITEMS", "C", 0), 2147483647);
    }

    void ensureIntWritesOnlyMissingOrJunk_data()
    {
        QTest::addColumn<QByteArray>("stored"); // empty: no key at all
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QByteArray() << 0;
        QTest::newRow("letters") << QByteArray("x") << 0;
        QTest::newRow("empty text") << QByteArray("\"\"") << 0;
        QTest::newRow("a count of 404 stays") << QByteArray("404") << 404;
        QTest::newRow("three stays") << QByteArray("3") << 3;
        QTest::newRow("405 stays") << QByteArray("405") << 405;
    }

    void ensureIntWritesOnlyMissingOrJunk()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        writeRaw(stored.isEmpty() ? QByteArray("[ITEMS]\nOTHER=1\n") : "[ITEMS]\nTOTEM=" + stored + "\n");
        SettingsStore store(path());
        store.ensureInt("ITEMS", "TOTEM", 0);
        QCOMPARE(store.getInt("ITEMS", "TOTEM", -1), expected);
        QCOMPARE(storeOnDisk(path()).filter("ITEMS/TOTEM="), QStringList{"ITEMS/TOTEM=" + QString::number(expected)});
    }

    void getAllListsASectionOrNothing()
    {
        SettingsStore store(path());
        QVERIFY(!store.getAll("PET").has_value());
        store.saveInt("PET", "FOOD", 50);
        store.saveInt("PET", "HAPPY", 7);
        const auto rows = store.getAll("PET");
        QVERIFY(rows.has_value());
        QCOMPARE(rows->size(), 2);
        QVERIFY(rows->contains(qMakePair(QString("FOOD"), QString("50"))));
        QVERIFY(rows->contains(qMakePair(QString("HAPPY"), QString("7"))));
        QVERIFY(!store.getAll("AVDA").has_value());
    }

    void deleteAppForgetsEverything()
    {
        SettingsStore store(path());
        store.saveInt("SETTINGS", "SOUNDOPT", 2);
        store.saveInt("AVDA", "TITLE", 1);
        QVERIFY(store.deleteApp());
        for (const char* section : {"SETTINGS", "ITEMS", "PET", "AVDA"})
            QVERIFY(!store.getAll(section).has_value());
        QCOMPARE(store.getInt("SETTINGS", "SOUNDOPT", 9), 9);
        SettingsStore fresh(path());
        QCOMPARE(fresh.getInt("AVDA", "TITLE", 0), 0);
    }

    // Qt keeps the first error an object ever met; reading a damaged store
    // must not make every later write of the run look failed.
    void writesAfterADamagedStoreAreJudgedOnTheirOwn()
    {
        writeRaw(damagedStore);
        SettingsStore store(path());
        QCOMPARE(store.getInt("SETTINGS", "DIAMOND", -1), 12);
        QVERIFY(store.getAll("ITEMS").has_value());
        QVERIFY(store.saveInt("ITEMS", "GIFT", 2));
        QVERIFY(store.saveAll({{"PET", "FOOD", 50}, {"AVDA", "TITLE", 1}}));
        const QStringList disk = storeOnDisk(path());
        QVERIFY2(disk.contains("ITEMS/GIFT=2") && disk.contains("PET/FOOD=50"), qPrintable(disk.join(' ')));
        QVERIFY(store.deleteApp());
        QCOMPARE(storeOnDisk(path()), QStringList());
    }

    // A write the disk refuses is reported, leaves every reading as the disk
    // has it, and never reaches the disk later, when the next write lands.
    void aRefusedWriteChangesNeitherMemoryNorDisk_data()
    {
        QTest::addColumn<bool>("folder"); // the folder read-only, else the file
        QTest::addColumn<bool>("wipe");   // deleteApp, else saveAll
        QTest::newRow("read-only file, keys") << false << false;
        QTest::newRow("read-only file, wipe") << false << true;
        QTest::newRow("read-only folder, keys") << true << false;
        QTest::newRow("read-only folder, wipe") << true << true;
    }

    void aRefusedWriteChangesNeitherMemoryNorDisk()
    {
        QFETCH(bool, folder);
        QFETCH(bool, wipe);
        SettingsStore store(path());
        QVERIFY(store.saveAll({{"SETTINGS", "DIAMOND", 12}, {"ITEMS", "TOTEM", 3}}));
        const QStringList before = storeOnDisk(path());
        QCOMPARE(before, (QStringList{"ITEMS/TOTEM=3", "SETTINGS/DIAMOND=12"}));
        {
            ReadOnlyPath readOnly(folder ? QFileInfo(path()).path() : path());
            if (!readOnly.unavailable().isEmpty())
                QSKIP(qPrintable(readOnly.unavailable()));
            const WriteResult r =
                wipe ? store.deleteApp() : store.saveAll({{"SETTINGS", "DIAMOND", 99}, {"ITEMS", "GIFT", 5}});
            QVERIFY(!r.ok);
            QVERIFY(!r.error.isEmpty());
            QCOMPARE(store.getInt("SETTINGS", "DIAMOND", -1), 12);
            QCOMPARE(store.getInt("ITEMS", "TOTEM", -1), 3);
            QCOMPARE(store.getInt("ITEMS", "GIFT", -1), -1);
            QVERIFY(store.getAll("ITEMS").has_value());
            QCOMPARE(store.getAll("ITEMS")->size(), 1);
            // Still refused, still reported: a second try is judged anew.
            QVERIFY(!store.saveInt("PET", "FOOD", 1));
            QCOMPARE(storeOnDisk(path()), before);
        }
        QVERIFY(store.saveInt("PET", "HAPPY", 50));
        QCOMPARE(storeOnDisk(path()), (QStringList{"ITEMS/TOTEM=3", "PET/HAPPY=50", "SETTINGS/DIAMOND=12"}));
        QCOMPARE(store.getInt("PET", "FOOD", -1), -1);
    }

    void refusedNamesWriteNothing_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("empty key") << "SETTINGS" << "";
        QTest::newRow("empty section") << "" << "KEY";
        QTest::newRow("slash escapes the section") << "SETTINGS" << "../EVIL";
        QTest::newRow("slash in section") << "A/B" << "KEY";
        QTest::newRow("backslash") << "SETTINGS" << "A\\B";
        QTest::newRow("equals") << "SETTINGS" << "A=B";
        QTest::newRow("control character") << "SETTINGS" << QString("A\nB");
    }

    void refusedNamesWriteNothing()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        SettingsStore store(path());
        store.saveInt("SETTINGS", "KEEP", 1);
        const WriteResult r = store.saveInt(section, key, 5);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        const WriteResult batch = store.saveAll({{"ITEMS", "GOOD", 1}, {section, key, 5}});
        QVERIFY(!batch.ok);
        QVERIFY(!store.getAll("ITEMS").has_value()); // the good half of the batch was not written either
        QCOMPARE(store.getAll("SETTINGS")->size(), 1);
    }

    void anySectionNameTheStoreTakesIsAccepted()
    {
        SettingsStore store(path());
        QVERIFY(store.saveInt("my section", "Key.1", 3));
        QCOMPARE(store.getInt("my section", "Key.1", 0), 3);
    }

    void roundingHelpers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("halfEven");
        QTest::addColumn<qint64>("integerPart");
        QTest::newRow("2.5") << 2.5 << qint64(2) << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4) << qint64(3);
        QTest::newRow("-0.5") << -0.5 << qint64(0) << qint64(-1);
        QTest::newRow("-2.25") << -2.25 << qint64(-2) << qint64(-3);
        QTest::newRow("47.5") << 47.5 << qint64(48) << qint64(47);
        QTest::newRow("48.5") << 48.5 << qint64(48) << qint64(48);
        QTest::newRow("huge") << 1e30 << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max();
    }

    void roundingHelpers()
    {
        QFETCH(double, value);
        QFETCH(qint64, halfEven);
        QFETCH(qint64, integerPart);
        QCOMPARE(roundHalfEven(value), halfEven);
        QCOMPARE(tarovin::integerPart(value), integerPart);
    }

    void sixteenBitCountsClampInsteadOfWrapping()
    {
        QCOMPARE(toInt16(32768), qint16(32767));
        QCOMPARE(toInt16(-40000), qint16(-32768));
        QCOMPARE(toInt16(-5), qint16(-5));
        QCOMPARE(toInt32(qint64(1) << 40), qint32(2147483647));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
