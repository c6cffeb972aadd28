#include "frontend/FrontEnd.h"
#include "frontend/PictureButton.h"
#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/frontend/Windows.h"
#include "tests/support/Harness.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace tarovin;
using namespace tarovin::test;

// The game in a real window on an offscreen display, played with real mouse
// events in real time: the lion walks about a pixel a millisecond while a
// finger is down on it.

namespace {

// Where a point of the screen, in twips, lies in its window.
QPoint toWindow(const QWidget* window, const Form& form, double xTwips, double yTwips)
{
    const double s = std::min(double(window->width()) / form.widthTwips(), double(window->height()) / form.heightTwips());
    const double ox = std::floor((window->width() - form.widthTwips() * s) / 2);
    const double oy = std::floor((window->height() - form.heightTwips() * s) / 2);
    return QPoint(qRound(ox + xTwips * s), qRound(oy + yTwips * s));
}

struct Game {
    Harness h{Harness::Time::Real, Harness::Randomness::Scripted};
    GameScreen& game = h.add<GameScreen>();
    std::unique_ptr<FrontEnd> frontEnd;
    QWidget* window = nullptr;

    explicit Game(std::function<void(Harness&)> before = {})
    {
        // The lion starts near the left edge and walks right.
        h.random.push(700.0 / 14310);
        h.random.push(0.5);
        if (before)
            before(h);
        frontEnd = std::make_unique<FrontEnd>(h.scheduler, h.navigator, h.monotonic);
        h.start(QStringLiteral("Gamepage"));
        window = onlyWindow();
        if (window)
            QVERIFY(QTest::qWaitForWindowExposed(window));
        // The dynamite lion is kept off the lane, as the power-up that takes
        // it away does, so no press can land on it.
        Control& tnt = game.control(QStringLiteral("Vexotnt"));
        tnt.visible = false;
        tnt.top = 2000;
        game.timer(QStringLiteral("Timer2")).setEnabled(false);
    }

    Control& lion() { return game.control(QStringLiteral("Vexo")); }
    int coins() { return game.control(QStringLiteral("Score")).caption.chopped(2).toInt(); }

    // Waits until the lion can walk for the given time without reaching an
    // edge, so it does not turn under the finger.
    void waitForOpenLane(int ms)
    {
        const int reach = (ms + 60) * 200 / 12;
        QTRY_VERIFY_WITH_TIMEOUT(game.vexoDir == 1 ? lion().left + lion().width + reach < GameScreen::scaleWidth
                                                   : lion().left - reach > 0,
                                 3000);
    }

    // A point of the lion as it stands now: along is 0 at its trailing edge
    // and 1 at its leading edge, halfway up the picture.
    QPoint onLion(double along)
    {
        const Control& l = lion();
        const double fromLeft = game.vexoDir == 1 ? along : 1 - along;
        return toWindow(window, game, l.left + fromLeft * l.width, l.top + l.height / 2.0);
    }
};

} // namespace

class TestPlaying : public QObject {
    Q_OBJECT

private slots:
    void aTapThatTheLionWalksOnFromUnderCounts_data()
    {
        QTest::addColumn<double>("along");
        QTest::addColumn<int>("holdMs");
        QTest::newRow("back quarter, 120 ms") << 0.125 << 120;
        QTest::newRow("back edge, 100 ms") << 0.03 << 100;
        QTest::newRow("middle, 120 ms") << 0.5 << 120;
        QTest::newRow("front quarter, 80 ms") << 0.875 << 80;
    }

    void aTapThatTheLionWalksOnFromUnderCounts()
    {
        QFETCH(double, along);
        QFETCH(int, holdMs);
        Game g;
        QVERIFY(g.window);
        g.waitForOpenLane(holdMs);
        const int before = g.coins();
        const QPoint at = g.onLion(along);
        QTest::mousePress(g.window, Qt::LeftButton, {}, at);
        QTest::qWait(holdMs);
        QTest::mouseRelease(g.window, Qt::LeftButton, {}, at);
        QCOMPARE(g.coins(), before + 1);
    }

    void aPressDraggedAwayOrOnEmptyGroundIsNoTap()
    {
        Game g;
        QVERIFY(g.window);

        // Pressed on the lion, dragged 40 px along with it and let go on it.
        g.waitForOpenLane(120);
        QPoint at = g.onLion(0.5);
        QTest::mousePress(g.window, Qt::LeftButton, {}, at);
        QTest::qWait(60);
        at += QPoint(g.game.vexoDir * 40, 0);
        QTest::mouseMove(g.window, at);
        QTest::qWait(60);
        QTest::mouseRelease(g.window, Qt::LeftButton, {}, at);
        QCOMPARE(g.coins(), 0);

        // Pressed on the ground just ahead of the lion, let go once it has
        // walked under the pointer.
        g.waitForOpenLane(150);
        const Control& lion = g.lion();
        const double ahead = g.game.vexoDir == 1 ? lion.left + lion.width + 300 : lion.left - 300;
        at = toWindow(g.window, g.game, ahead, lion.top + lion.height / 2.0);
        QTest::mousePress(g.window, Qt::LeftButton, {}, at);
        QTRY_VERIFY_WITH_TIMEOUT(g.lion().rect().contains(ahead, lion.top + lion.height / 2), 1000);
        QTest::mouseRelease(g.window, Qt::LeftButton, {}, at);
        QCOMPARE(g.coins(), 0);
    }

    void aTapIsDrawnBeforeItsReleaseReturns()
    {
        // The walking lions keep the window painting at the display's pace;
        // the frame with a tap's coins must not wait its turn in that grid.
        Game g;
        QVERIFY(g.window);
        PaintCounter counter;
        g.window->installEventFilter(&counter);
        for (int tap = 0; tap < 5; ++tap) {
            g.waitForOpenLane(40);
            const QPoint at = g.onLion(0.5);
            QTest::mousePress(g.window, Qt::LeftButton, {}, at);
            QTest::qWait(30);
            const int before = counter.paints;
            QTest::mouseRelease(g.window, Qt::LeftButton, {}, at);
            QVERIFY2(counter.paints > before, qPrintable(QStringLiteral("tap %1 waited for its frame").arg(tap + 1)));
            QTest::qWait(250);
        }
    }

    void quickTapsKeepTheLionOneHopUpAndItComesDownAfterTheLast()
    {
        Game g;
        QVERIFY(g.window);
        int highest = GameScreen::laneTop;
        for (int tap = 0; tap < 5; ++tap) {
            g.waitForOpenLane(40);
            QTest::mouseClick(g.window, Qt::LeftButton, {}, g.onLion(0.5));
            highest = std::min(highest, g.lion().top);
            QTest::qWait(60);
        }
        QCOMPARE(g.coins(), 5 + 10);
        QCOMPARE(highest, GameScreen::laneTop - 500);
        QTRY_COMPARE_WITH_TIMEOUT(g.lion().top, GameScreen::laneTop, 400);
    }

    void aPowerUpButtonBackOverTheGameOverViewSpendsNothing()
    {
        Game g([](Harness& h) {
            h.store.saveInt(keys::items, keys::scoreX, 3);
            h.store.saveInt(keys::items, keys::noTnt, 3);
            h.store.saveInt(keys::items, keys::slowLion, 3);
        });
        QVERIFY(g.window);
        // Each power-up used once in the game (the free use), then the game
        // ends while their waits run.
        g.game.usedDouble = g.game.usedNoTnt = g.game.usedSlow = 1;
        g.game.GameOver();
        // The waits end and bring the buttons back over the game-over view.
        g.game.tmr2x_Timer();
        g.game.Timernt_Timer();
        g.game.Timerslo_Timer();
        g.frontEnd->afterEvent();
        QTest::qWait(30);

        for (const char* name : {"Twoscore", "Notnt", "Divtimes"}) {
            // The shown button of that name; its waiting picture, of the
            // same name, stays hidden.
            PictureButton* button = nullptr;
            for (PictureButton* b : g.window->findChildren<PictureButton*>())
                if (b->isVisible() && b->accessibleName() == g.game.control(QString::fromLatin1(name)).tooltip)
                    button = b;
            QVERIFY2(button, name);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(g.h.stored(keys::items, keys::scoreX), 3);
        QCOMPARE(g.h.stored(keys::items, keys::noTnt), 3);
        QCOMPARE(g.h.stored(keys::items, keys::slowLion), 3);
        QCOMPARE(g.game.doubleItems, qint16(3));
        for (const char* wait : {"tmr2x", "Timernt", "Timerslo"})
            QVERIFY2(!g.game.timer(QString::fromLatin1(wait)).running(), wait);
    }

    void aClickOnAWaitingPictureReachesNothing()
    {
        // Two games on virtual time, the same draws, double coins used in
        // both; in one the player keeps clicking the waiting picture. The
        // energy each loses is the lions' contacts alone, the same in both.
        auto play = [](bool clickTheWait) {
            Harness h;
            h.store.saveInt(keys::items, keys::scoreX, 3);
            GameScreen& game = h.add<GameScreen>();
            h.random.push(700.0 / 14310);
            h.random.push(9000.0 / 14310);
            QElapsedTimer clock;
            clock.start();
            FrontEnd frontEnd(h.scheduler, h.navigator, clock);
            h.start(QStringLiteral("Gamepage"));
            QWidget* window = onlyWindow();
            h.click(QStringLiteral("Twoscore"));
            frontEnd.afterEvent();
            PictureButton* wait = nullptr;
            for (PictureButton* b : window->findChildren<PictureButton*>())
                if (b->isVisible() && b->accessibleName() == QStringLiteral("雙倍獅幣"))
                    wait = b;
            for (int step = 0; step < 60; ++step) {
                h.advance(100);
                frontEnd.afterEvent();
                if (clickTheWait && wait)
                    QTest::mouseClick(wait, Qt::LeftButton);
            }
            return std::make_pair(game.energy, wait != nullptr);
        };
        const auto [clicked, found] = play(true);
        QVERIFY(found);
        const auto [untouched, alsoFound] = play(false);
        QVERIFY(alsoFound);
        QVERIFY(untouched < 56); // the lions did meet
        QCOMPARE(clicked, untouched);
    }
};

QTEST_MAIN(TestPlaying)
#include "test_playing.moc"
