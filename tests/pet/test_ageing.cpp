#include "PetFixture.h"
#include "screens/pet/PetRules.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;
using namespace tarovin::test::pet;

// What time does to the lion between visits: the opening sequence, the
// display of the state, and leaving the screen.
class TestAgeing : public QObject {
    Q_OBJECT

    static QStringList section(Harness& h, const QString& name)
    {
        QStringList rows;
        if (auto all = h.store.getAll(name))
            for (const auto& [k, v] : *all)
                rows << k + "=" + v;
        rows.sort();
        return rows;
    }

    static bool shown(Harness& h, const QString& name) { return h.ctl(name).visible; }

private slots:
    void firstOpeningOnAFreshStoreCreatesEveryKeyAndOffersTheGiftBox()
    {
        Harness h;
        h.add<PetScreen>();
        h.clock.set(now);
        h.start("Petpage");

        QCOMPARE(section(h, keys::pet), (QStringList{"CLEAR=2", "FOOD=50", "HAPPY=50", "LOVEER=10", "PDAY=12",
                                                      "PMONTH=3", "PYEAR=2026", "STAU=1"}));
        QCOMPARE(section(h, keys::settings),
                 (QStringList{"DAY=12", "HOUR=9", "MINUTE=0", "MONTH=3", "YEAR=2026"}));
        QVERIFY(!h.store.getAll(keys::avda));
        QCOMPARE(h.ctl("petname").caption, QString("目前沒有獅子"));
        for (const char* c : {"ImageGift", "nopettxt", "use"})
            QVERIFY2(shown(h, c), c);
        for (const char* c : {"Vexo", "foodtxt", "happytxt", "lovetxt", "Food", "Play", "clear"})
            QVERIFY2(!shown(h, c), c);
        QVERIFY(h.audio.played.isEmpty());
        QVERIFY(h.dialogs.shown.empty());
    }

    void reversePercent_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("reversed");
        QTest::newRow("0") << 0.0 << 100.0;
        QTest::newRow("30") << 30.0 << 70.0;
        QTest::newRow("100") << 100.0 << 0.0;
        QTest::newRow("negative stays") << -1.0 << -1.0;
        QTest::newRow("above 100 stays") << 100.5 << 100.5;
    }

    void reversePercent()
    {
        QFETCH(double, value);
        QFETCH(double, reversed);
        QCOMPARE(tarovin::pet::ReversePercent(value), reversed);
    }

    void minutesAwayLowerSatietyAndMood_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("food");
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("foodAfter");
        QTest::addColumn<int>("moodAfter");
        QTest::newRow("59 minutes cost nothing") << 59 << 50 << 50 << 50 << 50;
        QTest::newRow("60 minutes cost 2 satiety") << 60 << 50 << 50 << 48 << 50;
        QTest::newRow("75: 47.5 goes to the even 48") << 75 << 50 << 50 << 48 << 50;
        QTest::newRow("75: 48.5 goes to the even 48") << 75 << 51 << 50 << 48 << 50;
        QTest::newRow("80 minutes cost mood too") << 80 << 50 << 50 << 47 << 48;
        QTest::newRow("90: a fall of 2.25 rounds to 2") << 90 << 50 << 50 << 47 << 48;
        QTest::newRow("a whole day falls below zero") << 1439 << 30 << 30 << -18 << -6;
        QTest::newRow("a fall past the 16-bit floor stops there") << 600 << -32760 << -32760 << -32768 << -32768;
    }

    void minutesAwayLowerSatietyAndMood()
    {
        QFETCH(int, minutes);
        QFETCH(int, food);
        QFETCH(int, mood);
        QFETCH(int, foodAfter);
        QFETCH(int, moodAfter);
        Harness h;
        // Late in the evening, so that every absence lies on the same day.
        const QDateTime evening(now.date(), QTime(23, 59));
        PetScreen& page = h.add<PetScreen>();
        h.store.saveInt(keys::settings, keys::soundOpt, 2);
        storeLion(h, {food, mood, 50, 2, 2});
        storeLastVisit(h, evening.addSecs(-60 * minutes));
        storeBirth(h, now.date());
        h.clock.set(evening);
        h.start("Petpage");

        QCOMPARE(h.stored(keys::pet, keys::food), foodAfter);
        QCOMPARE(h.stored(keys::pet, keys::happy), moodAfter);
        QCOMPARE(int(page.food), foodAfter);
        QCOMPARE(h.ctl("foodtxt").caption, QString("飽食度:%1%").arg(foodAfter));
        QCOMPARE(h.ctl("happytxt").caption, QString("心情值:%1%").arg(moodAfter));
        QCOMPARE(h.stored(keys::pet, keys::loveer), 50); // no new day
    }

    void theFirstOpeningOnALaterDayChangesCloseness_data()
    {
        QTest::addColumn<int>("food");
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("closeness");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("closenessAfter");
        QTest::addColumn<int>("stageAfter");
        QTest::newRow("100/100 grows by 5") << 100 << 100 << 10 << 1 << 15 << 2;
        QTest::newRow("100/100 is held at 100") << 100 << 100 << 98 << 1 << 100 << 2;
        QTest::newRow("60/50: a loss of 18 counts as none") << 60 << 50 << 10 << 1 << 10 << 2;
        QTest::newRow("40/30 loses 26 and runs away") << 40 << 30 << 10 << 1 << -16 << 4;
        QTest::newRow("once however many days passed") << 40 << 30 << 50 << 2 << 24 << 2;
        QTest::newRow("negative satiety lowers the loss") << -50 << 0 << 50 << 1 << 50 << 2;
        QTest::newRow("closeness 5 runs away without a loss") << 60 << 50 << 5 << 1 << 5 << 4;
    }

    void theFirstOpeningOnALaterDayChangesCloseness()
    {
        QFETCH(int, food);
        QFETCH(int, mood);
        QFETCH(int, closeness);
        QFETCH(int, days);
        QFETCH(int, closenessAfter);
        QFETCH(int, stageAfter);
        Harness h;
        h.store.saveInt(keys::avda, "PETEXIT", 1);
        openWith(h, {food, mood, closeness, 2, 2}, now.addDays(-days), now.date().addDays(-days));

        QCOMPARE(h.stored(keys::pet, keys::loveer), closenessAfter);
        QCOMPARE(h.ctl("lovetxt").caption, QString("親密度:%1%").arg(closenessAfter));
        QCOMPARE(h.stored(keys::pet, keys::stau), stageAfter);
        // Same clock time as the last visit: nothing else changes.
        QCOMPARE(h.stored(keys::pet, keys::food), food);
        QCOMPARE(h.stored(keys::pet, keys::happy), mood);
        const bool ranAway = stageAfter == 4;
        QCOMPARE(h.ctl("petname").caption, ranAway ? QString("獅子離家出走") : QString("目前有幼年獅子"));
        QCOMPARE(h.ctl("Vexo").visible, !ranAway);
        QCOMPARE(h.ctl("use").visible, ranAway);
        QCOMPARE(h.stored(keys::avda, "PETEXIT"), ranAway ? 2 : 1);
        QCOMPARE(h.ctl("avdatxt").visible, ranAway);
        if (ranAway) {
            QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:拂袖而去"));
            QCOMPARE(h.ctl("avdatxt").backColor, QString("#00FFCC"));
            QCOMPARE(h.audio.played, QStringList{"VEXO"});
        }
    }

    // The dates and the clock times of two visits count apart: the dates
    // for the daily change and the absence, the clock times for the minutes.
    void daysAndMinutesTogether_data()
    {
        QTest::addColumn<QDateTime>("lastVisit");
        QTest::addColumn<int>("food");
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("closeness");
        QTest::addColumn<int>("foodAfter");
        QTest::addColumn<int>("moodAfter");
        QTest::addColumn<int>("closenessAfter");
        QTest::newRow("the next day at an earlier time: one day, no minutes")
            << QDateTime(now.date().addDays(-1), QTime(18, 0)) << 40 << 30 << 50 << 40 << 30 << 24;
        // After four hours away 60/50 would be 52/44 and lose 21; the day is
        // judged on the values the lion came with, a loss of 18 that counts
        // as none.
        QTest::newRow("a new day and four hours: the day is judged first")
            << QDateTime(now.date().addDays(-1), QTime(5, 0)) << 60 << 50 << 50 << 52 << 44 << 50;
        // A lion this neglected would run away at any daily change, and five
        // days would be an absence.
        QTest::newRow("a clock set back by days: no day, but the minutes count")
            << QDateTime(now.date().addDays(5), QTime(5, 0)) << 40 << 30 << 10 << 32 << 24 << 10;
    }

    void daysAndMinutesTogether()
    {
        QFETCH(QDateTime, lastVisit);
        QFETCH(int, food);
        QFETCH(int, mood);
        QFETCH(int, closeness);
        QFETCH(int, foodAfter);
        QFETCH(int, moodAfter);
        QFETCH(int, closenessAfter);
        Harness h;
        openWith(h, {food, mood, closeness, 2, 2}, lastVisit);
        QCOMPARE(h.stored(keys::pet, keys::food), foodAfter);
        QCOMPARE(h.stored(keys::pet, keys::happy), moodAfter);
        QCOMPARE(h.stored(keys::pet, keys::loveer), closenessAfter);
        QCOMPARE(h.stored(keys::pet, keys::stau), 2);
        QCOMPARE(h.ctl("petname").caption, QString("目前有幼年獅子"));
        QCOMPARE(h.ctl("lovetxt").caption, QString("親密度:%1%").arg(closenessAfter));
    }

    void aCubGrowsUpAfterSevenDaysWithoutStoringIt_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("daysOld");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("lion"); // left, top, width, height
        const QRect cub(5280, 5900, 2995, 1825);
        const QRect adult(5280, 5400, 3495, 2325);
        QTest::newRow("a cub of 6 days") << 2 << now.date() << 6 << "目前有幼年獅子" << cub;
        QTest::newRow("a cub of 7 days is an adult") << 2 << now.date() << 7 << "目前有成年獅子" << adult;
        QTest::newRow("a cub of 7 days over the year's end") << 2 << QDate(2026, 1, 3) << 7 << "目前有成年獅子" << adult;
        QTest::newRow("a stored adult stands as high") << 3 << now.date() << 0 << "目前有成年獅子" << adult;
    }

    void aCubGrowsUpAfterSevenDaysWithoutStoringIt()
    {
        QFETCH(int, stage);
        QFETCH(QDate, today);
        QFETCH(int, daysOld);
        QFETCH(QString, caption);
        QFETCH(QRect, lion);
        Harness h;
        h.store.saveInt(keys::avda, "PET", 1);
        const QDateTime at(today, now.time());
        openWith(h, {80, 80, 50, 2, stage}, at, today.addDays(-daysOld), at);

        for (int visit = 0; visit < 2; ++visit) {
            const Control& v = h.ctl("Vexo");
            QCOMPARE(h.ctl("petname").caption, caption);
            QCOMPARE(QRect(v.left, v.top, v.width, v.height), lion);
            QCOMPARE(h.stored(keys::pet, keys::stau), stage);
            reopen(h);
        }
        // A lion on the screen earns the pet award once.
        QCOMPARE(h.stored(keys::avda, "PET"), 2);
        // The first walking step keeps it on the same ground line.
        h.random.push(0.9);
        h.advance(67);
        QCOMPARE(h.ctl("Vexo").top, lion.top());
    }

    void threeDaysAwayTheLionIsGoneForThatVisitOnly_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("daysAway");
        QTest::addColumn<bool>("goneAtFirst");
        QTest::newRow("a cub, 3 days") << 2 << now.date() << 3 << true;
        QTest::newRow("an adult, 30 days") << 3 << now.date() << 30 << true;
        QTest::newRow("no lion yet, 3 days") << 1 << now.date() << 3 << true;
        QTest::newRow("a cub, 2 days") << 2 << now.date() << 2 << false;
        QTest::newRow("a cub, 3 days over the year's end") << 2 << QDate(2026, 1, 2) << 3 << true;
    }

    void threeDaysAwayTheLionIsGoneForThatVisitOnly()
    {
        QFETCH(int, stage);
        QFETCH(QDate, today);
        QFETCH(int, daysAway);
        QFETCH(bool, goneAtFirst);
        Harness h;
        h.store.saveInt(keys::avda, "PETEXIT", 1);
        // Well fed and happy, so only the absence counts.
        const QDateTime at(today, now.time());
        openWith(h, {100, 100, 50, 2, stage}, at.addDays(-daysAway), today, at);

        const QString storedStage = stage == 1 ? "目前沒有獅子" : stage == 2 ? "目前有幼年獅子" : "目前有成年獅子";
        QCOMPARE(h.ctl("petname").caption, goneAtFirst ? QString("獅子離家出走") : storedStage);
        QCOMPARE(h.stored(keys::pet, keys::stau), stage);
        QCOMPARE(h.stored(keys::avda, "PETEXIT"), goneAtFirst ? 2 : 1);

        reopen(h);
        QCOMPARE(h.ctl("petname").caption, storedStage);
        QCOMPARE(h.ctl("Vexo").visible, stage != 1);
        QCOMPARE(h.stored(keys::settings, keys::day), today.day());
    }

    void leavingRecordsTheTimeOfOpening_data()
    {
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Close button") << true;
        QTest::newRow("window close box") << false;
    }

    void leavingRecordsTheTimeOfOpening()
    {
        QFETCH(bool, closeButton);
        Harness h;
        openWith(h, {50, 50, 50, 2, 2}, now.addSecs(-60 * 30));
        // An hour on the screen, told by the wall clock alone.
        h.clock.set(now.addSecs(3600));
        h.audio.clear();
        if (closeButton)
            h.click("Close");
        else
            h.closeBox();

        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.audio.events, closeButton ? (QStringList{"BTNSOUND", "STOP"}) : QStringList{"STOP"});
        QCOMPARE(h.stored(keys::settings, keys::hour), 9);
        QCOMPARE(h.stored(keys::settings, keys::minute), 0);
        QCOMPARE(h.stored(keys::settings, keys::day), 12);

        // Coming back at once, the hour spent on the screen counts as away.
        h.navigator.switchTo("Petpage", h.current());
        QCOMPARE(h.stored(keys::pet, keys::food), 48);
    }

    void impossibleStoredDatesAndTimesCountAsTodayAndNow_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        // Carried over, month 13 of 2025 is January 2026 and 30 February
        // 2025 is 2 March; year 0 does not exist, or is 1 BC for a count
        // of days.
        QTest::newRow("month 13") << "SETTINGS" << "MONTH" << 13;
        QTest::newRow("30 February") << "SETTINGS" << "DAY" << 30;
        QTest::newRow("year 0") << "SETTINGS" << "YEAR" << 0;
        // Read as they stand, both are hours before the 05:00 of the
        // last visit.
        QTest::newRow("hour -1") << "SETTINGS" << "HOUR" << -1;
        QTest::newRow("minute -1") << "SETTINGS" << "MINUTE" << -1;
        QTest::newRow("a birth date on 30 February") << "PET" << "PDAY" << 30;
    }

    void impossibleStoredDatesAndTimesCountAsTodayAndNow()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, value);
        Harness h;
        PetScreen& page = h.add<PetScreen>();
        h.clock.set(now);
        // A neglected lion: taken at face value or carried over into a real
        // date or time, the group the broken value belongs to (last date,
        // last time, birth date) would show at once: weeks away, a day's
        // change and a runaway, hours away, a grown lion.
        storeLion(h, {40, 30, 10, 2, 2});
        storeLastVisit(h, now);
        storeBirth(h, now.date());
        if (section == keys::pet)
            storeBirth(h, QDate(2026, 2, 3));
        else if (key == keys::hour || key == keys::minute)
            storeLastVisit(h, QDateTime(now.date(), QTime(5, 0)));
        else
            storeLastVisit(h, QDateTime(QDate(2025, 2, 3), now.time()));
        h.store.saveInt(section, key, value);
        h.start("Petpage");

        QCOMPARE(int(page.petState), 2);
        QCOMPARE(h.ctl("petname").caption, QString("目前有幼年獅子"));
        QCOMPARE(h.stored(keys::pet, keys::food), 40);
        QCOMPARE(h.stored(keys::pet, keys::happy), 30);
        QCOMPARE(h.stored(keys::pet, keys::loveer), 10);
        if (section == keys::pet) // the broken birth date is replaced by today's
            QCOMPARE(h.stored(keys::pet, keys::pDay), 12);
    }

    void aStageOutsideOneToFourLeavesTheRoomAsDesigned_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("0") << 0;
        QTest::newRow("5") << 5;
        QTest::newRow("-2") << -2;
    }

    void aStageOutsideOneToFourLeavesTheRoomAsDesigned()
    {
        // Only an imported save can bring such a stage: neither a lion nor
        // an empty room, so the room stays as it was drawn, the values are
        // still shown, and nothing is awarded or stored for it.
        QFETCH(int, stage);
        Harness h;
        h.store.saveInt(keys::avda, "PET", 1);
        h.store.saveInt(keys::avda, "PETEXIT", 1);
        openWith(h, {64, 70, 50, 2, stage});

        QCOMPARE(h.ctl("petname").caption, QString("目前沒有獅子"));
        const Control& lion = h.ctl("Vexo");
        QVERIFY(lion.visible);
        QCOMPARE(QRect(lion.left, lion.top, lion.width, lion.height), QRect(5280, 5900, 3495, 2325));
        for (const char* c : {"foodtxt", "happytxt", "lovetxt", "Food", "Play", "clear"})
            QVERIFY2(shown(h, c), c);
        for (const char* c : {"ImageGift", "nopettxt", "use"})
            QVERIFY2(!shown(h, c), c);
        QCOMPARE(h.ctl("foodtxt").caption, QString("飽食度:64%"));
        QCOMPARE(h.ctl("happytxt").caption, QString("心情值:70%"));
        QCOMPARE(h.stored(keys::pet, keys::stau), stage);
        QCOMPARE(h.stored(keys::avda, "PET"), 1);
        QCOMPARE(h.stored(keys::avda, "PETEXIT"), 1);
        QVERIFY(!h.ctl("avdatxt").visible);
        QVERIFY(h.audio.played.isEmpty());
    }

    void storedValuesBeyond16BitsAreClampedOnReading()
    {
        Harness h;
        openWith(h, {70000, -70000, 40000, 2, 2});
        QCOMPARE(h.ctl("foodtxt").caption, QString("飽食度:32767%"));
        QCOMPARE(h.ctl("happytxt").caption, QString("心情值:-32768%"));
        QCOMPARE(h.ctl("lovetxt").caption, QString("親密度:32767%"));
        QCOMPARE(h.ctl("Vexo").picture.name, QString("lion_sad"));
    }
};

QTEST_GUILESS_MAIN(TestAgeing)
#include "test_ageing.moc"
