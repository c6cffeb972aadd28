#include "screens/settings/SettingsScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"
#include "tests/support/ReadOnlyPath.h"
#include "tests/support/StoreOnDisk.h"

#include <QDir>
#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The settings screen itself: the sound switch, wiping, leaving.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void theSwitchShowsTheStoredOptionAndFlips_data()
    {
        QTest::addColumn<QString>("stored"); // text in the store, "<missing>" for none
        QTest::addColumn<bool>("showsOn");
        QTest::addColumn<QString>("afterClick");
        QTest::addColumn<QStringList>("sounds"); // heard from the click
        const QStringList silent;
        const QStringList clicked{"BTNSOUND"};
        QTest::newRow("on turns off silently") << "2" << true << "1" << silent;
        QTest::newRow("off turns on with a click") << "1" << false << "2" << clicked;
        QTest::newRow("missing counts as off") << "<missing>" << false << "2" << clicked;
        QTest::newRow("zero counts as off") << "0" << false << "2" << clicked;
        QTest::newRow("an imported 5 counts as off") << "5" << false << "2" << clicked;
        QTest::newRow("letters count as off") << "loud" << false << "2" << clicked;
    }

    void theSwitchShowsTheStoredOptionAndFlips()
    {
        QFETCH(QString, stored);
        QFETCH(bool, showsOn);
        QFETCH(QString, afterClick);
        QFETCH(QStringList, sounds);
        Harness h;
        auto& screen = h.add<SettingsScreen>();
        if (stored != "<missing>") {
            QDir().mkpath(QFileInfo(h.store.path()).path());
            QFile f(h.store.path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[SETTINGS]\nSOUNDOPT=" + stored.toUtf8() + "\n");
        }
        h.start("Settings");
        QCOMPARE(h.ctl("Swich1").visible, showsOn);
        QCOMPARE(h.ctl("Swich1_2").visible, !showsOn);
        QCOMPARE(h.ctl("Swich1").rect(), h.ctl("Swich1_2").rect());

        h.click(showsOn ? "Swich1" : "Swich1_2");
        QCOMPARE(h.storedText(keys::settings, keys::soundOpt), afterClick);
        QCOMPARE(h.ctl("Swich1").visible, !showsOn);
        QCOMPARE(h.ctl("Swich1_2").visible, showsOn);
        QCOMPARE(qint32(screen.soundOpt), afterClick.toInt());
        QCOMPARE(h.audio.played, sounds);

        // Back again: the switch is a true toggle.
        h.audio.clear();
        h.click(showsOn ? "Swich1_2" : "Swich1");
        QCOMPARE(h.stored(keys::settings, keys::soundOpt), afterClick == "1" ? 2 : 1);
        QCOMPARE(h.ctl("Swich1").visible, showsOn);
        QCOMPARE(h.audio.played, showsOn ? QStringList{"BTNSOUND"} : QStringList{});
    }

    void theButtonsClickOnlyWhenSoundIsOn()
    {
        for (int option : {1, 2}) {
            Harness h;
            h.add<SettingsScreen>();
            h.store.saveInt(keys::settings, keys::soundOpt, option);
            h.start("Settings");
            h.dialogs.expectMessage(MsgCancel);
            h.click("Delcookie");
            h.dialogs.expectSaveFile(QString());
            h.click("download");
            h.dialogs.expectOpenFile(QString());
            h.click("in");
            QCOMPARE(h.audio.played, option == 2 ? QStringList(3, "BTNSOUND") : QStringList());
        }
    }

    void wipingWithOkEndsAtOnceOnAnEmptyStore()
    {
        Harness h;
        h.add<SettingsScreen>();
        for (const QString& section : keys::allSections)
            h.store.saveInt(section, "SOMEKEY", 7);
        h.store.saveInt(keys::settings, keys::soundOpt, 2);
        h.start("Settings");
        h.dialogs.expectMessage(MsgOk);
        h.click("Delcookie");

        QCOMPARE(h.dialogs.shown.size(), size_t(1));
        const auto& box = h.dialogs.shown.front();
        QCOMPARE(box.text, QString("是否清空所有遊玩資訊"));
        QCOMPARE(box.title, QString("咕嚕果"));
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.buttons, MsgButtons::OkCancel);
        QVERIFY(h.navigator.ended());
        QCOMPARE(h.openCount(), 0);
        // No close handler ran: the menu's load would have written its keys
        // again, and the screen's own close handling would have stopped sounds.
        for (const QString& section : keys::allSections)
            QVERIFY2(!h.store.getAll(section), qPrintable(section));
        QCOMPARE(h.audio.stops, 0);
        QVERIFY(!QFile::exists(h.store.path()) || QFile(h.store.path()).size() == 0);
    }

    void wipingWithCancelKeepsEverything()
    {
        Harness h;
        h.add<SettingsScreen>();
        h.store.saveInt(keys::settings, keys::diamond, 12);
        h.store.saveInt(keys::pet, keys::food, 40);
        h.start("Settings");
        h.dialogs.expectMessage(MsgCancel);
        h.click("Delcookie");
        QVERIFY(!h.navigator.ended());
        QCOMPARE(h.currentName(), QString("Settings"));
        QCOMPARE(h.stored(keys::settings, keys::diamond), 12);
        QCOMPARE(h.stored(keys::pet, keys::food), 40);
    }

    void aWipeThatCannotBeWrittenSaysSoAndStays()
    {
        // A folder where the store file should be: nothing can be written there.
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        QVERIFY(QDir().mkpath(path));
        Harness h(path);
        h.add<SettingsScreen>();
        h.start("Settings");
        h.dialogs.expectMessage(MsgOk);
        h.dialogs.expectMessage(MsgOk);
        h.click("Delcookie");
        QCOMPARE(h.dialogs.shown.size(), size_t(2));
        QVERIFY(h.dialogs.shown.back().text.startsWith("清空資料時發生錯誤: "));
        QCOMPARE(h.dialogs.shown.back().icon, MsgIcon::Critical);
        QVERIFY(!h.navigator.ended());
        QCOMPARE(h.currentName(), QString("Settings"));
    }

    // The store was damaged when the game started (the player was told and
    // a copy is kept aside); wiping it must still end the program.
    void aWipeOnAStoreDamagedAtStartEndsWithTheStoreEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("TAROVIN.ini");
        QVERIFY(writeDamagedStore(path));
        Harness h(path);
        h.add<SettingsScreen>();
        h.start("Settings");
        h.dialogs.expectMessage(MsgOk);
        h.click("Delcookie");
        QCOMPARE(h.dialogs.shown.size(), size_t(1));
        QVERIFY(h.navigator.ended());
        QCOMPARE(storeOnDisk(path), QStringList());
    }

    void aRefusedWipeSaysSoAndKeepsEverything_data()
    {
        QTest::addColumn<bool>("folder"); // the folder read-only, else the file
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }

    void aRefusedWipeSaysSoAndKeepsEverything()
    {
        QFETCH(bool, folder);
        Harness h;
        h.add<SettingsScreen>();
        QVERIFY(h.store.saveAll({{keys::settings, keys::soundOpt, 1}, {keys::settings, keys::diamond, 12},
                                 {keys::pet, keys::food, 40}}));
        const QString path = h.store.path();
        const QStringList before = storeOnDisk(path);
        h.start("Settings");
        {
            ReadOnlyPath readOnly(folder ? QFileInfo(path).path() : path);
            if (!readOnly.unavailable().isEmpty())
                QSKIP(qPrintable(readOnly.unavailable()));
            h.dialogs.expectMessage(MsgOk);
            h.dialogs.expectMessage(MsgOk);
            h.click("Delcookie");
            QCOMPARE(h.dialogs.shown.size(), size_t(2));
            QVERIFY2(h.dialogs.shown.back().text.startsWith("清空資料時發生錯誤: "), qPrintable(h.dialogs.shown.back().text));
            QVERIFY(!h.navigator.ended());
            // Every screen still reads the progress the disk holds.
            QCOMPARE(h.stored(keys::settings, keys::diamond), 12);
            QCOMPARE(h.stored(keys::pet, keys::food), 40);
            QCOMPARE(storeOnDisk(path), before);
        }
        // Writable again: the next write lands, the refused wipe does not.
        h.click("Swich1_2");
        QCOMPARE(storeOnDisk(path), (QStringList{"PET/FOOD=40", "SETTINGS/DIAMOND=12", "SETTINGS/SOUNDOPT=2"}));
    }

    void closeButtonAndCloseBoxReturnToTheMenuInSilence_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Close button") << true;
        QTest::newRow("close box") << false;
    }

    void closeButtonAndCloseBoxReturnToTheMenuInSilence()
    {
        QFETCH(bool, byButton);
        Harness h;
        h.add<SettingsScreen>();
        h.store.saveInt(keys::settings, keys::soundOpt, 2);
        h.start("Settings");
        if (byButton)
            h.click("Close");
        else
            h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
        QVERIFY(!h.navigator.ended());
        QCOMPARE(h.audio.stops, 1);
        QCOMPARE(h.audio.events, byButton ? QStringList({"BTNSOUND", "STOP"}) : QStringList({"STOP"}));
    }

    void theWindowHasItsControlsInPlace()
    {
        Harness h;
        h.add<SettingsScreen>();
        h.store.saveInt(keys::settings, keys::soundOpt, 2);
        h.start("Settings");
        Form& f = h.current();
        QCOMPARE(f.title(), QString("咕嚕果"));
        QCOMPARE(f.widthTwips(), 14220);
        QCOMPARE(f.heightTwips(), 8640);
        QCOMPARE(h.ctl("Title").caption, QString("設定"));
        QCOMPARE(h.ctl("Title").foreColor, QString("#FFFF80"));
        QCOMPARE(h.ctl("Label2").foreColor, QString("#C00000"));
        QCOMPARE(h.ctl("download").tooltip, QString("下載存檔"));
        QCOMPARE(h.ctl("in").tooltip, QString("載入存檔"));
        QCOMPARE(h.ctl("Delcookie").tooltip, QString("清空所有資料"));
        QCOMPARE(h.ctl("Close").tooltip, QString("關閉"));
        QCOMPARE(h.ctl("Delcookie").rect(), (Rect{5760, 7320, 2415, 855}));
        // Every control lies inside the window.
        for (const auto& c : f.controls())
            QVERIFY2(c->left >= 0 && c->top >= 0 && c->rect().right() <= f.widthTwips()
                         && c->rect().bottom() <= f.heightTwips(),
                     qPrintable(c->name));
        // A click on the switch's place reaches the picture shown.
        h.clickAt(2400 + 600, 1800 + 400);
        QCOMPARE(h.stored(keys::settings, keys::soundOpt), 1);
        h.clickAt(2400 + 600, 1800 + 400);
        QCOMPARE(h.stored(keys::settings, keys::soundOpt), 2);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
