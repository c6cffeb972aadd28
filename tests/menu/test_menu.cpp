#include "screens/menu/MenuScreen.h"
#include "screens/menu/Tips.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

namespace {

// The tips of the day as the player reads them, numbered 1 to 22 as drawn.
const QStringList tips{
    "這隻獅子的名字叫做小獅。",
    "作者因為阿蚌被欺負才討厭獅子的。",
    "獅子獅子趕快寫完功課！",
    "震驚1個月！《咕果》竟然沒有肉包！",
    "這款遊戲是用非常古老的語言編譯的。",
    "獅子非常喜歡吃肉，餵肉給小獅吃吧！",
    "本遊戲有使用AI。",
    "製作不易，請支持伍朵。",
    "早期的獅子會倒退嚕！",
    "That lion's name is vexo tamm.",
    "小獅，來處理殘膠囉！",
    "獅肉好吃嗎？",
    "你是否在雪山上救過一隻獅子？",
    "最近超流行獅肉陀螺，你想玩嗎？",
    "獅啊！多給我億點時間啊！",
    "獅子一天可以吃40公斤的肉，相等80顆肉包！",
    "獅子不會自己打獵時，會靠母獅子幫忙。",
    "獅子去麵包店買什麼？肉包子，因為:獅在必得！",
    "看到「2X」就要果斷點下去，獅幣翻倍不是夢！",
    "炸藥獅子會讓你遊戲結束，別硬碰。",
    "獅子在動物界中是群居動物，通常由雄獅領導一群母獅。",
    "獅幣是「獅子界的加密貨幣」，只是你用的是肉包子不是顯卡。",
};

} // namespace

// The main menu and the start-up it runs at every load.
class TestMenu : public QObject {
    Q_OBJECT

    static QStringList keysOf(Harness& h, const QString& section)
    {
        QStringList names;
        if (auto rows = h.store.getAll(section))
            for (const auto& row : *rows)
                names << row.first + "=" + row.second;
        names.sort();
        return names;
    }

private slots:
    void anEmptyStoreGetsExactlyTheStartUpKeys()
    {
        Harness h;
        h.add<MenuScreen>();
        h.start("Start");
        QCOMPARE(keysOf(h, keys::settings), (QStringList{"DIAMOND=0", "IRON=0", "SOUNDOPT=2"}));
        QCOMPARE(keysOf(h, keys::items), (QStringList{"AUTOFOOD=0", "GIFT=0", "NIGHTUI=0", "NOTNT=0", "SCOREX=0",
                                                       "SLOWLION=0", "TOTEM=0"}));
        QVERIFY(!h.store.getAll(keys::pet));
        QVERIFY(!h.store.getAll(keys::avda));
        QVERIFY(!h.ctl("ErrComdlg").visible);
        QVERIFY(!h.ctl("avdatxt").visible);
        QCOMPARE(h.current().widthTwips(), 14370);
        QCOMPARE(h.current().heightTwips(), 8640);
        QCOMPARE(h.ctl("Vertxt").caption, QString("1.0.5"));
        QVERIFY(h.audio.played.isEmpty());
    }

    void oddStoredValuesAreReadSafelyAndOnlyTheRulesWrite_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("after"); // text in the store after the load
        QTest::newRow("sound off stays off") << "SETTINGS" << "SOUNDOPT" << 1 << "1";
        QTest::newRow("a sound option of 5 stays") << "SETTINGS" << "SOUNDOPT" << 5 << "5";
        QTest::newRow("sound option 0 becomes on") << "SETTINGS" << "SOUNDOPT" << 0 << "2";
        QTest::newRow("diamonds past 16 bits are kept") << "SETTINGS" << "DIAMOND" << 99999 << "99999";
        QTest::newRow("diamonds below 16 bits are kept") << "SETTINGS" << "IRON" << -99999 << "-99999";
        QTest::newRow("a wrap to zero is not a zero") << "SETTINGS" << "DIAMOND" << 65536 << "65536";
        QTest::newRow("a count of 404 stays") << "ITEMS" << "TOTEM" << 404 << "404";
        QTest::newRow("an item count stays") << "ITEMS" << "GIFT" << 3 << "3";
    }

    void oddStoredValuesAreReadSafelyAndOnlyTheRulesWrite()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, stored);
        QFETCH(QString, after);
        Harness h;
        h.add<MenuScreen>();
        h.store.saveInt(section, key, stored);
        h.start("Start");
        QCOMPARE(h.storedText(section, key), after);
    }

    void lettersInAKeyAreReplacedByTheDefault()
    {
        Harness h;
        auto& menu = h.add<MenuScreen>();
        QDir().mkpath(QFileInfo(h.store.path()).path());
        QFile f(h.store.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[SETTINGS]\nSOUNDOPT=loud\nDIAMOND=lots\n[ITEMS]\nGIFT=some\n");
        f.close();
        h.start("Start");
        QCOMPARE(h.storedText("SETTINGS", "SOUNDOPT"), QString("2"));
        QCOMPARE(h.storedText("SETTINGS", "DIAMOND"), QString("0"));
        QCOMPARE(h.storedText("ITEMS", "GIFT"), QString("0"));
        QCOMPARE(menu.soundOpt, SoundOption::On);
    }

    void aDamagedFileStillStartsTheMenu()
    {
        Harness h;
        h.add<MenuScreen>();
        QDir().mkpath(QFileInfo(h.store.path()).path());
        QFile f(h.store.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        static const char damaged[] = "[SETT\0\0\xff\xfe garbage\n=\n[ITEMS\nTOTEM=2";
        f.write(damaged, sizeof damaged - 1);
        f.close();
        h.start("Start");
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.stored("SETTINGS", "SOUNDOPT"), 2);
    }

    void theTipIsDrawnFromTheClockSeededRandom_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("tip");
        // Each tip from a draw in the middle of its twenty-second.
        for (int tip = 1; tip <= 22; ++tip)
            QTest::addRow("tip %d", tip) << (tip - 0.5) / 22 << tip;
        QTest::newRow("first") << 0.0 << 1;
        QTest::newRow("second") << 1.0 / 22 << 2;
        QTest::newRow("last") << 0.9999999 << 22;
    }

    void theTipIsDrawnFromTheClockSeededRandom()
    {
        QFETCH(double, r);
        QFETCH(int, tip);
        Harness h;
        h.add<MenuScreen>();
        h.random.push(r);
        h.start("Start");
        QCOMPARE(h.random.seeds, 1);
        QCOMPARE(h.ctl("Tlips").caption, tips.at(tip - 1));
    }

    void specialDaysReplaceTheTip_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("text");
        QTest::newRow("the lion's birthday") << QDate(2027, 3, 12) << "小獅，生日快樂!";
        QTest::newRow("the author's birthday") << QDate(2026, authorBirthdayMonth, authorBirthdayDay)
                                               << "今天是作者伍朵的生日";
        QTest::newRow("the day before") << QDate(2027, 3, 11) << QString();
    }

    void specialDaysReplaceTheTip()
    {
        QFETCH(QDate, day);
        QFETCH(QString, text);
        for (auto [r, tip] : {std::pair{0.0, 1}, {0.3, 7}, {0.99, 22}}) {
            Harness h;
            h.add<MenuScreen>();
            h.clock.set(QDateTime(day, QTime(23, 59)));
            h.random.push(r);
            h.start("Start");
            QCOMPARE(h.ctl("Tlips").caption, text.isEmpty() ? tips.at(tip - 1) : text);
        }
    }

    void navigationButtonsClickAndSwitch_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("play") << "Play" << "Gamepage";
        QTest::newRow("settings") << "Setstbtn" << "Settings";
        QTest::newRow("pet") << "Pet" << "Petpage";
        QTest::newRow("shop") << "Cmdshop" << "Shop";
        QTest::newRow("achievements") << "Cmdavda" << "Avdacts";
        QTest::newRow("about") << "Cmdabout" << "About";
    }

    void navigationButtonsClickAndSwitch()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        Harness h;
        h.add<MenuScreen>();
        h.start("Start");
        h.click(button);
        QCOMPARE(h.currentName(), screen);
        // The menu's leave lets the click sound play on: no sound is stopped.
        QCOMPARE(h.audio.events, QStringList{"BTNSOUND"});
        h.random.push(0.0);
        h.closeBox(); // returns to the menu with a fresh tip
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.ctl("Tlips").caption, tips.at(0));
    }

    void soundOffMakesTheMenuSilent()
    {
        Harness h;
        h.add<MenuScreen>();
        h.store.saveInt("SETTINGS", "SOUNDOPT", 1);
        h.start("Start");
        h.doubleClick("Image1");
        h.dialogs.expectMessage(MsgOk);
        h.click("Cmdskin");
        h.click("Play");
        QVERIFY(h.audio.played.isEmpty());
    }

    void closeAsksAndEndsAtOnceOnOk()
    {
        Harness h;
        h.add<MenuScreen>();
        h.start("Start");
        h.dialogs.expectMessage(MsgCancel);
        h.click("Close");
        QCOMPARE(h.dialogs.shown.back().text, QString("是否離開遊戲？"));
        QCOMPARE(h.dialogs.shown.back().title, QString("咕嚕果"));
        QCOMPARE(h.dialogs.shown.back().buttons, MsgButtons::OkCancel);
        QVERIFY(!h.navigator.ended());
        QCOMPARE(h.audio.played, QStringList{"BTNSOUND"});
        h.dialogs.expectMessage(MsgOk);
        h.click("Close");
        QVERIFY(h.navigator.ended());
        QCOMPARE(h.audio.played.size(), 3);
    }

    void themeChangeIsNotThereYet()
    {
        Harness h;
        h.add<MenuScreen>();
        h.start("Start");
        h.dialogs.expectMessage(MsgOk);
        h.click("Cmdskin");
        QCOMPARE(h.dialogs.shown.back().text, QString("主題功能尚未開發，敬請期待"));
        QCOMPARE(h.dialogs.shown.back().buttons, MsgButtons::Ok);
        QCOMPARE(h.audio.played, (QStringList{"BTNSOUND", "BTNSOUND"}));
    }

    void theTitleEasterEggIsAwardedOnceAfterArming()
    {
        Harness h;
        h.add<MenuScreen>();
        h.start("Start");
        h.doubleClick("Image1"); // not armed yet: the sound, no notice
        QCOMPARE(h.audio.played, QStringList{"VEXO"});
        QVERIFY(!h.ctl("avdatxt").visible);
        QCOMPARE(h.stored("AVDA", "TITLE", 0), 0);

        h.store.saveInt("AVDA", "TITLE", 1); // as the achievements screen arms it
        h.doubleClick("Image1");
        QCOMPARE(h.audio.played, (QStringList{"VEXO", "VEXO"})); // the award adds no sound here
        QVERIFY(h.ctl("avdatxt").visible);
        QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:妙手偶得"));
        QCOMPARE(h.ctl("avdatxt").backColor, QString("#C000C0"));
        QCOMPARE(h.stored("AVDA", "TITLE"), 2);
        h.advance(2000);
        QVERIFY(!h.ctl("avdatxt").visible);

        h.doubleClick("Image1");
        QCOMPARE(h.audio.played.size(), 3);
        QVERIFY(!h.ctl("avdatxt").visible);
    }
};

QTEST_GUILESS_MAIN(TestMenu)
#include "test_menu.moc"
