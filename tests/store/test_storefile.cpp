#include "store/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarovin;

// A damaged store is never overwritten blindly, and the last good one is kept.
class TestStoreFile : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void whatReadsWhole_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("a store the game wrote") << QByteArray("[ITEMS]\nGIFT=0\n\n[SETTINGS]\nSOUNDOPT=2\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("comments and blanks") << QByteArray("; note\n# note\n   \n[PET]\r\nFOOD=50\r\n") << true;
        QTest::newRow("zeroed by a crash") << QByteArray(4096, '\0') << false;
        QTest::newRow("cut in a section header") << QByteArray("[SETTINGS]\nSOUNDOPT=2\n[IT") << false;
        QTest::newRow("a line without a key") << QByteArray("[SETTINGS]\nSOUNDOPT\n") << false;
        QTest::newRow("not UTF-8") << QByteArray("[SETTINGS]\nNAME=\xff\xfe\n") << false;
        QTest::newRow("an empty key") << QByteArray("[SETTINGS]\n=5\n") << false;
    }

    void whatReadsWhole()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, whole);
        QCOMPARE(iniReadsWhole(text), whole);
    }

    void aGoodStoreIsKeptOneStepBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        write(path, "[SETTINGS]\nDIAMOND=7\n");
        QCOMPARE(safeguardStoreFile(path, "x"), QString());
        QCOMPARE(read(path + ".bak"), QByteArray("[SETTINGS]\nDIAMOND=7\n"));
        write(path, "[SETTINGS]\nDIAMOND=8\n");
        safeguardStoreFile(path, "x");
        QCOMPARE(read(path + ".bak"), QByteArray("[SETTINGS]\nDIAMOND=8\n"));
    }

    void aDamagedStoreIsCopiedAsideAndTheBackupKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        write(path, "[SETTINGS]\nDIAMOND=7\n");
        safeguardStoreFile(path, "first");
        const QByteArray damaged = QByteArray("[SETTINGS]\nDIAMOND=9\n") + QByteArray(64, '\0');
        write(path, damaged);
        const QString copy = safeguardStoreFile(path, "20260518-101500");
        QCOMPARE(copy, path + ".damaged-20260518-101500");
        QCOMPARE(read(copy), damaged);
        QCOMPARE(read(path + ".bak"), QByteArray("[SETTINGS]\nDIAMOND=7\n")); // the good one stays
    }

    void noStoreYetIsNothingToGuard()
    {
        QTemporaryDir dir;
        QCOMPARE(safeguardStoreFile(dir.filePath("TAROVIN.ini"), "x"), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStoreFile)
#include "test_storefile.moc"
