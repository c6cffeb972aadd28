#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// Energy: what the lions' meetings cost and what the bottle gives.
class TestRulesHazards : public QObject {
    Q_OBJECT

    static double drawFor(int x) { return (x - 0.5) / 14310.0; }

    // Both lions placed by the load's two draws.
    static GameScreen& startGame(Harness& h, int vexoLeft, int tntLeft, int totems = 0)
    {
        auto& game = h.add<GameScreen>();
        h.store.saveInt(keys::items, keys::totem, totems);
        h.random.push(drawFor(vexoLeft));
        h.random.push(drawFor(tntLeft));
        h.start("Gamepage");
        return game;
    }

private slots:
    void aCrossingCostsTwoHoweverLongItLasts()
    {
        // The dynamite lion stands mid-lane; the lion walks through it, on to
        // the right edge, and back through it again.
        Harness h;
        auto& game = startGame(h, 500, 5000);
        h.timer("Timer2").setEnabled(false);
        const Control& vexo = h.ctl("Vexo");
        int overlapChecks = 0;
        while (vexo.left <= 5000 + 3495) {
            h.advance(50);
            overlapChecks += GameScreen::IsCollide(vexo, h.ctl("Vexotnt")) ? 1 : 0;
        }
        QVERIFY(overlapChecks >= 5); // a long meeting, seen by many checks
        h.advance(50);
        QCOMPARE(game.energy, qint16(54));
        QCOMPARE(h.ctl("Engnytxt").caption, QString("54%"));
        QCOMPARE(h.ctl("Ly1").width, 54 * 30);
        QCOMPARE(h.ctl("Ly1").backColor, QString("#B7DA10"));
        QVERIFY(!game.inContact);

        while (game.vexoDir == 1 || vexo.left > 5000 - 3495)
            h.advance(50);
        h.advance(50);
        QCOMPARE(game.energy, qint16(52));
    }

    void lionsPlacedOverEachOtherMeetAtTheFirstCheck()
    {
        // Both draws of the load put the lions in one place: the first
        // contact check, 50 ms in, charges the meeting, and only once.
        Harness h;
        auto& game = startGame(h, 5000, 6000);
        h.advance(49);
        QCOMPARE(game.energy, qint16(56));
        h.advance(1);
        QVERIFY(GameScreen::IsCollide(h.ctl("Vexo"), h.ctl("Vexotnt")));
        QCOMPARE(game.energy, qint16(54));
        QCOMPARE(h.ctl("Engnytxt").caption, QString("54%"));
        h.advance(200);
        QVERIFY(GameScreen::IsCollide(h.ctl("Vexo"), h.ctl("Vexotnt")));
        QCOMPARE(game.energy, qint16(54));
    }

    void partingAndMeetingAgainCostsAgain()
    {
        Harness h;
        auto& game = startGame(h, 3000, 12000);
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        Control& tnt = h.ctl("Vexotnt");
        const QList<std::pair<int, int>> steps{
            {6495, 54}, // right edge on the lion's right edge: touching is meeting
            {6400, 54}, // still together
            {6496, 54}, // apart by one twip
            {3000, 52}, // together again
            {-495, 52}, // touching on the left
            {-496, 52}, // apart
            {-495, 50},
        };
        for (auto [left, energy] : steps) {
            tnt.left = left;
            h.advance(50);
            QCOMPARE(game.energy, qint16(energy));
        }
        // A lion lifted by the no-dynamite effect is above the lane.
        tnt.left = 3000;
        tnt.top = 2000;
        h.advance(50);
        tnt.top = 6480;
        h.advance(50);
        QCOMPARE(game.energy, qint16(48));
    }

    void theLastTwoEnergyGoAtAMeeting_data()
    {
        QTest::addColumn<int>("totems");
        QTest::newRow("no totem") << 0;
        QTest::newRow("one totem") << 1;
    }

    void theLastTwoEnergyGoAtAMeeting()
    {
        QFETCH(int, totems);
        Harness h;
        auto& game = startGame(h, 3000, 12000, totems);
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        game.energy = 4;
        h.ctl("Vexotnt").left = 3000;
        h.advance(50);
        QCOMPARE(game.energy, qint16(2));
        QVERIFY(!game.isOver);
        h.ctl("Vexotnt").left = 9000;
        h.advance(50);
        h.ctl("Vexotnt").left = 3000;
        h.advance(50);
        QCOMPARE(game.isOver, totems == 0);
        QCOMPARE(h.ctl("Overtxt").caption, QString("你在獅群中餓壞了！"));
        QCOMPARE(game.energy, qint16(totems ? 8 : 0));
        QCOMPARE(h.ctl("Engnytxt").caption, totems ? QString("8%") : QString("0%"));
        QCOMPARE(h.ctl("Ly1").backColor, QString("#F5B327"));
        QCOMPARE(h.ctl("Overtxt").visible, totems == 0);

        // Staying together costs nothing more; over, a new meeting costs nothing.
        h.advance(500);
        QCOMPARE(game.energy, qint16(totems ? 8 : 0));
        h.ctl("Vexotnt").left = 9000;
        h.advance(50);
        h.ctl("Vexotnt").left = 3000;
        h.advance(50);
        QCOMPARE(game.energy, qint16(totems ? 6 : 0));
    }

    void theBottle_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("colour");
        QTest::newRow("90 fills up") << 90 << 100 << "#00FFCC";
        QTest::newRow("100 stays") << 100 << 100 << "#00FFCC";
        QTest::newRow("from orange") << 14 << 34 << "#B7DA10";
        QTest::newRow("from yellow-green") << 40 << 60 << "#00FFCC";
    }

    void theBottle()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, colour);
        Harness h;
        auto& game = startGame(h, 3000, 12000);
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        h.advance(10000);
        game.energy = qint16(before);
        h.ctl("Bottle").visible = true;
        h.click("Bottle");
        QCOMPARE(h.audio.played, QStringList{"EFFECT"});
        QVERIFY(!h.ctl("Bottle").visible);
        QCOMPARE(game.energy, qint16(after));
        QCOMPARE(h.ctl("Engnytxt").caption, QString::number(after) + "%");
        QCOMPARE(h.ctl("Ly1").width, after * 30);
        QCOMPARE(h.ctl("Ly1").backColor, colour);
        // The next bottle comes 25 s after this one, not at the old count's end.
        h.advance(24999);
        QVERIFY(!h.ctl("Bottle").visible);
        h.advance(1);
        QVERIFY(h.ctl("Bottle").visible);
    }

    void theDynamiteWaterGoesAwayAfterATotem()
    {
        Harness h;
        auto& game = startGame(h, 3000, 12000, 1);
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        h.advance(20000);
        QVERIFY(h.ctl("Fakebottle").visible);
        h.click("Fakebottle");
        QVERIFY(!game.isOver);
        QVERIFY(!h.ctl("Fakebottle").visible);
        h.advance(19999);
        QVERIFY(!h.ctl("Fakebottle").visible);
        h.advance(1);
        QVERIFY(h.ctl("Fakebottle").visible);
        h.click("Fakebottle");
        QVERIFY(game.isOver);
        QVERIFY(!h.ctl("Fakebottle").visible);
        QCOMPARE(h.ctl("Overtxt").caption, QString("你喝到炸藥水了！"));
    }

    void aClickWhereTheLionsOverlapHitsTheDynamiteLion()
    {
        Harness h;
        auto& game = startGame(h, 3000, 12000, 1);
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        h.ctl("Vexotnt").left = 5000;
        h.clickAt(5500, 7000);
        QCOMPARE(game.totemItems, qint16(0));
        QCOMPARE(game.score, 0);
        h.clickAt(4000, 7000);
        QCOMPARE(game.score, 1);
        h.clickAt(5500, 7000);
        QVERIFY(game.isOver);
        QCOMPARE(h.ctl("Overtxt").caption, QString("你被炸藥獅炸掉腦袋了！"));
    }

    // The lane and the pick-up row overlap between Top 7920 and 8655; where
    // two shown controls lie there, the one in front takes the click and the
    // other stays as it was.
    void theFrontOneOfTheLaneAndThePickUpRowTakesTheClick_data()
    {
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("sound"); // the front one's
        QTest::newRow("the lion over the bottle") << "Vexo" << "Bottle" << "AWWREAL";
        QTest::newRow("the dynamite lion over a diamond") << "Vexotnt" << "Diamond" << "GAMEOVER";
        QTest::newRow("the bottle over the dynamite water") << "Bottle" << "Fakebottle" << "EFFECT";
        QTest::newRow("the dynamite water over a diamond") << "Fakebottle" << "Diamond" << "GAMEOVER";
        QTest::newRow("a diamond over an iron medal") << "Diamond" << "Iron" << "HAPPY";
    }

    void theFrontOneOfTheLaneAndThePickUpRowTakesTheClick()
    {
        QFETCH(QString, front);
        QFETCH(QString, back);
        QFETCH(QString, sound);
        Harness h;
        startGame(h, 9000, 12000); // both lions away from the spot, unless a row puts one there
        h.timer("Timer1").setEnabled(false);
        h.timer("Timer2").setEnabled(false);
        for (const QString& name : {front, back}) {
            h.ctl(name).left = 5000;
            h.ctl(name).visible = true;
        }
        h.audio.clear();
        h.clickAt(5300, 8200);
        QCOMPARE(h.audio.played, QStringList{sound});
        QVERIFY(h.ctl(back).visible);
        if (front != "Vexo" && front != "Vexotnt")
            QVERIFY(!h.ctl(front).visible);
    }
};

QTEST_GUILESS_MAIN(TestRulesHazards)
#include "test_rules_hazards.moc"
