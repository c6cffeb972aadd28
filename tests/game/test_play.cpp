#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The game screen itself: its load, its timers, its shared operations and the
// ways out of it.
class TestPlay : public QObject {
    Q_OBJECT

    // A draw that RandomX turns into exactly x.
    static double drawFor(int x) { return (x - 0.5) / 14310.0; }

private slots:
    void anEmptyStoreStartsAPlainGame()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.random.push(drawFor(2000));
        h.random.push(drawFor(11000));
        h.start("Gamepage");

        QCOMPARE(h.currentName(), QString("Gamepage"));
        QCOMPARE(game.widthTwips(), 14220);
        QCOMPARE(game.heightTwips(), 8640);
        QCOMPARE(game.title(), QString("咕嚕果"));
        QCOMPARE(h.storedText(keys::settings, keys::maxScore), QString("0"));
        QCOMPARE(game.soundOpt, SoundOption::On);
        QCOMPARE(game.bestScore, 0);
        QCOMPARE(game.score, 0);
        QCOMPARE(game.energy, qint16(56));
        QCOMPARE(game.vexoDir, 1);
        QCOMPARE(game.tntDir, 1);
        QVERIFY(!game.doubleOn && !game.isOver);
        QCOMPARE(game.totemItems + game.doubleItems + game.noTntItems + game.slowItems, 0);
        QCOMPARE(game.diamondCount + game.ironCount, 0);

        // Both lions stand at the random places drawn by the load, in this order.
        QCOMPARE(h.ctl("Vexo").left, 2000);
        QCOMPARE(h.ctl("Vexotnt").left, 11000);
        QCOMPARE(game.pickX, qint16(11000));
        QCOMPARE(h.random.seeds, 2);

        QCOMPARE(h.ctl("Score").caption, QString("0 獅幣"));
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:0 獅幣"));
        QCOMPARE(h.ctl("Engnytxt").caption, QString("56%"));
        QCOMPARE(h.ctl("Ly1").width, 1680);
        QCOMPARE(h.ctl("Ly1").backColor, QString("#00FFCC"));
        QCOMPARE(h.ctl("FpsTxt").caption, QString("FPS: --"));

        // Every power-up is offered once even with no items; the rest of the
        // game-over view waits hidden.
        for (const char* shown : {"Twoscore", "Notnt", "Divtimes", "x2wait", "notntwait", "slowwait", "Command1",
                                  "Vexo", "Vexotnt", "Score", "Scoreimg", "Maxscore", "Maxcoinimg", "Image1", "Ly0",
                                  "Ly1", "Engnytxt", "FpsTxt"})
            QVERIFY2(h.ctl(shown).visible, shown);
        for (const char* hidden : {"Overok", "Overimg", "Overtxt", "Label1", "OverscoreX", "Bottle", "Fakebottle",
                                   "Diamond", "Iron", "ImgTotem", "Cambo", "avdatxt", "re1", "re2", "rt1", "rt2",
                                   "Image2"})
            QVERIFY2(!h.ctl(hidden).visible, hidden);
        QVERIFY(!h.ctl("Scoreimg").border);
        QVERIFY(h.audio.played.isEmpty());
    }

    void storedCountsAreReadAndClampedTo16Bits()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.store.saveInt(keys::settings, keys::soundOpt, 1);
        h.store.saveInt(keys::settings, keys::maxScore, 120);
        h.store.saveInt(keys::settings, keys::diamond, 70000);
        h.store.saveInt(keys::settings, keys::iron, 12);
        h.store.saveInt(keys::items, keys::scoreX, 3);
        h.store.saveInt(keys::items, keys::noTnt, 40000);
        h.store.saveInt(keys::items, keys::slowLion, -50000);
        h.store.saveInt(keys::items, keys::totem, 2);
        h.start("Gamepage");

        QCOMPARE(game.soundOpt, SoundOption::Off);
        QCOMPARE(game.bestScore, 120);
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:120 獅幣"));
        QCOMPARE(game.diamondCount, qint16(32767));
        QCOMPARE(game.ironCount, qint16(12));
        QCOMPARE(game.doubleItems, qint16(3));
        QCOMPARE(game.noTntItems, qint16(32767));
        QCOMPARE(game.slowItems, qint16(-32768));
        QCOMPARE(game.totemItems, qint16(2));
        // Reading never rewrites what is stored.
        QCOMPARE(h.stored(keys::settings, keys::diamond), 70000);
        QCOMPARE(h.stored(keys::items, keys::noTnt), 40000);

        // Sound off: a tap is silent.
        h.click("Vexo");
        QVERIFY(h.audio.played.isEmpty());
    }

    void theTimerPlanAfterTheLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("interval");
        QTest::newRow("Timer1") << "Timer1" << true << 12;
        QTest::newRow("Timer2") << "Timer2" << true << 25;
        QTest::newRow("Timerrt") << "Timerrt" << true << 50;
        QTest::newRow("Timerfps") << "Timerfps" << true << 10;
        QTest::newRow("Timerbottle") << "Timerbottle" << true << 25000;
        QTest::newRow("Timerfakebott") << "Timerfakebott" << true << 20000;
        QTest::newRow("TimerIronDia") << "TimerIronDia" << true << 20000;
        QTest::newRow("TimerIrDm") << "TimerIrDm" << true << 3000;
        QTest::newRow("TimerCb") << "TimerCb" << false << 1500;
        QTest::newRow("Timerfly") << "Timerfly" << false << 0;
        QTest::newRow("TimerAVtxt") << "TimerAVtxt" << false << 2000;
        QTest::newRow("TimerAmin") << "TimerAmin" << false << 100;
        QTest::newRow("TimerTotem") << "TimerTotem" << false << 1000;
        QTest::newRow("Twoxtimer") << "Twoxtimer" << true << 8000;
        QTest::newRow("tmr2x") << "tmr2x" << false << 0;
        QTest::newRow("Notnttimer") << "Notnttimer" << true << 0;
        QTest::newRow("Timernt") << "Timernt" << true << 0;
        QTest::newRow("Divtimer") << "Divtimer" << true << 0;
        QTest::newRow("Timerslo") << "Timerslo" << true << 0;
    }

    void theTimerPlanAfterTheLoad()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QFETCH(int, interval);
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        QCOMPARE(game.timers().size(), size_t(19));
        QCOMPARE(h.timer(name).enabled(), enabled);
        QCOMPARE(h.timer(name).interval(), interval);
    }

    void randomXSpansOneTo14310()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        const int seeds = h.random.seeds;
        for (auto [r, x] : {std::pair{0.0, 1}, {0.5, 7156}, {drawFor(10725), 10725}, {0.9999999999, 14310}}) {
            h.random.push(r);
            QCOMPARE(game.RandomX(), qint16(x));
        }
        QCOMPARE(h.random.seeds, seeds + 4); // reseeded from the clock at every draw
    }

    void energyDisplay_data()
    {
        QTest::addColumn<int>("energy");
        QTest::addColumn<QString>("colour");
        QTest::newRow("empty") << 0 << "#F5B327";
        QTest::newRow("25 is still orange") << 25 << "#F5B327";
        QTest::newRow("26") << 26 << "#B7DA10";
        QTest::newRow("55 is yellow-green") << 55 << "#B7DA10";
        QTest::newRow("56") << 56 << "#00FFCC";
        QTest::newRow("full") << 100 << "#00FFCC";
    }

    void energyDisplay()
    {
        QFETCH(int, energy);
        QFETCH(QString, colour);
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        game.energy = qint16(energy);
        game.ShowEnergy();
        QCOMPARE(h.ctl("Engnytxt").caption, QString::number(energy) + "%");
        QCOMPARE(h.ctl("Ly1").width, energy * 30);
        QCOMPARE(h.ctl("Ly1").backColor, colour);
    }

    void theFrameLabelCountsTicksOfTheLastSecond()
    {
        Harness h;
        h.add<GameScreen>();
        h.ticks.setOffset(0xFFFFFF00u); // the tick counter wraps during the first second
        h.start("Gamepage");
        h.advance(990);
        QCOMPARE(h.ctl("FpsTxt").caption, QString("FPS: 0"));
        h.advance(10);
        QCOMPARE(h.ctl("FpsTxt").caption, QString("FPS: 100"));
        h.advance(1000);
        QCOMPARE(h.ctl("FpsTxt").caption, QString("FPS: 100"));
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("home button, OK") << "ok" << QStringList{"BTNSOUND", "BTNSOUND"};
        QTest::newRow("Esc") << "esc" << QStringList{};
        QTest::newRow("close box") << "close" << QStringList{};
    }

    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, sounds);
        Harness h;
        h.add<GameScreen>();
        h.start("Gamepage");
        h.advance(500);
        if (how == "ok") {
            h.dialogs.expectMessage(MsgOk);
            h.click("Command1");
            QCOMPARE(h.dialogs.shown.size(), size_t(1));
            QCOMPARE(h.dialogs.shown[0].text, QString("是否離開遊戲？"));
            QCOMPARE(h.dialogs.shown[0].title, QString("咕嚕果"));
            QCOMPARE(h.dialogs.shown[0].buttons, MsgButtons::OkCancel);
        } else if (how == "esc") {
            h.key(65); // any other key does nothing
            QCOMPARE(h.currentName(), QString("Gamepage"));
            h.key(27);
        } else {
            h.closeBox();
        }
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.openCount(), 1);
        QCOMPARE(h.audio.played, sounds);
        QCOMPARE(h.audio.stops, 1);
        QVERIFY(h.dialogs.shown.size() <= 1);
    }

    void cancellingTheLeaveQuestionPausesNothing()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.random.push(drawFor(3000));
        h.start("Gamepage");
        h.dialogs.expectMessage(MsgCancel);
        int leftWhileOpen = 0;
        h.dialogs.whileOpen = [&](const auto&) {
            h.advance(120); // ten lion ticks while the box is open
            leftWhileOpen = game.control("Vexo").left;
        };
        h.click("Command1");
        QCOMPARE(leftWhileOpen, 3000 + 10 * 200);
        QCOMPARE(h.currentName(), QString("Gamepage"));
        QCOMPARE(h.audio.played, (QStringList{"BTNSOUND", "BTNSOUND"}));
        QCOMPARE(h.audio.stops, 0);
        QCOMPARE(game.score, 0);
        h.advance(12);
        QCOMPARE(h.ctl("Vexo").left, 3000 + 11 * 200);
    }

    void aNewGameKeepsComboContactAndNoDynamiteFromTheLastOne()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        for (int i = 0; i < 3; ++i)
            h.click("Vexo");
        game.inContact = true;
        game.noTntOn = true;
        game.doubleOn = true;
        game.usedSlow = 1;
        h.key(27);

        h.navigator.switchTo("Gamepage", h.current());
        QCOMPARE(h.currentName(), QString("Gamepage"));
        QCOMPARE(game.combo, 3);
        QVERIFY(game.inContact);
        QVERIFY(game.noTntOn);
        QVERIFY(!game.doubleOn);
        QCOMPARE(game.usedSlow, 0);
        QCOMPARE(game.score, 0);
        QCOMPARE(game.energy, qint16(56));
        QCOMPARE(game.bestScore, 3);
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:3 獅幣"));
        // The fourth and fifth taps of the carried combo.
        h.click("Vexo");
        QCOMPARE(h.ctl("Cambo").caption, QString("Combo ×4!"));
        h.click("Vexo");
        QCOMPARE(game.score, 12);
    }
};

QTEST_GUILESS_MAIN(TestPlay)
#include "test_play.moc"
