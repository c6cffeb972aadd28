#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// Diamonds and iron medals, and the three power-ups with their items and waits.
class TestRulesPowerUps : public QObject {
    Q_OBJECT

    static double drawFor(int x) { return (x - 0.5) / 14310.0; }

    // A game whose lions stand still and apart: no meeting costs energy, so a
    // long test cannot end in hunger.
    static GameScreen& startGame(Harness& h)
    {
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        h.ctl("Vexo").left = 1000;
        h.ctl("Vexotnt").left = 9000;
        h.audio.clear();
        return game;
    }

    struct PowerUp {
        QString button, key, waitTimer, waitButton;
        bool storesEmpty;
    };
    static PowerUp powerUp(const QString& button)
    {
        if (button == "Twoscore")
            return {button, keys::scoreX, "tmr2x", "x2wait", true};
        if (button == "Notnt")
            return {button, keys::noTnt, "Timernt", "notntwait", true};
        return {button, keys::slowLion, "Timerslo", "slowwait", false};
    }

private slots:
    void pickUpsFillTheWallet_data()
    {
        QTest::addColumn<QString>("pickUp");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("text");
        QTest::newRow("diamond") << "Diamond" << QString(keys::diamond) << 0 << 1 << "獅頭鑽+1";
        QTest::newRow("iron medal") << "Iron" << QString(keys::iron) << 41 << 42 << "獅鐵牌+1";
        QTest::newRow("full diamonds") << "Diamond" << QString(keys::diamond) << 32767 << 32767 << "獅頭鑽+1";
        QTest::newRow("full medals") << "Iron" << QString(keys::iron) << 32767 << 32767 << "獅鐵牌+1";
    }

    void pickUpsFillTheWallet()
    {
        QFETCH(QString, pickUp);
        QFETCH(QString, key);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, text);
        Harness h;
        h.store.saveInt(keys::settings, key, before);
        startGame(h);
        h.advance(7000);
        h.ctl(pickUp).visible = true;
        h.click(pickUp);
        QCOMPARE(h.audio.played, QStringList{"HAPPY"});
        QVERIFY(!h.ctl(pickUp).visible);
        QCOMPARE(h.stored(keys::settings, key), after);
        QCOMPARE(h.ctl("IrDm").caption, text);
        // The text shows for one second.
        QCOMPARE(h.timer("TimerIrDm").interval(), 1000);
        h.advance(999);
        QCOMPARE(h.ctl("IrDm").caption, text);
        h.advance(1);
        QCOMPARE(h.ctl("IrDm").caption, QString());
        QVERIFY(!h.timer("TimerIrDm").enabled());
        // The next pick-up comes 20 s after this one.
        QCOMPARE(h.timer("TimerIronDia").interval(), 20000);
        h.ctl("Diamond").visible = h.ctl("Iron").visible = false;
        h.advance(18999);
        QVERIFY(!h.ctl("Diamond").visible && !h.ctl("Iron").visible);
        h.advance(1);
        QVERIFY(h.ctl("Diamond").visible || h.ctl("Iron").visible);
    }

    void diamondAchievements_data()
    {
        QTest::addColumn<QString>("pickUp");
        QTest::addColumn<int>("before"); // diamonds and iron medals alike
        QTest::addColumn<int>("twentyBefore");
        QTest::addColumn<int>("twenty");
        QTest::addColumn<int>("fifty");
        QTest::addColumn<QString>("notice");
        QTest::newRow("19 of them") << "Diamond" << 18 << 1 << 1 << 1 << "";
        QTest::newRow("20") << "Diamond" << 19 << 1 << 2 << 1 << "獲得成就:聚沙成塔";
        QTest::newRow("21, not armed") << "Diamond" << 20 << 0 << 0 << 1 << "";
        QTest::newRow("50 awards both") << "Diamond" << 49 << 1 << 2 << 2 << "獲得成就:金玉滿堂";
        QTest::newRow("50 after 20") << "Diamond" << 49 << 2 << 2 << 2 << "獲得成就:金玉滿堂";
        QTest::newRow("full wallet") << "Diamond" << 32767 << 2 << 2 << 2 << "獲得成就:金玉滿堂";
        // Medals count for no achievement, whatever the wallet holds.
        QTest::newRow("the 50th iron medal") << "Iron" << 49 << 1 << 1 << 1 << "";
    }

    void diamondAchievements()
    {
        QFETCH(QString, pickUp);
        QFETCH(int, before);
        QFETCH(int, twentyBefore);
        QFETCH(int, twenty);
        QFETCH(int, fifty);
        QFETCH(QString, notice);
        Harness h;
        h.store.saveInt(keys::settings, keys::diamond, before);
        h.store.saveInt(keys::settings, keys::iron, before);
        h.store.saveInt(keys::avda, "TWENTY", twentyBefore);
        h.store.saveInt(keys::avda, "FIFTY", 1);
        startGame(h);
        h.ctl(pickUp).visible = true;
        h.click(pickUp);
        QCOMPARE(h.stored(keys::avda, "TWENTY"), twenty);
        QCOMPARE(h.stored(keys::avda, "FIFTY"), fifty);
        QCOMPARE(h.ctl("avdatxt").visible, !notice.isEmpty());
        if (!notice.isEmpty()) {
            QCOMPARE(h.ctl("avdatxt").caption, notice);
            QCOMPARE(h.ctl("avdatxt").backColor, QString(fifty == 2 ? "#CF7DF2" : "#40A9FF"));
        }
        const int awards = (twenty != twentyBefore) + (fifty == 2);
        QCOMPARE(h.audio.played.count("VEXO"), awards);
    }

    void eachPowerUpWithItsItems_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("items");
        for (const QString button : {"Twoscore", "Notnt", "Divtimes"})
            for (int items : {0, 1, 2})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2 items").arg(button).arg(items))) << button << items;
    }

    void eachPowerUpWithItsItems()
    {
        QFETCH(QString, button);
        QFETCH(int, items);
        const PowerUp p = powerUp(button);
        Harness h;
        if (items > 0)
            h.store.saveInt(keys::items, p.key, items);
        startGame(h);

        // N items give N + 1 uses: the first is free, each later one costs an
        // item, written at once; the button comes back ten seconds after a
        // use only while an item is left.
        for (int use = 1; use <= items + 1; ++use) {
            QVERIFY2(h.ctl(button).visible, qPrintable(QString("use %1").arg(use)));
            h.audio.clear();
            h.click(button);
            QCOMPARE(h.audio.played, QStringList{"EFFECT"});
            QVERIFY(!h.ctl(button).visible);
            const int left = items - (use - 1);
            if (use > 1)
                QCOMPARE(h.stored(keys::items, p.key), left);
            const bool comesBack = use <= items;
            QCOMPARE(h.ctl(p.waitButton).visible, comesBack);
            QCOMPARE(h.timer(p.waitTimer).running(), comesBack);
            h.advance(9999);
            QVERIFY(!h.ctl(button).visible);
            h.advance(1);
            QCOMPARE(h.ctl(button).visible, comesBack);
            if (comesBack)
                QVERIFY(!h.timer(p.waitTimer).enabled());
        }
        // Used up: the place stays empty for the rest of the game.
        h.advance(60000);
        QVERIFY(!h.ctl(button).visible && !h.ctl(p.waitButton).visible);
        const QString stored = h.storedText(keys::items, p.key);
        if (p.storesEmpty || items > 0)
            QCOMPARE(stored, QString("0"));
        else
            QCOMPARE(stored, QString("<missing>")); // the slow lion's count is not written for nothing
    }

    void aStoredNegativeCountGivesOneFreeUse_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("stored");
        QTest::newRow("double coins") << "Twoscore" << "0";
        QTest::newRow("no dynamite lion") << "Notnt" << "0";
        QTest::newRow("slow lion") << "Divtimes" << "-3";
    }

    void aStoredNegativeCountGivesOneFreeUse()
    {
        QFETCH(QString, button);
        QFETCH(QString, stored);
        const PowerUp p = powerUp(button);
        Harness h;
        h.store.saveInt(keys::items, p.key, -3);
        startGame(h);
        h.click(button);
        QVERIFY(!h.ctl(p.waitButton).visible);
        h.advance(30000);
        QVERIFY(!h.ctl(button).visible);
        QCOMPARE(h.storedText(keys::items, p.key), stored);
    }

    void doubleCoinsDoubleTapsAndHurryPickUps()
    {
        Harness h;
        h.store.saveInt(keys::items, keys::scoreX, 1);
        auto& game = startGame(h);
        h.advance(3000);
        h.click("Twoscore");
        QVERIFY(game.doubleOn);
        QVERIFY(h.ctl("Scoreimg").border);
        h.click("Vexo");
        QCOMPARE(game.score, 2);

        // Pick-ups every 5 s while none is tapped, even after the effect ends.
        h.random.push(0.0);            // an iron medal
        h.random.push(drawFor(4000));
        h.advance(5000);
        QVERIFY(h.ctl("Iron").visible);
        QCOMPARE(h.ctl("Iron").left, 4000);
        h.random.push(0.45);           // a diamond
        h.random.push(drawFor(6000));
        h.advance(2999);
        QVERIFY(game.doubleOn);
        h.advance(1);                  // 8 s after the use
        QVERIFY(!game.doubleOn);
        QVERIFY(!h.ctl("Scoreimg").border);
        h.advance(2000);
        QVERIFY(h.ctl("Diamond").visible);
        QCOMPARE(h.ctl("Diamond").left, 6000);

        // A tap on one brings the pace back to 20 s.
        h.click("Diamond");
        h.ctl("Iron").visible = false;
        h.advance(19999);
        QVERIFY(!h.ctl("Iron").visible && !h.ctl("Diamond").visible);
        h.advance(1);
        QVERIFY(h.ctl("Iron").visible || h.ctl("Diamond").visible);

        // Nothing stops the effect's timer: it ticks on every 8 s from the
        // use (at 11, 19 and 27 s), so double coins that are on at 33 s end
        // at its tick at 35 s.
        game.doubleOn = true;
        h.advance(1999);
        h.click("Vexo");
        QCOMPARE(game.score, 4);
        h.advance(1);
        QVERIFY(!game.doubleOn);
        h.click("Vexo");
        QCOMPARE(game.score, 5);
    }

    void theDynamiteLionLeavesForTenSeconds()
    {
        Harness h;
        auto& game = startGame(h);
        h.ctl("Vexotnt").left = h.ctl("Vexo").left; // right over the lion
        game.inContact = false;
        h.click("Notnt");
        QVERIFY(!h.ctl("Vexotnt").visible);
        QCOMPARE(h.ctl("Vexotnt").top, 2000);
        QVERIFY(game.noTntOn);
        h.advance(9999);
        QCOMPARE(game.energy, qint16(56)); // above the lane: no meeting
        h.advance(1);
        QVERIFY(h.ctl("Vexotnt").visible);
        QCOMPARE(h.ctl("Vexotnt").top, 6480);
        QVERIFY(!game.noTntOn);
        h.advance(50);
        QCOMPARE(game.energy, qint16(54)); // back over the lion: the next check costs 2
        // Its timer keeps ticking but brings back nothing more.
        h.ctl("Vexotnt").visible = false;
        h.advance(10000);
        QVERIFY(!h.ctl("Vexotnt").visible);
    }

    void theSlowLionStepsShorterAndSlower()
    {
        Harness h;
        auto& game = startGame(h);
        h.timer("Timer1").setEnabled(true);
        h.ctl("Vexotnt").top = 2000; // out of the lane
        game.vexoDir = 1;
        h.ctl("Vexo").left = 1000;
        h.click("Divtimes");
        QCOMPARE(h.timer("Timer1").interval(), 18);
        h.advance(36);
        QCOMPARE(h.ctl("Vexo").left, 1300);
        h.advance(10000 - 36);
        QCOMPARE(h.timer("Timer1").interval(), 12);
        const int left = h.ctl("Vexo").left;
        const int dir = game.vexoDir;
        h.advance(12);
        QCOMPARE(h.ctl("Vexo").left, left + 200 * dir);
    }

    void aGameLeftDuringTheSlowLionStartsAtFullSpeed()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        h.click("Divtimes");
        h.key(27);
        h.navigator.switchTo("Gamepage", h.current());
        h.ctl("Vexotnt").top = 2000;
        game.vexoDir = 1;
        h.ctl("Vexo").left = 1000;
        h.advance(12);
        QCOMPARE(h.ctl("Vexo").left, 1200);
    }

    void waitsEndOverTheGameOverView()
    {
        Harness h;
        h.store.saveInt(keys::items, keys::scoreX, 1);
        h.store.saveInt(keys::items, keys::noTnt, 1);
        auto& game = startGame(h);
        h.click("Twoscore");
        h.click("Notnt");
        h.advance(4000);
        h.ctl("Fakebottle").visible = true;
        h.click("Fakebottle");
        QVERIFY(game.isOver);
        QVERIFY(!h.ctl("Twoscore").visible && !h.ctl("x2wait").visible);
        QVERIFY(!h.ctl("Vexotnt").visible);

        // Six seconds on, both waits end and the no-dynamite effect with them:
        // the buttons and the dynamite lion show over the game-over view.
        h.advance(6000);
        QVERIFY(h.ctl("Twoscore").visible);
        QVERIFY(h.ctl("Notnt").visible);
        QVERIFY(h.ctl("Vexotnt").visible);
        QCOMPARE(h.ctl("Vexotnt").top, 6480);
        QVERIFY(!h.ctl("Vexo").visible);

        // Pressing double coins there places no pick-up on the view.
        h.click("Twoscore");
        h.advance(15000);
        QVERIFY(!h.ctl("Iron").visible && !h.ctl("Diamond").visible);

        // The dynamite lion ends the game once more.
        h.audio.clear();
        h.click("Vexotnt");
        QVERIFY(game.isOver);
        QCOMPARE(h.audio.played, QStringList{"GAMEOVER"});
        QVERIFY(!h.ctl("Vexotnt").visible && !h.ctl("Twoscore").visible);
        QCOMPARE(h.ctl("Overtxt").caption, QString("你被炸藥獅炸掉腦袋了！"));
    }

    void useAll_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("slowItems");
        QTest::addColumn<int>("expected");
        const QStringList doubleFirst{"Twoscore", "Notnt", "Divtimes"};
        QTest::newRow("reached") << 50 << doubleFirst << 1 << 2;
        QTest::newRow("49 coins") << 49 << doubleFirst << 1 << 1;
        QTest::newRow("double coins last") << 80 << QStringList{"Notnt", "Divtimes", "Twoscore"} << 1 << 1;
        QTest::newRow("slow lion used up") << 80 << doubleFirst << 0 << 1;
        // A wait timer that was never started does not count as running.
        QTest::newRow("double coins alone") << 80 << QStringList{"Twoscore"} << 1 << 1;
    }

    void useAll()
    {
        QFETCH(int, score);
        QFETCH(QStringList, order);
        QFETCH(int, slowItems);
        QFETCH(int, expected);
        Harness h;
        h.store.saveInt(keys::items, keys::scoreX, 1);
        h.store.saveInt(keys::items, keys::noTnt, 1);
        h.store.saveInt(keys::items, keys::slowLion, slowItems);
        h.store.saveInt(keys::avda, "USEALL", 1);
        auto& game = startGame(h);
        game.score = score;
        for (const QString& button : order) {
            h.click(button);
            h.advance(3000);
        }
        h.advance(10000);
        QCOMPARE(h.stored(keys::avda, "USEALL"), expected);
        if (expected == 2) {
            QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:背水一戰"));
            QCOMPARE(h.ctl("avdatxt").backColor, QString("#CF7DF2"));
        }
    }
};

QTEST_GUILESS_MAIN(TestRulesPowerUps)
#include "test_rules_powerups.moc"
