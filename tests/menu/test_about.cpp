#include "screens/menu/AboutScreen.h"
#include "screens/menu/MenuScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The about screen: its texts, the lion's head that answers clicks and gets
// angry, the award for angering it, and the ways back to the menu.
class TestAbout : public QObject {
    Q_OBJECT

    // A program with the real menu, opened on the about screen.
    static void openAbout(Harness& h)
    {
        h.click("Cmdabout");
        QCOMPARE(h.currentName(), QString("About"));
        h.audio.clear();
    }

private slots:
    void opensCalmWithItsTexts()
    {
        Harness h;
        h.add<MenuScreen>();
        h.add<AboutScreen>();
        h.start("Start");
        openAbout(h);
        QCOMPARE(h.current().title(), QString("咕嚕果"));
        QCOMPARE(h.current().widthTwips(), 14220);
        QCOMPARE(h.current().heightTwips(), 8640);
        QCOMPARE(h.current().background.name, QString("bg_about"));

        const QString note = h.ctl("Label1").caption;
        QVERIFY2(note.startsWith("開發者:伍朵(") && note.endsWith(")") && note.size() > 9, qPrintable(note));
        QCOMPARE(h.ctl("Label3").caption, QString("版本:1.0.5"));
        QCOMPARE(h.ctl("Label4").caption, QString("版本發布日:2026/5/18"));
        QCOMPARE(h.ctl("Label5").caption, QString("遊戲介紹:按下獅子即可拿分"));
        QCOMPARE(h.ctl("Label6").caption,
                 QString("玩法:按下沒有炸藥的獅子可以加分，按下炸藥獅子會結束遊戲，可以懸停在道具扭看說明，須注意能量值喔"));
        QCOMPARE(h.ctl("Label7").caption,
                 QString("本次更新:道具補充有效、聲音多播放、BGM(測試版)、成就、寵物、字體全面升級"));

        QCOMPARE(h.ctl("Vexohead").picture.name, QString("lion_head"));
        QCOMPARE(h.ctl("Vexohead").tooltip, QString("點我"));
        QCOMPARE(h.ctl("angry").picture.name, QString("anger_mark"));
        QVERIFY(!h.ctl("angry").visible);
        QCOMPARE(h.ctl("Say").caption, QString("我的名字叫小獅，英文名叫vexo喔！"));
        QCOMPARE(h.ctl("Aboutexit").picture.name, QString("btn_close"));
        QCOMPARE(h.ctl("Aboutexit").tooltip, QString("關閉"));
        QVERIFY(!h.ctl("avdatxt").visible);
        // The anger mark sits on the head, so it must be drawn in front of it.
        QCOMPARE(h.current().controlAt(1920 + 120, 6960 + 120), &h.ctl("Vexohead"));
        h.ctl("angry").visible = true;
        QCOMPARE(h.current().controlAt(1920 + 120, 6960 + 120), &h.ctl("angry"));
    }

    void clicksAndDoubleClicksAngerTheLion_data()
    {
        QTest::addColumn<int>("soundOpt"); // -1: never stored
        QTest::addColumn<QStringList>("afterClick");
        QTest::addColumn<QStringList>("afterDoubleClick");
        QTest::addColumn<QStringList>("afterLaterClicks");
        const QStringList none;
        QTest::newRow("sound on") << 2 << QStringList{"VEXO"} << QStringList{"VEXO", "VEXO", "AWWREAL"}
                                  << QStringList{"VEXO", "VEXO", "AWWREAL", "AWWREAL", "AWWREAL", "AWWREAL"};
        QTest::newRow("sound off") << 1 << none << none << none;
        QTest::newRow("an odd sound option is off") << 7 << none << none << none;
        QTest::newRow("sound option never stored") << -1 << none << none << none;
    }

    void clicksAndDoubleClicksAngerTheLion()
    {
        QFETCH(int, soundOpt);
        QFETCH(QStringList, afterClick);
        QFETCH(QStringList, afterDoubleClick);
        QFETCH(QStringList, afterLaterClicks);
        Harness h;
        auto& about = h.add<AboutScreen>();
        if (soundOpt >= 0)
            h.store.saveInt(keys::settings, keys::soundOpt, soundOpt);
        h.start("About");

        h.click("Vexohead");
        QCOMPARE(h.audio.played, afterClick);
        QVERIFY(!about.angryNow());
        QVERIFY(!h.ctl("angry").visible);

        // The platform's click comes first: still calm, then angry.
        h.doubleClick("Vexohead");
        QCOMPARE(h.audio.played, afterDoubleClick);
        QVERIFY(about.angryNow());
        QVERIFY(h.ctl("angry").visible);
        QCOMPARE(h.ctl("Say").caption, QString("我要生氣了喔！"));

        // Angry for the rest of the visit: every click now growls.
        h.click("Vexohead");
        h.doubleClick("Vexohead");
        QCOMPARE(h.audio.played, afterLaterClicks);
        QVERIFY(h.ctl("angry").visible);
        QCOMPARE(h.ctl("Say").caption, QString("我要生氣了喔！"));
        QCOMPARE(h.stored(keys::avda, "ANGRY", -1), -1); // nothing armed, nothing written
        QVERIFY(!h.ctl("avdatxt").visible);
        QVERIFY(h.dialogs.shown.empty());
    }

    void theAwardComesOnceAndOnlyWhenArmed_data()
    {
        QTest::addColumn<int>("stored"); // -1: missing
        QTest::addColumn<int>("soundOpt");
        QTest::addColumn<bool>("awarded");
        QTest::addColumn<QStringList>("sounds"); // of the first double-click
        QTest::newRow("armed, sound on") << 1 << 2 << true << QStringList{"VEXO", "AWWREAL", "VEXO"};
        QTest::newRow("armed, sound off") << 1 << 1 << true << QStringList{};
        QTest::newRow("not armed yet") << -1 << 2 << false << QStringList{"VEXO", "AWWREAL"};
        QTest::newRow("zero") << 0 << 2 << false << QStringList{"VEXO", "AWWREAL"};
        QTest::newRow("already achieved") << 2 << 2 << false << QStringList{"VEXO", "AWWREAL"};
        QTest::newRow("an odd value") << 5 << 2 << false << QStringList{"VEXO", "AWWREAL"};
    }

    void theAwardComesOnceAndOnlyWhenArmed()
    {
        QFETCH(int, stored);
        QFETCH(int, soundOpt);
        QFETCH(bool, awarded);
        QFETCH(QStringList, sounds);
        Harness h;
        h.add<AboutScreen>();
        h.store.saveInt(keys::settings, keys::soundOpt, soundOpt);
        if (stored >= 0)
            h.store.saveInt(keys::avda, "ANGRY", stored);
        h.start("About");

        h.doubleClick("Vexohead");
        QCOMPARE(h.audio.played, sounds);
        QCOMPARE(h.stored(keys::avda, "ANGRY", -1), awarded ? 2 : stored);
        QCOMPARE(h.ctl("avdatxt").visible, awarded);
        if (awarded) {
            QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:怒髮衝冠"));
            QCOMPARE(h.ctl("avdatxt").backColor, QString("#FF00FF"));
            h.advance(1999);
            QVERIFY(h.ctl("avdatxt").visible);
            h.advance(1);
            QVERIFY(!h.ctl("avdatxt").visible);
            QVERIFY(!h.timer("TimerAVtxt").enabled());
        }

        // Later double-clicks only make the lion angry again.
        h.audio.clear();
        h.doubleClick("Vexohead");
        QCOMPARE(h.audio.played, soundOpt == 2 ? QStringList({"AWWREAL", "AWWREAL"}) : QStringList());
        QVERIFY(!h.ctl("avdatxt").visible);
        QCOMPARE(h.stored(keys::avda, "ANGRY", -1), awarded ? 2 : stored);
    }

    void leavingReturnsToTheMenuAndStopsEverySound_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("close button") << true << QStringList{"BTNSOUND", "STOP"};
        QTest::newRow("window close box") << false << QStringList{"STOP"};
    }

    void leavingReturnsToTheMenuAndStopsEverySound()
    {
        QFETCH(bool, byButton);
        QFETCH(QStringList, events);
        Harness h;
        h.add<MenuScreen>();
        h.add<AboutScreen>();
        h.start("Start");
        openAbout(h);
        h.doubleClick("Vexohead");
        h.audio.clear();
        if (byButton)
            h.click("Aboutexit");
        else
            h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.openCount(), 1);
        QCOMPARE(h.audio.events, events);
        QVERIFY(!h.navigator.ended());
    }

    void reopeningShowsTheCalmLionAgain()
    {
        Harness h;
        h.add<MenuScreen>();
        h.add<AboutScreen>();
        h.start("Start");
        openAbout(h);
        h.doubleClick("Vexohead");
        h.ctl("Say").caption = "玩家自己打的字";
        h.click("Aboutexit");

        openAbout(h);
        QVERIFY(!h.ctl("angry").visible);
        QCOMPARE(h.ctl("Say").caption, QString("我的名字叫小獅，英文名叫vexo喔！"));
        h.click("Vexohead");
        QCOMPARE(h.audio.played, QStringList{"VEXO"});
    }

    void theSoundOptionIsReadAtEveryOpening()
    {
        Harness h;
        h.add<MenuScreen>();
        h.add<AboutScreen>();
        h.start("Start");
        openAbout(h);
        h.click("Vexohead");
        QCOMPARE(h.audio.played, QStringList{"VEXO"});
        h.click("Aboutexit");

        h.store.saveInt(keys::settings, keys::soundOpt, 1); // as the settings screen would
        openAbout(h);
        h.click("Vexohead");
        h.doubleClick("Vexohead");
        QVERIFY(h.audio.played.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAbout)
#include "test_about.moc"
