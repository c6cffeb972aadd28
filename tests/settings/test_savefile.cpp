#include "screens/settings/SaveFile.h"
#include "screens/settings/SettingsScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/ReadOnlyPath.h"
#include "tests/support/StoreOnDisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <string_view>
#include <sys/resource.h>

using namespace tarovin;
using namespace tarovin::test;
using namespace std::literals;

namespace {

const QString question = QStringLiteral("是否覆蓋？\r\n存檔日期: ");
const QString failure = QStringLiteral("讀取檔案時發生錯誤: ");
const QString nothingToImport = QStringLiteral("這個檔案裡沒有咕嚕果的存檔資料，沒有載入任何資料。");

QString warning(const QString& key, const QString& value)
{
    return QStringLiteral("讀取錯誤: ") + key + QStringLiteral(" 的值不是整數 --> ") + value;
}

// A literal with NUL bytes among its characters.
QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Every key of the store file, in every group, as "GROUP/KEY=text", sorted.
QStringList dump(const Harness& h)
{
    QSettings file(h.store.path(), QSettings::IniFormat);
    QStringList all;
    for (const QString& key : file.allKeys())
        all << key + u'=' + file.value(key).toString();
    all.sort();
    return all;
}

// The store's keys after writing some over them.
QStringList merged(const QStringList& before, const QStringList& written)
{
    QMap<QString, QString> all;
    for (const QStringList& list : {before, written})
        for (const QString& entry : list)
            all[entry.section(u'=', 0, 0)] = entry.section(u'=', 1);
    QStringList out;
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        out << it.key() + u'=' + it.value();
    out.sort();
    return out;
}

// A screen on a store with a little progress, dated 5 January 2026.
struct Fixture {
    Harness h;
    Fixture()
    {
        h.add<SettingsScreen>();
        h.clock.set(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
        h.store.saveInt(keys::settings, keys::soundOpt, 1);
        h.store.saveInt(keys::settings, keys::diamond, 12);
        h.store.saveInt(keys::items, keys::totem, 3);
        h.start("Settings");
    }
    QString path(const QString& name) const { return h.dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path(name)));
        f.write(bytes);
        return path(name);
    }
    // Imports the file at path, answering the question with answer and every
    // other box with OK. Returns the texts of the boxes shown after the open
    // dialog.
    QStringList import(const QString& file, int answer, int boxes)
    {
        h.dialogs.shown.clear();
        h.dialogs.expectOpenFile(file);
        // The question comes at most once, but where is for the test to see.
        h.dialogs.autoAnswer = [answer](const ScriptedDialogs::Shown& box) {
            return std::pair<int, QString>{box.buttons == MsgButtons::YesNo ? answer : int(MsgOk), {}};
        };
        h.click("in");
        h.dialogs.autoAnswer = nullptr;
        QStringList texts;
        for (size_t i = 1; i < h.dialogs.shown.size(); ++i)
            texts << h.dialogs.shown[i].text;
        if (texts.size() != boxes)
            qWarning() << "boxes shown:" << texts;
        return texts;
    }
    QByteArray exportBytes()
    {
        h.dialogs.shown.clear();
        h.dialogs.expectSaveFile(path("export.tvd"));
        h.dialogs.expectMessage(MsgOk);
        h.click("download");
        QFile f(path("export.tvd"));
        if (!f.open(QIODevice::ReadOnly))
            return "<no file>";
        return f.readAll();
    }
};

} // namespace

// The save file: the export's rigid layout, the import's lenient grammar, and
// the import that either writes the whole file or nothing.
class TestSaveFile : public QObject {
    Q_OBJECT

private slots:
    void exportOfAnEmptyStoreIsTheBareFrame()
    {
        Harness h;
        h.add<SettingsScreen>();
        h.clock.set(QDateTime(QDate(2026, 1, 5), QTime(23, 59)));
        h.start("Settings");
        const QString path = h.dir.filePath("empty.tvd");
        h.dialogs.expectSaveFile(path);
        h.dialogs.expectMessage(MsgOk);
        h.click("download");

        QCOMPARE(h.dialogs.shown.size(), size_t(2));
        const auto& dialog = h.dialogs.shown[0];
        QCOMPARE(dialog.title, QString("咕嚕果"));
        QCOMPARE(dialog.filters, (QStringList{"咕果存檔 (*.tvd)", "所有檔案 (*.*)"}));
        QCOMPARE(dialog.defaultSuffix, QString("tvd"));
        QCOMPARE(h.dialogs.shown[1].text, QString("儲存成功!"));
        QCOMPARE(h.dialogs.shown[1].icon, MsgIcon::Information);

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("MANIFEST\r\n"
                                         "    CRE_DATE = 2026,1,5\r\n"
                                         "END MANIFEST\r\n"
                                         "\r\n"
                                         "REG\r\n"
                                         "END REG\r\n"));
    }

    void exportWritesABlockPerSectionThatHasKeys_data()
    {
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QByteArray>("blocks"); // between "REG" and "END REG"
        const QByteArray settings = "  CLASS SETTINGS\r\n        DIAMOND = 12\r\n        SOUNDOPT = 2\r\n  END CLASS\r\n";
        const QByteArray items = "  CLASS ITEMS\r\n        GIFT = 1\r\n        TOTEM = -3\r\n  END CLASS\r\n";
        const QByteArray pet = "  CLASS PET\r\n        FOOD = 50\r\n  END CLASS\r\n";
        const QByteArray avda = "  CLASS AVDA\r\n        TITLE = 2\r\n  END CLASS\r\n";
        QTest::newRow("every section") << QStringList{"SETTINGS", "ITEMS", "PET", "AVDA"}
                                       << settings + "\r\n" + items + "\r\n" + pet + "\r\n" + avda;
        QTest::newRow("before the pet and achievements screens")
            << QStringList{"SETTINGS", "ITEMS"} << settings + "\r\n" + items + "\r\n";
        QTest::newRow("no pet yet") << QStringList{"SETTINGS", "AVDA"} << settings + "\r\n" + avda;
        QTest::newRow("achievements only") << QStringList{"AVDA"} << avda;
    }

    void exportWritesABlockPerSectionThatHasKeys()
    {
        QFETCH(QStringList, sections);
        QFETCH(QByteArray, blocks);
        Harness h;
        h.add<SettingsScreen>();
        h.clock.set(QDateTime(QDate(2026, 11, 28), QTime(8, 0)));
        // Written in an order of their own; the file follows the store's listing.
        if (sections.contains("AVDA"))
            h.store.saveInt(keys::avda, "TITLE", 2);
        if (sections.contains("PET"))
            h.store.saveInt(keys::pet, keys::food, 50);
        if (sections.contains("ITEMS")) {
            h.store.saveInt(keys::items, keys::totem, -3);
            h.store.saveInt(keys::items, keys::gift, 1);
        }
        if (sections.contains("SETTINGS")) {
            h.store.saveInt(keys::settings, keys::soundOpt, 2);
            h.store.saveInt(keys::settings, keys::diamond, 12);
        }
        h.start("Settings");
        const QString path = h.dir.filePath("all.tvd");
        h.dialogs.expectSaveFile(path);
        h.dialogs.expectMessage(MsgOk);
        h.click("download");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "MANIFEST\r\n    CRE_DATE = 2026,11,28\r\nEND MANIFEST\r\n\r\nREG\r\n" + blocks + "END REG\r\n");
    }

    void exportCancelledWritesNothing()
    {
        Fixture t;
        t.h.dialogs.expectSaveFile(QString());
        t.h.click("download");
        QCOMPARE(t.h.dialogs.shown.size(), size_t(1));
        QCOMPARE(QDir(t.h.dir.path()).entryList({"*.tvd"}), QStringList());
    }

    void anExportThatCannotBeWrittenSaysSoAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");     // relative to the test folder
        QTest::addColumn<QByteArray>("earlier"); // a save already at the target; empty for none
        QTest::addColumn<qint64>("room");         // the most bytes a file may grow to; 0 for no limit
        QTest::newRow("missing folder") << "no/such/folder/save.tvd" << QByteArray() << qint64(0);
        // The folder the store itself lives in.
        QTest::newRow("a folder in the way") << "TAROVIN" << QByteArray() << qint64(0);
        QTest::newRow("the disk fills up over an earlier save")
            << "earlier.tvd"
            << QByteArray("MANIFEST\r\n    CRE_DATE = 2025,12,1\r\nEND MANIFEST\r\n\r\nREG\r\n"
                          "  CLASS SETTINGS\r\n        DIAMOND = 7\r\n  END CLASS\r\nEND REG\r\n")
            << qint64(64);
    }

    void anExportThatCannotBeWrittenSaysSoAndKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, earlier);
        QFETCH(qint64, room);
        // While it lives, no file of this process may grow beyond the room
        // given (0: no limit), as on a full disk: a write past it fails
        // instead of ending the process.
        struct FileSizeLimit {
            rlimit before{};
            void (*handler)(int) = SIG_DFL;
            explicit FileSizeLimit(qint64 bytes)
            {
                getrlimit(RLIMIT_FSIZE, &before);
                handler = std::signal(SIGXFSZ, SIG_IGN);
                if (bytes == 0)
                    return;
                rlimit limit = before;
                limit.rlim_cur = rlim_t(bytes);
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            ~FileSizeLimit()
            {
                setrlimit(RLIMIT_FSIZE, &before);
                std::signal(SIGXFSZ, handler);
            }
        };
        Fixture t;
        const QString path = t.path(target);
        if (!earlier.isEmpty())
            t.write(target, earlier);
        const bool folder = QFileInfo(path).isDir();
        const QStringList store = dump(t.h);
        t.h.dialogs.expectSaveFile(path);
        t.h.dialogs.expectMessage(MsgOk);
        {
            const FileSizeLimit full(room);
            t.h.click("download");
        }
        QCOMPARE(t.h.dialogs.shown.size(), size_t(2));
        const auto& box = t.h.dialogs.shown[1];
        QVERIFY2(box.text.startsWith("儲存檔案時發生錯誤: "), qPrintable(box.text));
        QCOMPARE(box.icon, MsgIcon::Critical);

        // Whatever was at the target is still there as it was, and nothing
        // half-written is left beside it.
        if (folder) {
            QVERIFY(QFileInfo(path).isDir());
        } else if (earlier.isEmpty()) {
            QVERIFY(!QFileInfo::exists(path));
        } else {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), earlier);
        }
        QCOMPARE(QDir(t.h.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 earlier.isEmpty() ? QStringList() : QStringList{target});
        QCOMPARE(dump(t.h), store);
    }

    // The folder takes no new file but the save in it can still be written:
    // the export writes it in place rather than fail.
    void anExportIntoAReadOnlyFolderOverAWritableFile()
    {
        Fixture t;
        const QString folder = t.path("saves");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/save.tvd";
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older save\r\n");
        old.close();
        constexpr auto readAll = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        constexpr auto enterAll = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        constexpr auto writeAll = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(t.h.dir.path(), QFile::permissions(t.h.dir.path()) | enterAll));
        const QFile::Permissions folderWas = QFile::permissions(folder);
        QVERIFY(QFile::setPermissions(folder, readAll | enterAll));
        // Writable again at the end, so that the test folder can be removed.
        const auto restore = qScopeGuard([&] { QFile::setPermissions(folder, folderWas); });
        QVERIFY(QFile::setPermissions(file, readAll | writeAll));
        {
            OrdinaryUser user;
            if (!user.unavailable().isEmpty())
                QSKIP(qPrintable(user.unavailable()));
            if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly))
                QSKIP("No read-only folder on this machine: a new file could still be made in it");
            t.h.dialogs.expectSaveFile(file);
            t.h.dialogs.expectMessage(MsgOk);
            t.h.click("download");
        }
        QCOMPARE(t.h.dialogs.shown.size(), size_t(2));
        QCOMPARE(t.h.dialogs.shown[1].text, QString("儲存成功!"));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY2(text.startsWith("MANIFEST\r\n") && text.contains("        DIAMOND = 12\r\n") && text.endsWith("END REG\r\n"),
                 text.constData());
    }

    void exportThenImportWithYesRestoresEveryKeyAndKeepsNewerOnes()
    {
        Fixture t;
        t.h.store.saveInt(keys::pet, keys::food, 44);
        t.h.store.saveInt(keys::avda, "TITLE", 2);
        const QStringList before = dump(t.h);
        const QByteArray saved = t.exportBytes();
        QVERIFY(saved.contains("        DIAMOND = 12\r\n"));

        // Play on: values change and a key appears that the save never knew.
        t.h.store.saveInt(keys::settings, keys::diamond, 99);
        t.h.store.saveInt(keys::items, keys::totem, 0);
        t.h.store.saveInt(keys::pet, keys::food, -7);
        t.h.store.saveInt(keys::avda, "TITLE", 1);
        t.h.store.saveInt(keys::settings, keys::maxScore, 5000);
        t.h.clock.set(QDateTime(QDate(2026, 3, 1), QTime(12, 0)));

        QCOMPARE(t.import(t.path("export.tvd"), MsgYes, 1), QStringList{question + "2026,1,5"});
        QCOMPARE(t.h.dialogs.shown[1].icon, MsgIcon::Question);
        QCOMPARE(t.h.dialogs.shown[1].buttons, MsgButtons::YesNo);
        QStringList expected = before;
        expected << "SETTINGS/MAXSCORE=5000";
        expected.sort();
        QCOMPARE(dump(t.h), expected);
    }

    void answeringNoWritesNothingButStillWarns()
    {
        Fixture t;
        const QStringList before = dump(t.h);
        const QString file = t.write("no.tvd", "MANIFEST\r\n    CRE_DATE = 2025,12,24\r\nEND MANIFEST\r\n"
                                               "  CLASS ITEMS\r\n        NAME = lion\r\n        TOTEM = 50\r\n"
                                               "        GIFT = 2\r\n        COLOUR = gold\r\n  END CLASS\r\n");
        const QStringList boxes = t.import(file, MsgNo, 3);
        QCOMPARE(boxes, (QStringList{warning("NAME", "lion"), question + "2025,12,24", warning("COLOUR", "gold")}));
        QCOMPARE(dump(t.h), before);
    }

    // The reader's grammar, line by line. Boxes: the texts shown in order;
    // the question is answered Yes. Written: every key the file changed.
    void theGrammarIsLenient_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("written");

        QTest::newRow("lower-case keywords, section as written")
            << QByteArray("manifest\r\ncre_date=2024,2,29\r\nreg\r\nclass pet\r\nFOOD = 70\r\nend class\r\n"
                          "Class Items\r\nTOTEM = 4\r\nEnd Class\r\n")
            << QStringList{question + "2024,2,29"} << QStringList{"ITEMS/TOTEM=4", "PET/FOOD=70"};
        QTest::newRow("the game's sections in any case, other names as written")
            << QByteArray("  CLASS SeTTings\r\n  IRON = 8\r\n  CLASS aVdA\r\n  TITLE = 2\r\n  CLASS Pets\r\n  A = 1\r\n")
            << QStringList{question} << QStringList{"AVDA/TITLE=2", "Pets/A=1", "SETTINGS/IRON=8"};
        QTest::newRow("a tab-indented CLASS line is not a CLASS line")
            << QByteArray("\tCLASS ITEMS\r\n        TOTEM = 9\r\n") << QStringList{nothingToImport} << QStringList{};
        QTest::newRow("a tab-indented CLASS line leaves the section open")
            << QByteArray("  CLASS AVDA\r\n\tCLASS ITEMS\r\n        TOTEM = 2\r\n") << QStringList{question}
            << QStringList{"AVDA/TOTEM=2"};
        QTest::newRow("fractions round half to even")
            << QByteArray("  CLASS PET\r\n  A = 12.5\r\n  B = 13.5\r\n  C = -2.5\r\n  D = 7.51\r\n")
            << QStringList{question} << QStringList{"PET/A=12", "PET/B=14", "PET/C=-2", "PET/D=8"};
        QTest::newRow("the 32-bit bounds themselves")
            << QByteArray("  CLASS SETTINGS\r\n  MAXSCORE = 2147483647\r\n  LOW = -2147483648\r\n")
            << QStringList{question} << QStringList{"SETTINGS/LOW=-2147483648", "SETTINGS/MAXSCORE=2147483647"};
        QTest::newRow("letters warn and the import goes on")
            << QByteArray("  CLASS ITEMS\r\n  GIFT = abc\r\n  TOTEM = 6\r\n  NOTNT = 1e3\r\n  SCOREX = 2\r\n")
            << QStringList{warning("GIFT", "abc"), question, warning("NOTNT", "1e3")}
            << QStringList{"ITEMS/SCOREX=2", "ITEMS/TOTEM=6"};
        QTest::newRow("key lines outside a class block are ignored")
            << QByteArray("DIAMOND = 500\r\n  CLASS SETTINGS\r\n  IRON = 3\r\n  END CLASS\r\nDIAMOND = 600\r\nREG\r\n")
            << QStringList{question} << QStringList{"SETTINGS/IRON=3"};
        QTest::newRow("no numeric key line: no question, nothing written")
            << QByteArray("MANIFEST\r\nCRE_DATE = 2026,1,1\r\nEND MANIFEST\r\nREG\r\n  CLASS PET\r\n  NAME = Leo\r\nEND REG\r\n")
            << QStringList{warning("NAME", "Leo")} << QStringList{};
        QTest::newRow("lines ending in a line feed alone")
            << QByteArray("MANIFEST\n    CRE_DATE = 2026,4,1\nEND MANIFEST\n\nREG\n  CLASS ITEMS\n        GIFT = 5\n  END CLASS\nEND REG\n")
            << QStringList{question + "2026,4,1"} << QStringList{"ITEMS/GIFT=5"};
        QTest::newRow("lines ending in a carriage return alone")
            << QByteArray("CRE_DATE = 1\r  CLASS ITEMS\r  GIFT = 6") << QStringList{question + "1"}
            << QStringList{"ITEMS/GIFT=6"};
        QTest::newRow("a CRE_DATE line inside a block counts twice")
            << QByteArray("  CLASS SETTINGS\r\n  CRE_DATE = 7\r\n  A = 1\r\n") << QStringList{question + "7"}
            << QStringList{"SETTINGS/A=1", "SETTINGS/CRE_DATE=7"};
        QTest::newRow("the date is what came before the first number")
            << QByteArray("  CLASS PET\r\n  A = 1\r\n  END CLASS\r\nCRE_DATE = 2030,1,1\r\n  CLASS PET\r\n  B = 2\r\n")
            << QStringList{question}
            << QStringList{"PET/A=1", "PET/B=2"};
        QTest::newRow("a date line without an equals sign gives the whole line")
            << QByteArray("  CRE_DATE 2026 1 2\r\n  CLASS PET\r\n  A = 1\r\n") << QStringList{question + "CRE_DATE202612"}
            << QStringList{"PET/A=1"};
        QTest::newRow("the next CLASS switches without END CLASS, the last value wins")
            << QByteArray("  CLASS PET\r\n  A = 1\r\n  CLASS AVDA\r\n  A = 2\r\n  A = 3\r\n") << QStringList{question}
            << QStringList{"AVDA/A=3", "PET/A=1"};
        QTest::newRow("spaces inside names and numbers are removed")
            << QByteArray("  CLASS  MY PET \r\n  LONG NAME = 1 000 \r\n") << QStringList{question}
            << QStringList{"MYPET/LONGNAME=1000"};
        QTest::newRow("a byte-order mark in front is skipped")
            << QByteArray("\xEF\xBB\xBF  CLASS ITEMS\r\n  GIFT = 8\r\n") << QStringList{question} << QStringList{"ITEMS/GIFT=8"};
        QTest::newRow("an empty file") << QByteArray() << QStringList{nothingToImport} << QStringList{};
        QTest::newRow("a picture chosen by mistake")
            << bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0\x1f\xf3\xff" "a"sv)
            << QStringList{nothingToImport} << QStringList{};
        // Save files are written in the platform's 8-bit code page: a note in
        // Big5 (我的存檔) is a line like any other the reader does not know.
        QTest::newRow("a file in Big5")
            << QByteArray("\xa7\xda\xaa\xba\xa6\x73\xc0\xc9\r\n  CLASS ITEMS\r\n  TOTEM = 40\r\n  NAME = \xb7\xe0\xa4\x6c\r\n")
            << QStringList{question, warning("NAME", "獅子")} << QStringList{"ITEMS/TOTEM=40"};
        QTest::newRow("lines with NUL bytes are skipped")
            << bytes("  CLASS ITEMS\r\n  TOTEM = 40\r\n  GIFT\0 = 3\r\n\0\0\0\r\n  SCOREX = 2\r\n"sv)
            << QStringList{question} << QStringList{"ITEMS/SCOREX=2", "ITEMS/TOTEM=40"};
    }

    void theGrammarIsLenient()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, written);
        Fixture t;
        const QStringList before = dump(t.h);
        const QString path = t.write("grammar.tvd", file);
        QCOMPARE(t.import(path, MsgYes, int(boxes.size())), boxes);
        QCOMPARE(dump(t.h), merged(before, written));
    }

    // Whatever goes wrong, the import ends with its failure message and the
    // store exactly as it was, also for the keys before the failing line.
    void aFailedImportWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("boxesBefore"); // shown before the failure
        QTest::addColumn<QString>("reason");          // part of the failure text

        const QByteArray head = "  CLASS ITEMS\r\n        TOTEM = 40\r\n        GIFT = x\r\n";
        const QStringList asked{question, warning("GIFT", "x")};
        QTest::newRow("a number beyond 32 bits")
            << head + "        SCOREX = 99999999999\r\n" << asked << "第 4 行 SCOREX 的值 99999999999 超出整數範圍";
        QTest::newRow("a half that rounds beyond 32 bits")
            << head + "        SCOREX = 2147483647.5\r\n" << asked << "超出整數範圍";
        QTest::newRow("below 32 bits") << head + "        SCOREX = -2147483649\r\n" << asked << "超出整數範圍";
        QTest::newRow("an empty key") << head + "        = 5\r\n" << asked << "第 4 行: 名稱是空的";
        QTest::newRow("a slash in the section")
            << head + "  CLASS ITEMS/../SETTINGS\r\n  DIAMOND = 9999\r\n" << asked << "第 5 行: 名稱「ITEMS/../SETTINGS」";
        QTest::newRow("a backslash in the key") << head + "  A\\B = 1\r\n" << asked << "第 4 行: 名稱「A\\B」";
        QTest::newRow("a tab-indented key line") << head + "\tGIFT = 1\r\n" << asked << "第 4 行: 名稱含有控制字元";
        QTest::newRow("many megabytes") << head + QByteArray(3 * 1024 * 1024, ' ') << QStringList{} << "檔案太大";
        QTest::newRow("a line of a million characters")
            << head + "  SCOREX = " + QByteArray(1000000, '1') + "\r\n" << QStringList{} << "第 4 行太長";
        QByteArray many = head;
        for (int i = 0; i < 1200; ++i)
            many += "  K" + QByteArray::number(i) + " = 1\r\n";
        QTest::newRow("more key lines than any save") << many << QStringList{} << "資料行太多";
    }

    void aFailedImportWritesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxesBefore);
        QFETCH(QString, reason);
        Fixture t;
        const QStringList before = dump(t.h);
        const QString path = t.write("bad.tvd", file);
        QElapsedTimer clock;
        clock.start();
        const QStringList boxes = t.import(path, MsgYes, int(boxesBefore.size()) + 1);
        QVERIFY2(clock.elapsed() < 5000, "the import took too long");
        QCOMPARE(boxes.mid(0, boxesBefore.size()), boxesBefore);
        QCOMPARE(boxes.size(), boxesBefore.size() + 1);
        QVERIFY2(boxes.last().startsWith(failure) && boxes.last().contains(reason), qPrintable(boxes.last()));
        QCOMPARE(t.h.dialogs.shown.back().icon, MsgIcon::Critical);
        QCOMPARE(dump(t.h), before);
    }

    // The store was damaged when the game started; an import answered Yes
    // still lands and says nothing more.
    void anImportOnAStoreDamagedAtStartLands()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath("TAROVIN.ini");
        QVERIFY(writeDamagedStore(store));
        Harness h(store);
        h.add<SettingsScreen>();
        h.start("Settings");
        const QString file = dir.filePath("save.tvd");
        QFile save(file);
        QVERIFY(save.open(QIODevice::WriteOnly));
        save.write("  CLASS ITEMS\r\n        TOTEM = 7\r\n        GIFT = 2\r\n  END CLASS\r\n");
        save.close();
        h.dialogs.expectOpenFile(file);
        h.dialogs.expectMessage(MsgYes);
        h.click("in");
        QCOMPARE(h.dialogs.shown.size(), size_t(2));
        const QStringList disk = storeOnDisk(store);
        QVERIFY2(disk.contains("ITEMS/TOTEM=7") && disk.contains("ITEMS/GIFT=2"), qPrintable(disk.join(' ')));
    }

    void aRefusedImportSaysSoAndNothingOfItLandsLater_data()
    {
        QTest::addColumn<bool>("folder"); // the folder read-only, else the file
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }

    void aRefusedImportSaysSoAndNothingOfItLandsLater()
    {
        QFETCH(bool, folder);
        Fixture t;
        const QString store = t.h.store.path();
        const QStringList before = storeOnDisk(store);
        const QString file = t.write("refused.tvd", "  CLASS SETTINGS\r\n  DIAMOND = 500\r\n  SOUNDOPT = 2\r\n"
                                                    "  CLASS ITEMS\r\n  TOTEM = 40\r\n  GIFT = 9\r\n");
        {
            ReadOnlyPath readOnly(folder ? QFileInfo(store).path() : store);
            if (!readOnly.unavailable().isEmpty())
                QSKIP(qPrintable(readOnly.unavailable()));
            const QStringList boxes = t.import(file, MsgYes, 2);
            QCOMPARE(boxes.size(), 2);
            QCOMPARE(boxes.first(), question);
            QVERIFY2(boxes.last().startsWith(failure), qPrintable(boxes.last()));
            QCOMPARE(t.h.dialogs.shown.back().icon, MsgIcon::Critical);
            // Every screen still reads the progress the disk holds.
            QCOMPARE(t.h.stored(keys::settings, keys::diamond), 12);
            QCOMPARE(t.h.stored(keys::items, keys::totem), 3);
            QCOMPARE(t.h.stored(keys::items, keys::gift), -999999);
            QCOMPARE(storeOnDisk(store), before);
        }
        // Writable again: the next write lands, the refused import does not.
        QVERIFY(t.h.store.saveInt(keys::pet, keys::food, 50));
        QCOMPARE(storeOnDisk(store), merged(before, {"PET/FOOD=50"}));
    }

    void aFileThatCannotBeOpenedFailsAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.tvd";
        QTest::newRow("a folder") << "TAROVIN";
    }

    void aFileThatCannotBeOpenedFailsAtOnce()
    {
        QFETCH(QString, name);
        Fixture t;
        const QStringList before = dump(t.h);
        const QStringList boxes = t.import(t.path(name), MsgYes, 1);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().startsWith(failure) && boxes.first().contains(t.path(name)), qPrintable(boxes.first()));
        QCOMPARE(dump(t.h), before);
    }

    void refusedNamesDoNotFailWhenNothingIsWritten()
    {
        Fixture t;
        const QStringList before = dump(t.h);
        const QString file = t.write("no.tvd", "  CLASS ITEMS\r\n  GIFT = 1\r\n  = 5\r\n  SCOREX = 99999999999\r\n");
        QCOMPARE(t.import(file, MsgNo, 1), QStringList{question});
        QCOMPARE(dump(t.h), before);
    }

    void importCancelledDoesNothing()
    {
        Fixture t;
        const QStringList before = dump(t.h);
        t.h.dialogs.expectOpenFile(QString());
        t.h.click("in");
        QCOMPARE(t.h.dialogs.shown.size(), size_t(1));
        QCOMPARE(t.h.dialogs.shown[0].title, QString("咕嚕果"));
        QCOMPARE(t.h.dialogs.shown[0].filters, (QStringList{"咕果存檔 (*.tvd)", "所有檔案 (*.*)"}));
        QCOMPARE(dump(t.h), before);
    }

    void anImportedSoundOptionWaitsForTheNextOpening()
    {
        Fixture t; // opened with sound off
        QVERIFY(t.h.ctl("Swich1_2").visible);
        const QString file = t.write("sound.tvd", "  CLASS SETTINGS\r\n  SOUNDOPT = 2\r\n");
        t.import(file, MsgYes, 1);
        QCOMPARE(t.h.stored(keys::settings, keys::soundOpt), 2);
        QVERIFY(t.h.ctl("Swich1_2").visible);
        QVERIFY(!t.h.ctl("Swich1").visible);
        QVERIFY(t.h.audio.played.isEmpty());
    }

    void theWriterAndReaderAgreeOnOddStoredTexts()
    {
        // A hand-edited store: a value with a line break must not smuggle a
        // line of its own into the save.
        Harness h;
        h.add<SettingsScreen>();
        h.store.saveInt(keys::items, keys::gift, 1);
        QSettings raw(h.store.path(), QSettings::IniFormat);
        raw.setValue("ITEMS/NOTE", "x\r\n  CLASS SETTINGS\r\n  DIAMOND = 30000");
        raw.sync();
        const QByteArray text = savefile::exportText(h.store, QDate(2026, 1, 5));
        QCOMPARE(text.count("\r\n"), 11);
        const savefile::Reading reading = savefile::parse(text);
        QVERIFY(reading.ok());
        QStringList keys;
        for (const auto& line : reading.keyLines)
            keys << line.section + "/" + line.key;
        QCOMPARE(keys, (QStringList{"ITEMS/GIFT", "ITEMS/NOTE"}));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "test_savefile.moc"
