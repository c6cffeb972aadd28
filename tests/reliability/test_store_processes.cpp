#include "screens/settings/SaveFile.h"
#include "store/StoreFile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tarovin;

namespace {

// The keys of the file as text, read without QSettings (which would cache).
QMap<QString, QString> readKeys(const QString& path, bool* whole)
{
    QFile f(path);
    QMap<QString, QString> keys;
    *whole = true;
    if (!f.exists())
        return keys; // killed before its first write: nothing written is whole
    *whole = f.open(QIODevice::ReadOnly);
    if (!*whole)
        return keys;
    const QByteArray text = f.readAll();
    *whole = iniReadsWhole(text);
    for (const QByteArray& line : text.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(QString::fromUtf8(line.left(eq)).trimmed(), QString::fromUtf8(line.mid(eq + 1)).trimmed());
    }
    return keys;
}

// Starts a writer process and kills it with SIGKILL a random moment later.
// A slow build (sanitizers) may take a while for its first write, so the
// first round waits for the file before it counts: the kills are meant for
// the middle of the writes after it.
void killWhileWriting(const QString& program, const QStringList& args, const QString& written, bool firstRound)
{
    QProcess writer;
    writer.start(program, args);
    QVERIFY(writer.waitForStarted());
    QVERIFY(writer.waitForReadyRead(5000));
    if (firstRound)
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(written), 10000);
    QTest::qWait(int(QRandomGenerator::global()->bounded(1, 25)));
    ::kill(pid_t(writer.processId()), SIGKILL);
    QVERIFY(writer.waitForFinished(5000));
}

} // namespace

// The store file survives a game killed in the middle of a write, and two
// copies of the game writing at once; an exported save file survives a kill
// in the middle of its export.
class TestStoreProcesses : public QObject {
    Q_OBJECT
private slots:
    void aKilledWriterLeavesEveryKeyOldOrNew()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        int lastSeen = 0;
        for (int round = 0; round < 100; ++round) {
            killWhileWriting(STORE_WRITER, {"sequence", path}, path, round == 0);
            if (QTest::currentTestFailed())
                return;

            bool whole = false;
            const auto keys = readKeys(path, &whole);
            QVERIFY2(whole, qPrintable(QString("round %1: the file does not read whole").arg(round)));
            if (keys.isEmpty())
                continue; // killed before its first write
            // Writes go K1..K5 with 1, then 2, ...: every key holds the newest
            // value n or the one before it, and the older ones come last.
            QCOMPARE(keys.size(), keys.contains("K5") ? 5 : keys.size());
            const int n = keys.value("K1").toInt();
            bool older = false;
            for (int k = 1; k <= 5; ++k) {
                const QString v = keys.value(QString("K%1").arg(k), "0");
                const int value = v.toInt();
                QVERIFY2(value == n || value == n - 1, qPrintable(QString("K%1=%2 beside K1=%3").arg(k).arg(v).arg(n)));
                if (value == n - 1)
                    older = true;
                else
                    QVERIFY2(!older, "a newer value after an older one");
            }
            lastSeen = n;
        }
        QVERIFY(lastSeen > 0);
    }

    void aKilledExportLeavesTheLastWholeSaveFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("save.tvd");
        int lastSeen = 0;
        for (int round = 0; round < 60; ++round) {
            killWhileWriting(SAVEFILE_WRITER, {path}, path, round == 0);
            if (QTest::currentTestFailed())
                return;

            // The file is one whole export: it reads without an error, holds
            // all forty keys, and all of them come from the same round.
            const savefile::Reading reading = savefile::readFile(path);
            QVERIFY2(reading.ok(), qPrintable(QString("round %1: %2").arg(round).arg(reading.error)));
            QCOMPARE(reading.keyLines.size(), 40);
            const QString value = reading.keyLines.first().value;
            for (const savefile::KeyLine& line : reading.keyLines)
                QVERIFY2(line.value == value, qPrintable(QString("round %1: %2=%3 beside K1=%4")
                                                             .arg(round).arg(line.key, line.value, value)));
            lastSeen = value.toInt();
        }
        QVERIFY(lastSeen > 0);
    }

    void twoCopiesWritingAtOnceLoseNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        QProcess a, b;
        a.start(STORE_WRITER, {"keys", path, "A", "150"});
        b.start(STORE_WRITER, {"keys", path, "B", "150"});
        QVERIFY(a.waitForFinished(60000));
        QVERIFY(b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        bool whole = false;
        const auto keys = readKeys(path, &whole);
        QVERIFY(whole);
        for (int i = 1; i <= 150; ++i) {
            QCOMPARE(keys.value(QString("A%1").arg(i)), QString::number(i));
            QCOMPARE(keys.value(QString("B%1").arg(i)), QString::number(i));
        }
    }
};

QTEST_GUILESS_MAIN(TestStoreProcesses)
#include "test_store_processes.moc"
