#include "screens/game/GameRules.h"

#include <QTest>

#include <limits>

using namespace tarovin;

// The game's arithmetic on plain values, without a screen.
class TestRules : public QObject {
    Q_OBJECT

    static constexpr qint32 maxScore = std::numeric_limits<qint32>::max();

private slots:
    void theEnergyBar_data()
    {
        QTest::addColumn<int>("energy");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("colour");
        QTest::newRow("empty") << 0 << 0 << "#F5B327";
        QTest::newRow("25, orange wins the tie") << 25 << 750 << "#F5B327";
        QTest::newRow("26") << 26 << 780 << "#B7DA10";
        QTest::newRow("54") << 54 << 1620 << "#B7DA10";
        QTest::newRow("55, yellow-green wins the tie") << 55 << 1650 << "#B7DA10";
        QTest::newRow("56") << 56 << 1680 << "#00FFCC";
        QTest::newRow("full: the bar's whole width") << 100 << 3000 << "#00FFCC";
    }

    void theEnergyBar()
    {
        QFETCH(int, energy);
        QFETCH(int, width);
        QFETCH(QString, colour);
        QCOMPARE(game::energyBarWidth(energy), width);
        QCOMPARE(QString(game::energyColour(energy)), colour);
    }

    void energyStaysWithinItsBounds_data()
    {
        QTest::addColumn<int>("energy");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("after");
        QTest::newRow("a tap") << 56 << game::tapEnergy << 58;
        QTest::newRow("a bottle near full") << 90 << game::bottleEnergy << 100;
        QTest::newRow("a meeting at 1") << 1 << -game::contactCost << 0;
        QTest::newRow("a meeting at 2") << 2 << -game::contactCost << 0;
        QTest::newRow("a meeting at 3") << 3 << -game::contactCost << 1;
    }

    void energyStaysWithinItsBounds()
    {
        QFETCH(int, energy);
        QFETCH(int, amount);
        QFETCH(int, after);
        QCOMPARE(game::energyAfter(energy, amount), qint16(after));
    }

    void coinsPerTap_data()
    {
        QTest::addColumn<bool>("doubleCoins");
        QTest::addColumn<int>("tap");
        QTest::addColumn<int>("bonus");
        QTest::newRow("plain") << false << 1 << 10;
        QTest::newRow("double coins") << true << 2 << 20;
    }

    void coinsPerTap()
    {
        QFETCH(bool, doubleCoins);
        QFETCH(int, tap);
        QFETCH(int, bonus);
        QCOMPARE(game::tapCoins(doubleCoins), tap);
        QCOMPARE(game::comboBonus(doubleCoins), bonus);
    }

    void theScoreStopsAtItsMaximum_data()
    {
        QTest::addColumn<qint32>("score");
        QTest::addColumn<int>("coins");
        QTest::addColumn<qint32>("after");
        QTest::newRow("first tap") << 0 << 1 << 1;
        QTest::newRow("reaching the maximum") << maxScore - 2 << 2 << maxScore;
        QTest::newRow("past the maximum") << maxScore - 1 << 20 << maxScore;
        QTest::newRow("at the maximum") << maxScore << 1 << maxScore;
    }

    void theScoreStopsAtItsMaximum()
    {
        QFETCH(qint32, score);
        QFETCH(int, coins);
        QFETCH(qint32, after);
        QCOMPARE(game::scoreAfter(score, coins), after);
    }

    void randomDraws_data()
    {
        QTest::addColumn<double>("unit");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("kind");
        QTest::newRow("lowest") << 0.0 << 1 << 1;
        QTest::newRow("middle") << 0.5 << 7156 << 6;
        QTest::newRow("the diamond's tenth") << 0.45 << 6440 << 5;
        QTest::newRow("highest") << 0.9999999999 << 14310 << 10;
    }

    void randomDraws()
    {
        QFETCH(double, unit);
        QFETCH(int, x);
        QFETCH(int, kind);
        QCOMPARE(game::randomX(unit), qint16(x));
        QCOMPARE(game::pickKind(unit), qint16(kind));
        QCOMPARE(game::isDiamond(game::pickKind(unit)), kind == 5);
    }

    void aWalkTurnsAtEitherEdge_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("newLeft");
        QTest::addColumn<int>("newDir");
        QTest::addColumn<bool>("turned");
        // A lion 3000 wide on a field 10000 wide, stepping 200.
        QTest::newRow("on its way right") << 5000 << 1 << 5200 << 1 << false;
        QTest::newRow("right side short of the edge") << 6799 << 1 << 6999 << 1 << false;
        QTest::newRow("right side on the edge") << 6800 << 1 << 7000 << -1 << true;
        QTest::newRow("still past the edge going left") << 7300 << -1 << 7100 << -1 << true;
        QTest::newRow("on its way left") << 5000 << -1 << 4800 << -1 << false;
        QTest::newRow("left side short of the edge") << 201 << -1 << 1 << -1 << false;
        QTest::newRow("left side on the edge") << 200 << -1 << 0 << 1 << true;
    }

    void aWalkTurnsAtEitherEdge()
    {
        QFETCH(int, left);
        QFETCH(int, dir);
        QFETCH(int, newLeft);
        QFETCH(int, newDir);
        QFETCH(bool, turned);
        const game::Walk w = game::walked(left, 3000, dir, 200, 10000);
        QCOMPARE(w.left, newLeft);
        QCOMPARE(w.dir, newDir);
        QCOMPARE(w.turned, turned);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
