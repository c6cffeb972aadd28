#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The two lions' walk, the touch test and where the pick-ups appear.
class TestPlayMovement : public QObject {
    Q_OBJECT

    static double drawFor(int x) { return (x - 0.5) / 14310.0; }

private slots:
    void aLionStepsAndTurnsAtTheEdges_data()
    {
        QTest::addColumn<QString>("lion");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("dir");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("leftAfter");
        QTest::addColumn<int>("dirAfter");
        QTest::addColumn<bool>("facesLeft");
        QTest::newRow("start far right turns on the first tick") << "Vexo" << 10725 << 1 << false << 10925 << -1 << true;
        QTest::newRow("right edge reached exactly") << "Vexo" << 10525 << 1 << false << 10725 << -1 << true;
        QTest::newRow("one short of the right edge") << "Vexo" << 10524 << 1 << false << 10724 << 1 << false;
        QTest::newRow("past the left edge") << "Vexo" << 100 << -1 << false << -100 << 1 << false;
        QTest::newRow("left edge reached exactly") << "Vexo" << 200 << -1 << false << 0 << 1 << false;
        QTest::newRow("one short of the left edge") << "Vexo" << 201 << -1 << false << 1 << -1 << false;
        QTest::newRow("slow lion steps 150") << "Vexo" << 5000 << 1 << true << 5150 << 1 << false;
        QTest::newRow("slow lion reaches the edge") << "Vexo" << 10575 << 1 << true << 10725 << -1 << true;
        QTest::newRow("dynamite lion steps 150") << "Vexotnt" << 5000 << -1 << false << 4850 << -1 << false;
        QTest::newRow("dynamite lion right edge") << "Vexotnt" << 10575 << 1 << false << 10725 << -1 << true;
        QTest::newRow("dynamite lion past the left") << "Vexotnt" << 100 << -1 << false << -50 << 1 << false;
        QTest::newRow("dynamite lion ignores slow") << "Vexotnt" << 5000 << 1 << true << 5150 << 1 << false;
    }

    void aLionStepsAndTurnsAtTheEdges()
    {
        QFETCH(QString, lion);
        QFETCH(int, left);
        QFETCH(int, dir);
        QFETCH(bool, slow);
        QFETCH(int, leftAfter);
        QFETCH(int, dirAfter);
        QFETCH(bool, facesLeft);
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        const bool tapLion = lion == "Vexo";
        int& direction = tapLion ? game.vexoDir : game.tntDir;
        h.ctl(lion).left = left;
        direction = dir;
        game.slowOn = slow;
        h.advance(tapLion ? 12 : 25); // exactly one tick of its timer
        QCOMPARE(h.ctl(lion).left, leftAfter);
        QCOMPARE(direction, dirAfter);
        // The picture is the one held for the direction: mirrored when walking left.
        const QString holder = QString(tapLion ? "re" : "rt") + (facesLeft ? "2" : "1");
        QCOMPARE(h.ctl(lion).picture, h.ctl(holder).picture);
        QCOMPARE(h.ctl(lion).picture.mirrored, facesLeft);
        QCOMPARE(h.ctl(lion).picture.name, QString(tapLion ? "lion" : "lion_dynamite"));
    }

    void lionsWalkToAndFroForever()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.random.push(drawFor(1));
        h.random.push(drawFor(14310));
        h.start("Gamepage");
        int minLeft = 1 << 30, maxRight = 0, turns = 0, lastDir = game.vexoDir;
        for (int i = 0; i < 2000; ++i) {
            h.advance(12);
            const Control& v = h.ctl("Vexo");
            minLeft = std::min(minLeft, v.left);
            maxRight = std::max(maxRight, v.left + v.width);
            turns += game.vexoDir != lastDir;
            lastDir = game.vexoDir;
            QCOMPARE(v.picture.mirrored, game.vexoDir < 0);
        }
        QVERIFY(minLeft > -200 && minLeft <= 0);
        QVERIFY(maxRight >= 14220 && maxRight < 14420);
        QVERIFY(turns >= 30);
        QVERIFY(h.ctl("Vexotnt").left > -150 && h.ctl("Vexotnt").left + 3495 < 14220 + 150);
    }

    void touchingRectangles_data()
    {
        QTest::addColumn<Rect>("b");
        QTest::addColumn<bool>("meet");
        // a is always {1000, 1000, 500, 300}
        QTest::newRow("apart on the right") << Rect{1501, 1000, 100, 100} << false;
        QTest::newRow("sharing the right edge") << Rect{1500, 1000, 100, 100} << true;
        QTest::newRow("apart on the left") << Rect{899, 1000, 100, 100} << false;
        QTest::newRow("sharing the left edge") << Rect{900, 1000, 100, 100} << true;
        QTest::newRow("apart below") << Rect{1000, 1301, 100, 100} << false;
        QTest::newRow("sharing the bottom edge") << Rect{1000, 1300, 100, 100} << true;
        QTest::newRow("apart above") << Rect{1000, 899, 100, 100} << false;
        QTest::newRow("sharing the top edge") << Rect{1000, 900, 100, 100} << true;
        QTest::newRow("corner to corner") << Rect{1500, 1300, 10, 10} << true;
        QTest::newRow("inside") << Rect{1100, 1100, 10, 10} << true;
        QTest::newRow("right but above") << Rect{1200, 0, 100, 100} << false;
    }

    void touchingRectangles()
    {
        QFETCH(Rect, b);
        QFETCH(bool, meet);
        Control a;
        a.setRect({1000, 1000, 500, 300});
        Control other;
        other.setRect(b);
        other.visible = false; // visibility plays no part
        QCOMPARE(GameScreen::IsCollide(a, other), meet);
        QCOMPARE(GameScreen::IsCollide(other, a), meet);
    }

    void pickUpsAppearByTheirTimers()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.start("Gamepage");
        h.ctl("Vexotnt").top = 2000; // out of the lane: no contact ends this long game
        // At 20000 the dynamite water draws its place, then the medal timer
        // its kind and place; a place past 13485 sticks out on the right.
        h.random.push(drawFor(5000));
        h.random.push(0.0); // kind 1: an iron medal
        h.random.push(drawFor(13486));
        h.advance(19999);
        for (const char* p : {"Bottle", "Fakebottle", "Diamond", "Iron"})
            QVERIFY2(!h.ctl(p).visible, p);
        h.advance(1);
        QVERIFY(h.ctl("Fakebottle").visible);
        QCOMPARE(h.ctl("Fakebottle").left, 5000);
        QVERIFY(h.ctl("Iron").visible);
        QCOMPARE(h.ctl("Iron").left, 13486);
        QCOMPARE(game.pickKind, qint16(1));
        QVERIFY(!h.ctl("Diamond").visible);

        h.random.push(drawFor(700)); // 25000: the bottle
        h.advance(5000);
        QVERIFY(h.ctl("Bottle").visible);
        QCOMPARE(h.ctl("Bottle").left, 700);
        QCOMPARE(h.ctl("Bottle").top, 7920);

        // 40000: a shown pick-up moves on at its timer's next tick; kind 5 is a diamond.
        h.random.push(drawFor(9000));
        h.random.push(0.45);
        h.random.push(drawFor(4000));
        h.advance(15000);
        QCOMPARE(h.ctl("Fakebottle").left, 9000);
        QVERIFY(h.ctl("Diamond").visible);
        QCOMPARE(h.ctl("Diamond").left, 4000);
        QCOMPARE(game.pickKind, qint16(5));
        QCOMPARE(game.pickX, qint16(4000));
        QCOMPARE(h.ctl("Iron").left, 13486); // the medal still waits where it was
    }

    void nothingIsPlacedAfterTheFinalGameOver()
    {
        Harness h;
        auto& game = h.add<GameScreen>();
        h.store.saveInt(keys::items, keys::scoreX, 1);
        h.start("Gamepage");
        h.click("Twoscore"); // free use; the button comes back in 10 s
        h.advance(1000);
        h.click("Vexotnt"); // no totem: the final game over
        QVERIFY(game.isOver);
        const int seeds = h.random.seeds;
        h.advance(10000);
        // The double-coins button is back over the game-over view; a press
        // there starts nothing, and nothing is placed.
        QVERIFY(h.ctl("Twoscore").visible);
        h.click("Twoscore");
        QVERIFY(!h.timer("TimerIronDia").running());
        h.advance(120000);
        for (const char* p : {"Bottle", "Fakebottle", "Diamond", "Iron"})
            QVERIFY2(!h.ctl(p).visible, p);
        QCOMPARE(h.random.seeds, seeds); // not a single draw
    }
};

QTEST_GUILESS_MAIN(TestPlayMovement)
#include "test_play_movement.moc"
