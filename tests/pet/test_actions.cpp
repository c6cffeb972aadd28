#include "PetFixture.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;
using namespace tarovin::test::pet;

// What happens on an open pet screen: care, adoption, touching and
// dragging, and the lion's own walking and sleeping.
class TestActions : public QObject {
    Q_OBJECT

    // Draws of 0.9 never turn the lion, so a walk goes where the test says.
    static void noTurns(Harness& h, int draws = 40)
    {
        for (int i = 0; i < draws; ++i)
            h.random.push(0.9);
    }

    static constexpr int tick = 67;
    static constexpr int napAfterMs = 250 * tick;

private slots:
    void careButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("food");
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("clean");
        QTest::addColumn<int>("foodAfter");
        QTest::addColumn<int>("moodAfter");
        QTest::addColumn<int>("cleanAfter");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("look");
        QTest::newRow("feeding at 90 gives 100 and a dirty lion") << "Food" << 90 << 50 << 2 << 100 << 50 << 1 << "EAT" << "lion_dirty";
        QTest::newRow("feeding at 88 gives 100, not 101") << "Food" << 88 << 50 << 2 << 100 << 50 << 1 << "EAT" << "lion_dirty";
        QTest::newRow("feeding at 86 gives 99, below the hold") << "Food" << 86 << 50 << 2 << 99 << 50 << 1 << "EAT" << "lion_dirty";
        QTest::newRow("feeding a starving lion") << "Food" << -40 << 50 << 2 << -27 << 50 << 1 << "EAT" << "lion_dirty";
        QTest::newRow("a sad lion shows sad after eating") << "Food" << 50 << 10 << 2 << 63 << 10 << 1 << "EAT" << "lion_sad";
        QTest::newRow("playing at 97 gives 100") << "Play" << 50 << 97 << 2 << 50 << 100 << 2 << "HAPPY" << "lion";
        QTest::newRow("playing past sad") << "Play" << 50 << 18 << 2 << 50 << 23 << 2 << "HAPPY" << "lion";
        QTest::newRow("cleaning a dirty lion") << "clear" << 50 << 50 << 1 << 50 << 50 << 2 << "WATER" << "lion";
        QTest::newRow("cleaning a clean lion") << "clear" << 50 << 50 << 2 << 50 << 50 << 2 << "WATER" << "lion";
        QTest::newRow("cleaning leaves hunger showing") << "clear" << 20 << 50 << 1 << 20 << 50 << 2 << "WATER" << "lion_hungry";
    }

    void careButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, food);
        QFETCH(int, mood);
        QFETCH(int, clean);
        QFETCH(int, foodAfter);
        QFETCH(int, moodAfter);
        QFETCH(int, cleanAfter);
        QFETCH(QString, sound);
        QFETCH(QString, look);
        Harness h;
        openWith(h, {food, mood, 50, clean, 2});
        h.audio.clear();
        h.click(button);

        QCOMPARE(h.audio.played, QStringList{sound});
        QCOMPARE(h.stored(keys::pet, keys::food), foodAfter);
        QCOMPARE(h.stored(keys::pet, keys::happy), moodAfter);
        QCOMPARE(h.stored(keys::pet, keys::clear), cleanAfter);
        QCOMPARE(h.ctl("foodtxt").caption, QString("飽食度:%1%").arg(foodAfter));
        QCOMPARE(h.ctl("happytxt").caption, QString("心情值:%1%").arg(moodAfter));
        QCOMPARE(h.ctl("Vexo").picture.name, look);
    }

    void careIsSilentWithSoundOff()
    {
        Harness h;
        openWith(h, {});
        h.store.saveInt(keys::settings, keys::soundOpt, 1);
        reopen(h);
        h.audio.clear();
        for (const char* b : {"Food", "Play", "clear"})
            h.click(b);
        QVERIFY(h.audio.played.isEmpty());
        QCOMPARE(h.stored(keys::pet, keys::food), 63);
    }

    void aGiftBoxBringsANewCub_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("bornDaysAgo");
        QTest::addColumn<QString>("nextVisit");
        QTest::newRow("no lion yet") << 1 << 0 << "目前有幼年獅子";
        // The birth date stays that of the first opening: a lion adopted
        // long after it is an adult from the next opening on.
        QTest::newRow("after a runaway") << 4 << 20 << "目前有成年獅子";
    }

    void aGiftBoxBringsANewCub()
    {
        QFETCH(int, stage);
        QFETCH(int, bornDaysAgo);
        QFETCH(QString, nextVisit);
        Harness h;
        h.store.saveInt(keys::items, keys::gift, 2);
        h.store.saveInt(keys::avda, "PET", 1);
        const QDate born = now.date().addDays(-bornDaysAgo);
        openWith(h, {-30, -7, -16, 1, stage}, now, born);
        QCOMPARE(h.ctl("Vexo").visible, false);
        h.audio.clear();
        h.click("use");

        QCOMPARE(h.stored(keys::items, keys::gift), 1);
        QCOMPARE(h.stored(keys::pet, keys::stau), 2);
        QCOMPARE(h.stored(keys::pet, keys::food), 50);
        QCOMPARE(h.stored(keys::pet, keys::happy), 50);
        QCOMPARE(h.stored(keys::pet, keys::loveer), 10);
        QCOMPARE(h.stored(keys::pet, keys::clear), 2);
        QCOMPARE(h.stored(keys::pet, keys::pDay), born.day());
        QCOMPARE(h.stored(keys::pet, keys::pMonth), born.month());
        QCOMPARE(h.ctl("petname").caption, QString("目前有幼年獅子"));
        const Control& lion = h.ctl("Vexo");
        QVERIFY(lion.visible);
        QCOMPARE(QSize(lion.width, lion.height), QSize(2995, 1825));
        QCOMPARE(lion.picture.name, QString("lion"));
        for (const char* c : {"ImageGift", "nopettxt", "use"})
            QVERIFY2(!h.ctl(c).visible, c);
        for (const char* c : {"foodtxt", "Food", "Play", "clear"})
            QVERIFY2(h.ctl(c).visible, c);
        QCOMPARE(h.audio.played, (QStringList{"BTNSOUND", "VEXO"}));
        QCOMPARE(h.stored(keys::avda, "PET"), 2);
        QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:飼獅成威"));
        QCOMPARE(h.ctl("avdatxt").backColor, QString("#40A9FF"));

        reopen(h);
        QCOMPARE(h.ctl("petname").caption, nextVisit);
    }

    void withoutAGiftBoxTheShopIsOffered_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes opens the shop alone") << int(MsgYes);
        QTest::newRow("no changes nothing") << int(MsgNo);
    }

    void withoutAGiftBoxTheShopIsOffered()
    {
        QFETCH(int, answer);
        Harness h;
        h.store.saveInt(keys::items, keys::gift, 0);
        openWith(h, {50, 50, 50, 2, 4}, now.addSecs(-600));
        h.clock.set(now.addSecs(1200));
        h.audio.clear();
        h.dialogs.expectMessage(answer);
        h.click("use");

        QCOMPARE(h.dialogs.shown.size(), size_t(1));
        const auto& box = h.dialogs.shown.front();
        QCOMPARE(box.text, QString("獅子禮物盒不足，是否打開商店"));
        QCOMPARE(box.title, QString("咕嚕果"));
        QVERIFY(box.buttons == MsgButtons::YesNo);
        QVERIFY(box.icon == MsgIcon::None);
        QCOMPARE(h.stored(keys::pet, keys::stau), 4);
        QCOMPARE(h.stored(keys::items, keys::gift), 0);
        if (answer == MsgYes) {
            QCOMPARE(h.currentName(), QString("Shop"));
            QCOMPARE(h.openCount(), 1);
            QCOMPARE(h.audio.events, (QStringList{"BTNSOUND", "STOP"}));
            // The visit is recorded as on every way out.
            QCOMPARE(h.stored(keys::settings, keys::hour), 9);
            QCOMPARE(h.stored(keys::settings, keys::minute), 0);
        } else {
            QCOMPARE(h.currentName(), QString("Petpage"));
            QCOMPARE(h.audio.events, QStringList{"BTNSOUND"});
            QVERIFY(h.ctl("use").visible);
            QCOMPARE(h.stored(keys::settings, keys::minute), 50);
        }
    }

    void touchingTheLion_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("food");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("moodAfter");
        QTest::addColumn<QString>("look");
        QTest::newRow("a hungry cub cries and sulks") << 2 << 10 << int(MouseButton::Left) << "AWWKID" << 25 << "lion_hungry";
        QTest::newRow("a hungry adult cries and sulks") << 3 << 10 << int(MouseButton::Left) << "AWWREAL" << 25 << "lion_hungry";
        QTest::newRow("the right button counts too") << 2 << 10 << int(MouseButton::Right) << "AWWKID" << 25 << "lion_hungry";
        QTest::newRow("a well cub is happy") << 2 << 80 << int(MouseButton::Left) << "HAPPY" << 50 << "lion";
        QTest::newRow("a well adult purrs") << 3 << 80 << int(MouseButton::Left) << "VEXO" << 50 << "lion";
        QTest::newRow("a well lion and the middle button") << 2 << 80 << int(MouseButton::Middle) << "HAPPY" << 50 << "lion";
    }

    void touchingTheLion()
    {
        QFETCH(int, stage);
        QFETCH(int, food);
        QFETCH(int, button);
        QFETCH(QString, sound);
        QFETCH(int, moodAfter);
        QFETCH(QString, look);
        Harness h;
        openWith(h, {food, 50, 50, 2, stage});
        h.audio.clear();
        for (int i = 0; i < 5; ++i) {
            h.mouseDown("Vexo", MouseButton(button), 300, 300);
            h.mouseUp("Vexo", MouseButton(button), 300, 300);
        }
        QCOMPARE(h.audio.played, QStringList(5, sound));
        QCOMPARE(h.stored(keys::pet, keys::happy), moodAfter);
        QCOMPARE(h.ctl("happytxt").caption, QString("心情值:%1%").arg(moodAfter));
        QCOMPARE(h.ctl("Vexo").picture.name, look);
    }

    void aSulkingLionTurnsSad()
    {
        Harness h;
        openWith(h, {10, 25, 50, 2, 2});
        h.mouseDown("Vexo", MouseButton::Left, 10, 10);
        QCOMPARE(h.ctl("Vexo").picture.name, QString("lion_sad"));
        QCOMPARE(h.stored(keys::pet, keys::happy), 20);
    }

    void onlyTheLeftButtonDrags_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("drags");
        QTest::newRow("left") << int(MouseButton::Left) << true;
        QTest::newRow("right") << int(MouseButton::Right) << false;
    }

    void onlyTheLeftButtonDrags()
    {
        QFETCH(int, button);
        QFETCH(bool, drags);
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        h.random.push(0.0); // a draw that turns a lion walking right
        noTurns(h);
        h.mouseDown("Vexo", MouseButton(button), 100, 100);
        h.mouseMove("Vexo", MouseButton(button), 600, -900);
        QCOMPARE(page.dragging, drags);
        QCOMPARE(h.ctl("Vexo").left, drags ? 5780 : 5280);
        QCOMPARE(h.ctl("Vexo").top, drags ? 4900 : 5900);
        // A held lion neither walks nor turns; one that was not picked up
        // walks 24 steps right, turns at the draw at 1670 ms and walks 5
        // steps back.
        h.advance(29 * tick);
        QCOMPARE(int(page.walkDir), drags ? 1 : -1);
        QCOMPARE(h.ctl("Vexo").left, drags ? 5780 : 5280 + (24 - 5) * 200);
        QCOMPARE(h.ctl("Vexo").picture.mirrored, !drags);
    }

    void aDroppedLionSettles_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("dropLeft");
        QTest::addColumn<int>("dropTop");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("on the bed") << 2 << 10000 << 3000 << 10000 << 4500;
        QTest::newRow("an adult on the bed") << 3 << 10000 << 3000 << 10000 << 4000;
        QTest::newRow("the bed's first twip") << 2 << 9112 << 7000 << 9112 << 4500;
        QTest::newRow("just before the bed") << 2 << 9111 << 100 << 9111 << 5900;
        QTest::newRow("in mid-air over the floor") << 2 << 2000 << 1000 << 2000 << 5900;
        QTest::newRow("an adult on the floor") << 3 << 2000 << 1000 << 2000 << 5400;
        QTest::newRow("beyond the right edge") << 2 << 12500 << 5900 << 5280 << 5900;
        QTest::newRow("at 12000 is too far") << 2 << 12000 << 5900 << 5280 << 5900;
        QTest::newRow("beyond the left edge") << 2 << -800 << 5900 << 5280 << 5900;
        QTest::newRow("an adult beyond the left edge") << 3 << -800 << 5900 << 5280 << 5400;
        QTest::newRow("at -499 stays") << 2 << -499 << 5900 << -499 << 5900;
    }

    void aDroppedLionSettles()
    {
        QFETCH(int, stage);
        QFETCH(int, dropLeft);
        QFETCH(int, dropTop);
        QFETCH(int, left);
        QFETCH(int, top);
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, stage});
        Control* lion = &h.ctl("Vexo");
        const int grab = 150;
        h.mouseDown("Vexo", MouseButton::Left, grab, grab);
        // Drag in two moves: each one is told inside the lion where it stands then.
        const int midLeft = (lion->left + dropLeft) / 2;
        h.mouseMove("Vexo", MouseButton::Left, grab + midLeft - lion->left, grab);
        QCOMPARE(lion->left, midLeft);
        h.mouseMove("Vexo", MouseButton::Left, grab + dropLeft - lion->left, grab + dropTop - lion->top);
        QCOMPARE(lion->left, dropLeft);
        QCOMPARE(lion->top, dropTop);
        h.mouseUp("Vexo", MouseButton::Left, grab, grab);
        QVERIFY(!page.dragging);
        QCOMPARE(lion->left, left);
        QCOMPARE(lion->top, top);
    }

    void aWalkingLionClimbsTheBedAndTurnsAtTheEdges()
    {
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        noTurns(h);
        const Control& lion = h.ctl("Vexo");
        h.advance(19 * tick);
        QCOMPARE(lion.left, 5280 + 19 * 200);
        QCOMPARE(lion.top, 5900);
        h.advance(tick); // Left 9280: up on the bed
        QCOMPARE(lion.top, 4500);
        // The cub's right side reaches the window's edge at Left 11375.
        h.advance(10 * tick);
        QCOMPARE(lion.left, 11280);
        QCOMPARE(int(page.walkDir), 1);
        h.advance(tick);
        QCOMPARE(lion.left, 11480);
        QCOMPARE(int(page.walkDir), -1);
        QVERIFY(lion.picture.mirrored);
        // Back down from the bed below Left 9112.
        h.advance(12 * tick);
        QCOMPARE(lion.left, 9080);
        QCOMPARE(lion.top, 5900);
        // And about turn at the left edge.
        h.advance(46 * tick);
        QCOMPARE(lion.left, -120);
        QCOMPARE(int(page.walkDir), 1);
        QVERIFY(!lion.picture.mirrored);
        h.advance(tick);
        QCOMPARE(lion.left, 80);
    }

    void turningAtRandomKeepsTheLook_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("walkDir");
        QTest::newRow("1 turns a right-walker") << 0.0 << -1;
        QTest::newRow("2 leaves a right-walker") << 0.5 << 1;
        QTest::newRow("3 leaves a right-walker") << 0.9999 << 1;
    }

    void turningAtRandomKeepsTheLook()
    {
        QFETCH(double, draw);
        QFETCH(int, walkDir);
        Harness h;
        PetScreen& page = openWith(h, {10, 80, 50, 2, 2});
        h.random.push(draw);
        h.advance(1670);
        QCOMPARE(int(page.walkDir), walkDir);
        const Control& lion = h.ctl("Vexo");
        // A hungry lion still looks hungry when it turns about.
        QCOMPARE(lion.picture.name, QString("lion_hungry"));
        QCOMPARE(lion.picture.mirrored, walkDir == -1);
        // Walking left, a draw of 2 turns it back and a 1 does nothing.
        if (walkDir == -1) {
            h.random.push(0.0);
            h.advance(1670);
            QCOMPARE(int(page.walkDir), -1);
            h.random.push(0.4);
            h.advance(1670);
            QCOMPARE(int(page.walkDir), 1);
            QVERIFY(!lion.picture.mirrored);
        }
    }

    void aSleepCycleCostsEightSatiety()
    {
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        // Ten draws before the nap; a turning draw waits for after it.
        noTurns(h, 10);
        h.random.push(0.0);
        h.advance(napAfterMs - 1);
        QVERIFY(!page.sleeping);
        QCOMPARE(h.stored(keys::pet, keys::food), 80);
        h.advance(1);
        QVERIFY(page.sleeping);
        QCOMPARE(h.stored(keys::pet, keys::food), 72);
        QCOMPARE(h.ctl("foodtxt").caption, QString("飽食度:72%"));
        const int restingAt = h.ctl("Vexo").left;

        h.advance(10000 - 1); // asleep: neither walking nor turning
        QCOMPARE(h.ctl("Vexo").left, restingAt);
        QCOMPARE(int(page.walkDir), 1);
        QVERIFY(page.sleeping);
        h.advance(1);
        QVERIFY(!page.sleeping);
        QVERIFY(!h.timer("Timersleep").enabled());
        h.advance(tick);
        QVERIFY(h.ctl("Vexo").left != restingAt);
        // The next nap comes 250 walking ticks later.
        noTurns(h, 20);
        h.advance(napAfterMs);
        QCOMPARE(h.stored(keys::pet, keys::food), 64);
    }

    void aSleepingLionCanBeTouchedAndDraggedButSleepsOn()
    {
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        noTurns(h);
        h.advance(napAfterMs);
        QVERIFY(page.sleeping);
        h.audio.clear();
        h.mouseDown("Vexo", MouseButton::Left, 100, 100);
        h.mouseMove("Vexo", MouseButton::Left, 100 + 10000 - h.ctl("Vexo").left, 100);
        h.mouseUp("Vexo", MouseButton::Left, 100, 100);
        QCOMPARE(h.audio.played, QStringList{"HAPPY"});
        QCOMPARE(h.ctl("Vexo").top, 4500);
        h.advance(1000);
        QCOMPARE(h.ctl("Vexo").left, 10000);
        QVERIFY(page.sleeping);
    }

    void leavingDuringASleepComesBackToAWalkingLion()
    {
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        noTurns(h);
        h.advance(napAfterMs + 5000);
        QVERIFY(page.sleeping);
        reopen(h);
        QVERIFY(!page.sleeping);
        QVERIFY(!h.timer("Timersleep").enabled());
        h.advance(tick);
        QCOMPARE(h.ctl("Vexo").left, 5480);
    }

    void walkingTicksCarryOverBetweenVisits()
    {
        Harness h;
        PetScreen& page = openWith(h, {80, 80, 50, 2, 2});
        noTurns(h);
        h.advance(100 * tick);
        reopen(h);
        QCOMPARE(int(page.walkTicks), 100);
        noTurns(h);
        h.advance(149 * tick);
        QCOMPARE(h.stored(keys::pet, keys::food), 80);
        h.advance(tick);
        QCOMPARE(h.stored(keys::pet, keys::food), 72);
    }

    void anEmptyRoomStillMakesTheLionHungrier_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("no lion") << 1;
        QTest::newRow("ran away") << 4;
    }

    void anEmptyRoomStillMakesTheLionHungrier()
    {
        QFETCH(int, stage);
        Harness h;
        openWith(h, {50, 50, 50, 2, stage});
        noTurns(h);
        h.advance(napAfterMs);
        QCOMPARE(h.stored(keys::pet, keys::food), 42);
        noTurns(h);
        h.advance(10000 + napAfterMs);
        QCOMPARE(h.stored(keys::pet, keys::food), 34);
        QVERIFY(!h.ctl("Vexo").visible);
        QVERIFY(!h.ctl("foodtxt").visible);
    }
};

QTEST_GUILESS_MAIN(TestActions)
#include "test_actions.moc"
