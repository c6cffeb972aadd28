#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QDateTime>
#include <QSet>
#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

// The program's own random source, as the game draws from it: timers that fall
// due together draw within the same millisecond of the wall clock, and a game
// in virtual time makes thousands of draws a millisecond.
class TestRandomness : public QObject {
    Q_OBJECT

    struct Placement {
        int water;
        int pickUp;
        bool diamond;
    };

    // Games of 200 s each, the dynamite lion kept off the lane so that no
    // game ends early; every 20 s the dynamite water and a medal or diamond
    // are placed by two timers due at the same moment.
    static std::vector<Placement> placements(int games)
    {
        std::vector<Placement> found;
        for (int g = 0; g < games; ++g) {
            Harness h(Harness::Time::Virtual, Harness::Randomness::System);
            auto& game = h.add<GameScreen>();
            h.start(QStringLiteral("Gamepage"));
            h.ctl(QStringLiteral("Vexotnt")).top = 2000;
            for (int step = 0; step < 10; ++step) {
                h.advance(20000);
                const bool diamond = game.pickKind == 5;
                const Control& pickUp = h.ctl(diamond ? QStringLiteral("Diamond") : QStringLiteral("Iron"));
                found.push_back({h.ctl(QStringLiteral("Fakebottle")).left, pickUp.left, diamond});
            }
        }
        return found;
    }

private slots:
    void drawsWithinOneMillisecondAllDiffer()
    {
        SystemRandom random;
        QSet<double> seen;
        int draws = 0;
        const qint64 start = QDateTime::currentMSecsSinceEpoch();
        while (QDateTime::currentMSecsSinceEpoch() == start || draws < 1000) {
            // Every draw of the game comes after the reseeding step.
            random.seedFromClock();
            seen.insert(random.next());
            ++draws;
        }
        QCOMPARE(seen.size(), draws);
    }

    void pickUpsLandAwayFromTheDynamiteWaterAndAcrossTheRow()
    {
        const std::vector<Placement> all = placements(30);
        int underTheWater = 0;
        QSet<int> diamondTenths;
        for (const Placement& p : all) {
            if (p.pickUp == p.water)
                ++underTheWater;
            if (p.diamond)
                diamondTenths.insert(p.pickUp * 10 / 14311);
        }
        QVERIFY2(underTheWater <= 2, qPrintable(QStringLiteral("%1 of %2 under the water").arg(underTheWater).arg(all.size())));
        // About 30 diamonds among 300 placements, spread over the whole row.
        QVERIFY2(diamondTenths.size() >= 6, qPrintable(QStringLiteral("diamonds in only %1 tenths of the row").arg(diamondTenths.size())));
    }

    void theLionsStartApart()
    {
        // Game after game, as a player with a best score who goes back to the
        // menu and plays again.
        Harness h(Harness::Time::Virtual, Harness::Randomness::System);
        h.store.saveInt(keys::settings, keys::maxScore, 120);
        auto& game = h.add<GameScreen>();
        h.start(QStringLiteral("Gamepage"));
        int together = 0;
        for (int g = 0; g < 200; ++g) {
            if (h.ctl(QStringLiteral("Vexo")).left == h.ctl(QStringLiteral("Vexotnt")).left)
                ++together;
            h.navigator.switchTo(QStringLiteral("Start"), game);
            h.navigator.switchTo(QStringLiteral("Gamepage"), h.current());
        }
        QVERIFY2(together <= 1, qPrintable(QStringLiteral("%1 of 200 games started with the lions together").arg(together)));
    }
};

QTEST_GUILESS_MAIN(TestRandomness)
#include "test_randomness.moc"
