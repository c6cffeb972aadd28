#include "screens/achievements/Achievements.h"
#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QDir>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarovin;
using namespace tarovin::test;

// Plays many games in virtual time with random taps anywhere, random
// power-ups and pick-ups, with and without totems, and checks the game's
// invariants after every event. Every row is seeded; a failure names its seed,
// game and step, and the row alone replays it:
//   game_test_soak manyRandomGames:"seed 7"
class TestSoak : public QObject {
    Q_OBJECT

    struct GameStart {
        QHash<QString, int> items; // stored item counts when the game began
        int diamonds = 0;
        int iron = 0;
    };

    class Player {
    public:
        Player(Harness& h, GameScreen& game, quint32 seed) : h(h), game(game), rng(seed) {}

        // One game from its load to leaving it; returns an empty text or the
        // first broken rule.
        QString playOne()
        {
            prepareStore();
            if (h.openCount() == 0)
                h.start(QStringLiteral("Gamepage"));
            else
                h.navigator.switchTo(QStringLiteral("Gamepage"), h.current());
            overScore = -1;
            remember();
            const int steps = 150 + int(rng.bounded(250));
            for (step = 0; step < steps; ++step) {
                act();
                if (h.currentName() != QStringLiteral("Gamepage"))
                    return {}; // left through the home button
                const QString broken = check();
                if (!broken.isEmpty())
                    return QStringLiteral("step %1: %2").arg(step).arg(broken);
                if (game.isOver && rng.bounded(25) == 0) {
                    h.click(QStringLiteral("Overok"));
                    return {};
                }
            }
            if (rng.bounded(2))
                h.key(27);
            else
                h.closeBox();
            return {};
        }

        int step = 0;
        int gamesOver = 0;
        int totemsSpent = 0;

    private:
        int pick(std::initializer_list<int> values)
        {
            return *(values.begin() + rng.bounded(int(values.size())));
        }

        void prepareStore()
        {
            SettingsStore& s = h.store;
            s.saveInt(keys::items, keys::totem, pick({0, 0, 0, 1, 2, -1}));
            for (const StoreKey& key : {keys::scoreX, keys::noTnt, keys::slowLion})
                s.saveInt(keys::items, key, pick({0, 0, 1, 2, 3, -1}));
            s.saveInt(keys::settings, keys::diamond, pick({0, 18, 48, 32766, 32767}));
            s.saveInt(keys::settings, keys::iron, pick({0, 5, 32766}));
            s.saveInt(keys::settings, keys::soundOpt, pick({1, 2}));
            for (const Achievement& a : achievementCatalogue())
                s.saveInt(keys::avda, a.key, pick({0, 1, 1, 2}));
            h.dialogs.shown.clear();
            h.audio.clear();
        }

        void remember()
        {
            start.items.clear();
            for (const StoreKey& key : {keys::scoreX, keys::noTnt, keys::slowLion, keys::totem})
                start.items[key] = h.stored(keys::items, key);
            start.diamonds = h.stored(keys::settings, keys::diamond);
            start.iron = h.stored(keys::settings, keys::iron);
            achievements.clear();
            for (const Achievement& a : achievementCatalogue())
                achievements[a.key] = h.stored(keys::avda, a.key, 0);
            totemsAtStart = start.items[keys::totem];
        }

        void clickIfShown(const QString& name)
        {
            if (h.ctl(name).visible)
                h.click(name);
        }

        void act()
        {
            const int roll = int(rng.bounded(100));
            if (roll < 30) {
                h.advance(1 + rng.bounded(400));
            } else if (roll < 50) {
                clickIfShown(QStringLiteral("Vexo"));
                h.advance(rng.bounded(300));
            } else if (roll < 62) {
                // Anywhere on the window: labels swallow clicks, lions overlap.
                h.clickAt(int(rng.bounded(14220)), int(rng.bounded(8640)));
            } else if (roll < 72) {
                static const QStringList buttons{"Twoscore", "Notnt", "Divtimes"};
                clickIfShown(buttons.at(int(rng.bounded(3))));
            } else if (roll < 84) {
                static const QStringList pickUps{"Bottle", "Diamond", "Iron", "Bottle", "Diamond", "Iron", "Fakebottle"};
                clickIfShown(pickUps.at(int(rng.bounded(int(pickUps.size())))));
            } else if (roll < 88) {
                clickIfShown(QStringLiteral("Vexotnt"));
            } else {
                h.advance(1000 + rng.bounded(8000));
            }
        }

        QString check()
        {
#define SOAK_EXPECT(cond, what)                                                                                      \
    do {                                                                                                             \
        if (!(cond))                                                                                                 \
            return QStringLiteral(what);                                                                             \
    } while (false)

            SOAK_EXPECT(game.energy >= 0 && game.energy <= 100, "energy out of 0..100");
            SOAK_EXPECT(game.energy % 2 == 0, "odd energy");
            SOAK_EXPECT(game.score >= 0, "negative score");
            maxReached = std::max(maxReached, game.score);
            SOAK_EXPECT(game.bestScore >= game.score, "best score below the score");
            SOAK_EXPECT(h.stored(keys::settings, keys::maxScore) >= maxReached, "MAXSCORE below a score reached");

            // Items are only ever spent in a game, and a count that started at
            // 0 or more never goes below 0.
            const struct {
                QString key;
                qint16 mirror;
            } items[] = {{keys::scoreX, game.doubleItems}, {keys::noTnt, game.noTntItems},
                         {keys::slowLion, game.slowItems}, {keys::totem, game.totemItems}};
            for (const auto& item : items) {
                const int began = start.items.value(item.key);
                const int stored = h.stored(keys::items, item.key);
                if (began >= 0) {
                    SOAK_EXPECT(stored >= 0 && item.mirror >= 0, "an item count went negative");
                }
                // A used-up power-up sets a negative count to 0.
                const int most = std::max(began, 0);
                SOAK_EXPECT(stored <= most && item.mirror <= most, "an item count grew in play");
            }
            const int totems = h.stored(keys::items, keys::totem);
            totemsSpent += totemsAtStart - totems;
            totemsAtStart = totems;

            // The wallet only grows, stops at 32767 and is stored as it is kept.
            const int diamonds = h.stored(keys::settings, keys::diamond);
            const int iron = h.stored(keys::settings, keys::iron);
            SOAK_EXPECT(diamonds >= start.diamonds && iron >= start.iron, "the wallet shrank");
            SOAK_EXPECT(diamonds <= 32767 && iron <= 32767, "the wallet passed 32767");
            SOAK_EXPECT(diamonds == game.diamondCount && iron == game.ironCount, "wallet and store differ");

            for (const Achievement& a : achievementCatalogue()) {
                const int now = h.stored(keys::avda, a.key, 0);
                const int before = achievements.value(a.key);
                if (now != before) {
                    SOAK_EXPECT(before == achievementArmed && now == achievementAchieved,
                                "an achievement changed other than from 1 to 2");
                }
                achievements[a.key] = now;
            }

            const Control& vexo = h.ctl(QStringLiteral("Vexo"));
            const Control& tnt = h.ctl(QStringLiteral("Vexotnt"));
            SOAK_EXPECT(vexo.top <= GameScreen::laneTop && (GameScreen::laneTop - vexo.top) % 500 == 0,
                        "the lion is off its lane");
            SOAK_EXPECT(vexo.left > -200 && vexo.left <= 14310, "the lion walked off the screen");
            SOAK_EXPECT(tnt.left > -150 && tnt.left <= 14310, "the dynamite lion walked off the screen");
            SOAK_EXPECT(!h.ctl(QStringLiteral("ImgTotem")).visible || h.timer(QStringLiteral("TimerTotem")).enabled(),
                        "a totem shown with no timer to hide it");

            auto shown = [this](const char* name) { return h.ctl(QString::fromLatin1(name)).visible; };
            if (!game.isOver) {
                SOAK_EXPECT(vexo.visible, "the lion is gone in a running game");
                SOAK_EXPECT(!shown("Overok") && !shown("Overimg") && !shown("Overtxt") && !shown("OverscoreX"),
                            "game-over view in a running game");
                SOAK_EXPECT(h.ctl(QStringLiteral("Engnytxt")).caption == QString::number(game.energy) + u'%',
                            "energy caption out of step");
                SOAK_EXPECT(h.ctl(QStringLiteral("Ly1")).width == game.energy * 30, "energy bar out of step");
                return {};
            }

            if (overScore < 0) {
                overScore = game.score;
                overEnergy = game.energy;
                ++gamesOver;
            }
            SOAK_EXPECT(game.score == overScore, "the score changed after the game over");
            SOAK_EXPECT(game.energy == overEnergy, "the energy changed after the game over");
            SOAK_EXPECT(h.ctl(QStringLiteral("OverscoreX")).caption == QString::number(overScore),
                        "the final score is not the score");
            SOAK_EXPECT(!vexo.visible, "the lion is shown over the game-over view");
            // Only the no-dynamite effect, ending after the game over, brings
            // the dynamite lion back.
            SOAK_EXPECT(!tnt.visible || h.timer(QStringLiteral("Notnttimer")).interval() == 10000,
                        "the dynamite lion is shown over the game-over view");
            SOAK_EXPECT(shown("Overok") && shown("Overimg") && shown("Overtxt") && shown("Label1") && shown("OverscoreX"),
                        "the game-over view is incomplete");
            for (const char* hidden : {"Score", "Scoreimg", "Ly0", "Ly1", "Engnytxt", "Image1", "Bottle", "Fakebottle",
                                       "Iron", "Maxscore", "Maxcoinimg", "FpsTxt", "Cambo"})
                SOAK_EXPECT(!shown(hidden), "a playing control is shown over the game-over view");
            SOAK_EXPECT(game.background.name == QStringLiteral("bg_gameover"), "the game-over background is missing");
            SOAK_EXPECT(!h.timer(QStringLiteral("TimerIronDia")).enabled() || h.timer(QStringLiteral("TimerIronDia")).interval() == 5000,
                        "pick-ups are placed after the game over");
            return {};
#undef SOAK_EXPECT
        }

        Harness& h;
        GameScreen& game;
        QRandomGenerator rng;
        GameStart start;
        QHash<QString, int> achievements;
        qint32 maxReached = 0;
        qint32 overScore = -1;
        qint16 overEnergy = 0;
        int totemsAtStart = 0;
    };

private slots:
    void manyRandomGames_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void manyRandomGames()
    {
        QFETCH(quint32, seed);
        // The store syncs to disk at every write; in memory the soak plays
        // many more games in the same time.
        std::unique_ptr<QTemporaryDir> memory;
        if (QDir(QStringLiteral("/dev/shm")).exists())
            memory = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/tarovin-soak-XXXXXX"));
        const QString storePath =
            memory && memory->isValid() ? memory->filePath(QStringLiteral("TAROVIN/TAROVIN.ini")) : QString();
        Harness h(storePath);
        auto& game = h.add<GameScreen>();
        h.random.reseed(seed);
        QRandomGenerator answers(seed ^ 0x5eedu);
        h.dialogs.autoAnswer = [&answers](const ScriptedDialogs::Shown&) {
            return std::pair{answers.bounded(4) == 0 ? int(MsgOk) : int(MsgCancel), QString()};
        };

        Player player(h, game, seed);
        constexpr int games = 12;
        for (int g = 0; g < games; ++g) {
            const QString broken = player.playOne();
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, game %2, %3").arg(seed).arg(g).arg(broken)));
        }
        // The games reached their ends, and totems were spent on the way.
        QVERIFY(player.gamesOver > 0);
        QVERIFY(player.totemsSpent > 0);
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "test_soak.moc"
