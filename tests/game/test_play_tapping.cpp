#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

#include <limits>

using namespace tarovin;
using namespace tarovin::test;

// Tapping the lion: coins, energy, the hop, the combo and the best score.
class TestPlayTapping : public QObject {
    Q_OBJECT

    // A game whose dynamite lion is out of the lane, so that no contact
    // changes the energy while a test taps.
    static GameScreen& startGame(Harness& h, int best = 0)
    {
        auto& game = h.add<GameScreen>();
        if (best)
            h.store.saveInt(keys::settings, keys::maxScore, best);
        h.store.saveInt(keys::avda, "CBSTART", 1);
        h.random.push(2000.5 / 14310);
        h.start("Gamepage");
        h.ctl("Vexotnt").top = 2000;
        return game;
    }

private slots:
    void quickTapsBuildACombo_data()
    {
        QTest::addColumn<bool>("doubleCoins");
        QTest::addColumn<QList<int>>("scores");
        QTest::newRow("plain") << false << QList<int>{1, 2, 3, 4, 15, 16, 17};
        QTest::newRow("double coins") << true << QList<int>{2, 4, 6, 8, 30, 32, 34};
    }

    void quickTapsBuildACombo()
    {
        QFETCH(bool, doubleCoins);
        QFETCH(QList<int>, scores);
        Harness h;
        auto& game = startGame(h);
        game.doubleOn = doubleCoins;
        const QStringList captions{"", "Combo ×2!", "Combo ×3!", "Combo ×4!", "Combo ×0!", "Combo ×0!", "Combo ×2!"};
        for (int tap = 0; tap < 7; ++tap) {
            h.click("Vexo");
            QCOMPARE(game.score, scores[tap]);
            QCOMPARE(h.ctl("Score").caption, QString::number(scores[tap]) + "獅幣");
            QCOMPARE(h.ctl("Cambo").visible, tap >= 1);
            if (tap >= 1)
                QCOMPARE(h.ctl("Cambo").caption, captions[tap]);
            if (tap == 1 || tap == 6) // placed at the lion when the count is shown anew
                QCOMPARE(h.ctl("Cambo").left, h.ctl("Vexo").left);
            h.advance(300);
        }
        QCOMPARE(game.combo, 2);
        QCOMPARE(h.stored(keys::avda, "CBSTART"), 2);
        QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:初試啼聲"));
        QCOMPARE(h.audio.played.count("AWWREAL"), 7);
        QCOMPARE(h.audio.played.count("VEXO"), 1);
        QCOMPARE(h.audio.played.mid(0, 5), (QStringList{"AWWREAL", "AWWREAL", "AWWREAL", "AWWREAL", "AWWREAL"}));

        // 1500 ms after the last tap the combo ends.
        h.advance(1199);
        QVERIFY(h.ctl("Cambo").visible);
        h.advance(1);
        QVERIFY(!h.ctl("Cambo").visible);
        QCOMPARE(game.combo, 0);
    }

    void slowTapsNeverCombo()
    {
        Harness h;
        auto& game = startGame(h);
        for (int tap = 0; tap < 6; ++tap) {
            h.click("Vexo");
            QVERIFY(!h.ctl("Cambo").visible);
            h.advance(1500);
        }
        QCOMPARE(game.score, 6);
        QCOMPARE(h.stored(keys::avda, "CBSTART"), 1);
    }

    void aLabelOverTheLionSwallowsTheClick()
    {
        Harness h;
        auto& game = startGame(h);
        h.timer("Timer1").setEnabled(false); // hold the lion still
        h.ctl("Vexo").left = 4000;
        h.click("Vexo");
        h.click("Vexo"); // the combo label is now shown at the lion's left, 5880..6495 high
        const Control& label = h.ctl("Cambo");
        QVERIFY(label.visible);
        h.clickAt(label.left + 10, label.top + 10);
        QCOMPARE(game.score, 2);
        h.clickAt(label.left + label.width + 10, 7000); // on the lion, off the label
        QCOMPARE(game.score, 3);
        // Where the dynamite lion overlaps the lion, the dynamite lion takes the click.
        h.ctl("Vexotnt").top = GameScreen::laneTop;
        h.ctl("Vexotnt").left = 5000;
        h.timer("Timer2").setEnabled(false);
        h.clickAt(5500, 8000);
        QCOMPARE(game.score, 3);
    }

    void theLionHopsAndComesDown()
    {
        Harness h;
        startGame(h);
        h.click("Vexo");
        QCOMPARE(h.ctl("Vexo").top, 5980);
        // A quick second tap keeps it one hop up, not two.
        h.advance(100);
        h.click("Vexo");
        QCOMPARE(h.ctl("Vexo").top, 5980);
        h.advance(199);
        QCOMPARE(h.ctl("Vexo").top, 5980);
        h.advance(1);
        QCOMPARE(h.ctl("Vexo").top, 6480);
        QVERIFY(!h.timer("Timerfly").enabled());
    }

    void energyRisesToAtMost100_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("colour");
        QTest::newRow("start") << 56 << 58 << "#00FFCC";
        QTest::newRow("into the green") << 54 << 56 << "#00FFCC";
        QTest::newRow("out of the orange") << 24 << 26 << "#B7DA10";
        QTest::newRow("98 to full") << 98 << 100 << "#00FFCC";
        QTest::newRow("full stays full") << 100 << 100 << "#00FFCC";
    }

    void energyRisesToAtMost100()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, colour);
        Harness h;
        auto& game = startGame(h);
        game.energy = qint16(before);
        h.click("Vexo");
        QCOMPARE(game.energy, qint16(after));
        QCOMPARE(h.ctl("Engnytxt").caption, QString::number(after) + "%");
        QCOMPARE(h.ctl("Ly1").width, after * 30);
        QCOMPARE(h.ctl("Ly1").backColor, colour);
    }

    void theBestScoreFollowsEveryTap()
    {
        Harness h;
        auto& game = startGame(h, 3);
        h.click("Vexo");
        h.click("Vexo");
        QCOMPARE(h.stored(keys::settings, keys::maxScore), 3);
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:3 獅幣"));
        h.ctl("Maxscore").caption.clear();
        h.click("Vexo"); // equal to the best: written and shown again
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:3 獅幣"));
        h.advance(1500);
        h.click("Vexo");
        QCOMPARE(game.bestScore, 4);
        QCOMPARE(h.stored(keys::settings, keys::maxScore), 4);
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:4 獅幣"));
    }

    void aComboBonusPastTheBestIsKept()
    {
        Harness h;
        auto& game = startGame(h, 100);
        game.score = 95;
        game.combo = 4;
        h.click("Vexo"); // 96, then 106 by the bonus
        QCOMPARE(game.score, 106);
        QCOMPARE(game.bestScore, 106);
        QCOMPARE(h.ctl("Maxscore").caption, QString("最高:106 獅幣"));
        QCOMPARE(h.stored(keys::settings, keys::maxScore), 106);
        // The game may end right now; the stored best is the final score.
        h.key(27);
        QCOMPARE(h.stored(keys::settings, keys::maxScore), 106);
    }

    void theScoreStopsAtItsMaximum()
    {
        Harness h;
        auto& game = startGame(h);
        const qint32 top = std::numeric_limits<qint32>::max();
        game.score = top - 1;
        game.doubleOn = true;
        game.combo = 3;
        h.click("Vexo");
        QCOMPARE(game.score, top);
        h.click("Vexo"); // the bonus
        QCOMPARE(game.score, top);
        QCOMPARE(h.ctl("Score").caption, QString::number(top) + "獅幣");
        QCOMPARE(h.stored(keys::settings, keys::maxScore), top);
    }
};

QTEST_GUILESS_MAIN(TestPlayTapping)
#include "test_play_tapping.moc"
