#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The deadly events, the immunity totem and the game-over view.
class TestRulesGameOver : public QObject {
    Q_OBJECT

    enum class Deadly { DynamiteLion, DynamiteWater, Hunger };

    // A game with both lions standing still and apart, so that only what a
    // test does changes the energy.
    static GameScreen& startGame(Harness& h, int totems)
    {
        auto& game = h.add<GameScreen>();
        h.store.saveInt(keys::items, keys::totem, totems);
        h.store.saveInt(keys::avda, "TOTEM", 1);
        h.start("Gamepage");
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        h.ctl("Vexo").left = 1000;
        h.ctl("Vexotnt").left = 9000;
        h.audio.clear();
        return game;
    }

    static void cause(Harness& h, GameScreen& game, Deadly what)
    {
        switch (what) {
        case Deadly::DynamiteLion:
            h.click("Vexotnt");
            break;
        case Deadly::DynamiteWater:
            h.ctl("Fakebottle").visible = true;
            h.click("Fakebottle");
            break;
        case Deadly::Hunger:
            // The last two energy go at a new meeting of the lions.
            game.energy = 2;
            game.inContact = false;
            h.ctl("Vexotnt").left = h.ctl("Vexo").left + 1000;
            h.advance(50);
            h.ctl("Vexotnt").left = 9000;
            h.advance(50);
            break;
        }
    }

    static QString reasonOf(Deadly what)
    {
        switch (what) {
        case Deadly::DynamiteLion: return "你被炸藥獅炸掉腦袋了！";
        case Deadly::DynamiteWater: return "你喝到炸藥水了！";
        case Deadly::Hunger: return "你在獅群中餓壞了！";
        }
        return {};
    }

private slots:
    void withoutATotemTheGameEnds_data()
    {
        QTest::addColumn<int>("what");
        QTest::newRow("dynamite lion") << int(Deadly::DynamiteLion);
        QTest::newRow("dynamite water") << int(Deadly::DynamiteWater);
        QTest::newRow("hunger") << int(Deadly::Hunger);
    }

    void withoutATotemTheGameEnds()
    {
        QFETCH(int, what);
        const Deadly deadly = Deadly(what);
        Harness h;
        auto& game = startGame(h, 0);
        for (int i = 0; i < 3; ++i) // taps 300 ms apart: no combo, score 3
            h.click("Vexo"), h.advance(300);
        h.ctl("Iron").visible = true;
        h.ctl("Diamond").visible = true;
        h.ctl("Bottle").visible = true;
        h.audio.clear();

        cause(h, game, deadly);

        QVERIFY(game.isOver);
        QCOMPARE(h.audio.played.first(), QString("GAMEOVER"));
        QVERIFY(!h.audio.played.contains("TOTEMSOUND"));
        QCOMPARE(h.ctl("Overtxt").caption, reasonOf(deadly));
        QCOMPARE(h.ctl("OverscoreX").caption, QString("3"));
        QCOMPARE(game.background.name, QString("bg_gameover"));
        QCOMPARE(h.stored(keys::items, keys::totem), 0);
        if (deadly == Deadly::Hunger) {
            QCOMPARE(game.energy, qint16(0));
            QCOMPARE(h.ctl("Engnytxt").caption, QString("0%"));
            QCOMPARE(h.ctl("Ly1").width, 0);
        }

        // The game-over view: the picture, the reason, the score and the
        // button; the corner's home button stays, and so does a diamond.
        for (const char* shown : {"Overimg", "Overtxt", "Overok", "Label1", "OverscoreX", "Command1", "Diamond"})
            QVERIFY2(h.ctl(shown).visible, shown);
        for (const char* hidden : {"Scoreimg", "Score", "Vexo", "Vexotnt", "Twoscore", "Notnt", "Divtimes", "Image1",
                                   "Engnytxt", "Ly0", "Ly1", "Bottle", "Fakebottle", "Maxscore", "Maxcoinimg", "Iron",
                                   "Cambo", "ImgTotem", "x2wait", "notntwait", "slowwait", "FpsTxt"})
            QVERIFY2(!h.ctl(hidden).visible, hidden);

        // Three timers stop and the dynamite lion's slows; the rest run on.
        for (const char* stopped : {"TimerIronDia", "TimerCb", "Timerfps"})
            QVERIFY2(!h.timer(stopped).enabled(), stopped);
        QCOMPARE(h.timer("Timer2").interval(), 9999);
        for (const char* running : {"Timerrt", "Timerbottle", "Timerfakebott", "Twoxtimer"})
            QVERIFY2(h.timer(running).running(), running);

        // Nothing brings the game back: no bottle, no pick-up, no energy change.
        const qint16 energy = game.energy;
        const QString fps = h.ctl("FpsTxt").caption;
        h.ctl("Vexotnt").left = h.ctl("Vexo").left;
        game.inContact = false;
        h.advance(60000);
        QVERIFY(game.isOver);
        QCOMPARE(game.energy, energy);
        QVERIFY(!h.ctl("Bottle").visible && !h.ctl("Fakebottle").visible && !h.ctl("Iron").visible);
        QCOMPARE(h.ctl("FpsTxt").caption, fps);

        // The diamond left on show can still be collected.
        h.click("Diamond");
        QCOMPARE(game.diamondCount, qint16(1));
        QCOMPARE(h.stored(keys::settings, keys::diamond), 1);
        QVERIFY(!h.ctl("Diamond").visible);

        h.audio.clear();
        h.click("Overok");
        QCOMPARE(h.audio.played, QStringList{"BTNSOUND"});
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.openCount(), 1);
        QCOMPARE(h.audio.stops, 1);
    }

    void aTotemIsSpentInstead_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<int>("totems");
        QTest::addColumn<int>("energyBefore");
        QTest::addColumn<int>("energyAfter");
        QTest::addColumn<QString>("colour");
        QTest::newRow("dynamite lion") << int(Deadly::DynamiteLion) << 1 << 56 << 56 << "#00FFCC";
        QTest::newRow("dynamite lion at 14") << int(Deadly::DynamiteLion) << 2 << 14 << 22 << "#F5B327";
        QTest::newRow("dynamite water at 15") << int(Deadly::DynamiteWater) << 1 << 15 << 23 << "#F5B327";
        QTest::newRow("dynamite water at 16") << int(Deadly::DynamiteWater) << 1 << 16 << 16 << "#F5B327";
        QTest::newRow("hunger") << int(Deadly::Hunger) << 1 << 2 << 8 << "#F5B327";
        QTest::newRow("negative count") << int(Deadly::DynamiteLion) << -1 << 56 << 56 << "#00FFCC";
        QTest::newRow("lowest count") << int(Deadly::DynamiteLion) << -32768 << 56 << 56 << "#00FFCC";
    }

    void aTotemIsSpentInstead()
    {
        QFETCH(int, what);
        QFETCH(int, totems);
        QFETCH(int, energyBefore);
        QFETCH(int, energyAfter);
        QFETCH(QString, colour);
        const Deadly deadly = Deadly(what);
        Harness h;
        auto& game = startGame(h, totems);
        game.energy = qint16(energyBefore);
        const int tntLeft = h.ctl("Vexotnt").left;

        cause(h, game, deadly);

        QVERIFY(!game.isOver);
        QCOMPARE(game.energy, qint16(energyAfter));
        QCOMPARE(h.ctl("Engnytxt").caption, QString::number(energyAfter) + "%");
        QCOMPARE(h.ctl("Ly1").width, energyAfter * 30);
        QCOMPARE(h.ctl("Ly1").backColor, colour);
        // Stops at the 16-bit floor rather than wrapping round to 32767 totems.
        const int left = std::max(totems - 1, -32768);
        QCOMPARE(game.totemItems, qint16(left));
        QCOMPARE(h.stored(keys::items, keys::totem), left);
        QCOMPARE(h.audio.played, (QStringList{"TOTEMSOUND", "VEXO"}));
        QCOMPARE(h.stored(keys::avda, "TOTEM"), 2);
        QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:超越生死"));
        QCOMPARE(h.ctl("avdatxt").backColor, QString("#40A9FF"));

        // The game goes on: the lions, the bar and the score are still there,
        // the reason waits hidden, and a diamond comes out where it last was.
        for (const char* shown : {"Vexo", "Score", "Ly1", "Twoscore", "ImgTotem", "Diamond", "FpsTxt"})
            QVERIFY2(h.ctl(shown).visible, shown);
        for (const char* hidden : {"Overimg", "Overtxt", "Overok", "OverscoreX", "Fakebottle"})
            QVERIFY2(!h.ctl(hidden).visible, hidden);
        QCOMPARE(h.ctl("Diamond").left, 8160);
        QCOMPARE(h.ctl("Overtxt").caption, reasonOf(deadly));
        QCOMPARE(h.ctl("Vexotnt").visible, true);
        QCOMPARE(h.ctl("Vexotnt").left, tntLeft);
        QCOMPARE(game.background.name, QString("bg_game"));
        QVERIFY(h.timer("TimerIronDia").running());
        QCOMPARE(h.timer("Timer2").interval(), 25);
    }

    void theTotemRisesForOneSecond()
    {
        Harness h;
        startGame(h, 1);
        h.click("Vexotnt");
        QCOMPARE(h.ctl("ImgTotem").top, 2400);
        QVERIFY(h.timer("TimerAmin").running());
        QCOMPARE(h.timer("TimerTotem").interval(), 1000);
        h.advance(100);
        QCOMPARE(h.ctl("ImgTotem").top, 1900);
        h.advance(400);
        QCOMPARE(h.ctl("ImgTotem").top, -100);
        QVERIFY(h.ctl("ImgTotem").visible);
        h.advance(500);
        QVERIFY(!h.ctl("ImgTotem").visible);
        QVERIFY(!h.timer("TimerAmin").enabled());
        QVERIFY(!h.timer("TimerTotem").enabled());
        const int top = h.ctl("ImgTotem").top;
        h.advance(1000);
        QCOMPARE(h.ctl("ImgTotem").top, top);
    }

    void twoDeadlyEventsWithinASecondSpendTwoTotems()
    {
        Harness h;
        auto& game = startGame(h, 2);
        h.click("Vexotnt");
        h.advance(600);
        QCOMPARE(h.ctl("ImgTotem").top, -600);
        h.ctl("Fakebottle").visible = true;
        h.click("Fakebottle");
        // The rise starts again, and the second totem shows its full second.
        QCOMPARE(h.ctl("ImgTotem").top, 2400);
        QCOMPARE(game.totemItems, qint16(0));
        QCOMPARE(h.stored(keys::items, keys::totem), 0);
        QCOMPARE(h.audio.played.count("TOTEMSOUND"), 2);
        QCOMPARE(h.audio.played.count("VEXO"), 1); // the achievement is awarded once
        h.advance(900);
        QVERIFY(h.ctl("ImgTotem").visible);
        h.advance(100);
        QVERIFY(!h.ctl("ImgTotem").visible);
        QVERIFY(!game.isOver);

        // None left: the next deadly event ends the game, with its own reason.
        h.click("Vexotnt");
        QVERIFY(game.isOver);
        QCOMPARE(h.ctl("Overtxt").caption, QString("你被炸藥獅炸掉腦袋了！"));
        QCOMPARE(h.stored(keys::items, keys::totem), 0);
    }

    void theFinalStepsHideARisingTotem()
    {
        Harness h;
        auto& game = startGame(h, 1);
        h.click("Vexotnt");
        h.advance(300);
        h.click("Vexotnt");
        QVERIFY(game.isOver);
        QVERIFY(!h.ctl("ImgTotem").visible);
        h.advance(2000);
        QVERIFY(!h.ctl("ImgTotem").visible);
        QVERIFY(!h.timer("TimerAmin").enabled() && !h.timer("TimerTotem").enabled());
    }

    void soundOffPlaysNothing()
    {
        Harness h;
        h.store.saveInt(keys::settings, keys::soundOpt, 1);
        auto& game = startGame(h, 1);
        h.click("Vexotnt");
        h.click("Vexotnt");
        QVERIFY(game.isOver);
        h.click("Overok");
        QVERIFY(h.audio.played.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRulesGameOver)
#include "test_rules_gameover.moc"
