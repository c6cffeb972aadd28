#include "screens/achievements/Achievements.h"
#include "services/Days.h"
#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

namespace {

class Awarding : public Form {
public:
    explicit Awarding(Services& s) : Form(s, "Awarding", formSize::standard) {}
    AchievementNotice notice;

protected:
    void design() override { notice = addAchievementNotice(*this); }
};

} // namespace

// The frame counter, the day difference, the sound player and the shared award.
class TestServices : public QObject {
    Q_OBJECT
private slots:
    void frameCounterPublishesOncePerSecond_data()
    {
        QTest::addColumn<quint32>("startTick");
        QTest::newRow("after boot") << quint32(5000);
        QTest::newRow("across the 32-bit wrap") << quint32(0xFFFFFFFFu - 300);
        QTest::newRow("across the signed wrap") << quint32(0x7FFFFFFFu - 300);
    }

    void frameCounterPublishesOncePerSecond()
    {
        QFETCH(quint32, startTick);
        Harness h;
        h.ticks.setOffset(startTick);
        FrameCounter& fc = h.frames;
        fc.ResetFrameCounter(h.ticks.ticks());
        for (int i = 0; i < 99; ++i) {
            h.advance(10);
            fc.CountFrame(h.ticks.ticks());
        }
        QCOMPARE(fc.CurrentFps(), 0); // 990 ms: the first period has not ended
        h.advance(10);
        fc.CountFrame(h.ticks.ticks());
        QCOMPARE(fc.CurrentFps(), 100);
        for (int i = 0; i < 62; ++i) { // a slower timer: a call every 16 ms
            h.advance(16);
            fc.CountFrame(h.ticks.ticks());
        }
        QCOMPARE(fc.CurrentFps(), 100); // 992 ms: still the last period's rate
        h.advance(16);
        fc.CountFrame(h.ticks.ticks()); // 1008 ms: the period ends with this call, counted
        QCOMPARE(fc.CurrentFps(), 63);
        fc.ResetFrameCounter(h.ticks.ticks());
        QCOMPARE(fc.CurrentFps(), 0);
    }

    void daysBetweenCountsMidnights_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<int>("days");
        QTest::newRow("same day") << QDate(2026, 5, 18) << QDate(2026, 5, 18) << 0;
        QTest::newRow("23:59 to 00:01") << QDate(2026, 5, 18) << QDate(2026, 5, 19) << 1;
        QTest::newRow("a week") << QDate(2026, 5, 18) << QDate(2026, 5, 25) << 7;
        QTest::newRow("backwards") << QDate(2026, 5, 25) << QDate(2026, 5, 18) << -7;
        QTest::newRow("over a leap day") << QDate(2028, 2, 28) << QDate(2028, 3, 1) << 2;
        QTest::newRow("over new year") << QDate(2026, 12, 31) << QDate(2027, 1, 1) << 1;
    }

    void daysBetweenCountsMidnights()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        QFETCH(int, days);
        QCOMPARE(DaysBetween(first, second), days);
    }

    void everyPlayReachesTheOutputAndNoneStopsAnother()
    {
        // Whether sounds are heard together is the audio output's affair; the
        // player's part is to hand on every play in order, a repeated one
        // too, and never to stop one sound for the next.
        Harness h;
        h.sound.play("BTNSOUND");
        h.sound.play("BTNSOUND");
        h.sound.play("GAMEOVER");
        h.sound.stopAllSounds();
        h.sound.play("VEXO");
        QCOMPARE(h.audio.events, (QStringList{"BTNSOUND", "BTNSOUND", "GAMEOVER", "STOP", "VEXO"}));
        QVERIFY(h.dialogs.shown.empty());
    }

    void everySoundOfTheGameIsThere()
    {
        for (const char* name : {"BTNSOUND", "VEXO", "AWWREAL", "AWWKID", "HAPPY", "EAT", "WATER", "EFFECT",
                                 "GAMEOVER", "TOTEMSOUND", "VEXOOK", "VEXONO", "BGM"})
            QVERIFY2(QFile::exists(SoundPlayer::resourcePath(name)), name);
    }

    void aMissingSoundIsReportedAndTheGameGoesOn()
    {
        Harness h;
        Awarding& screen = h.add<Awarding>();
        h.start("Awarding");
        screen.soundOpt = SoundOption::On;
        h.dialogs.expectMessage(MsgOk);
        screen.playSound("NOSUCH");
        QCOMPARE(h.dialogs.shown.size(), size_t(1));
        const auto& box = h.dialogs.shown.front();
        QVERIFY(box.text.startsWith("PlayResSound 發生錯誤: "));
        QVERIFY(box.text.size() > QString("PlayResSound 發生錯誤: ").size());
        QCOMPARE(box.title, QString("錯誤"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QVERIFY(h.audio.played.isEmpty());
    }

    void anArmedAchievementIsAwardedOnceAndOnlyOnce_data()
    {
        QTest::addColumn<int>("stored"); // -1: no key
        QTest::addColumn<bool>("awarded");
        QTest::newRow("not armed") << -1 << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("armed") << 1 << true;
        QTest::newRow("achieved") << 2 << false;
        QTest::newRow("odd value") << 3 << false;
    }

    void anArmedAchievementIsAwardedOnceAndOnlyOnce()
    {
        QFETCH(int, stored);
        QFETCH(bool, awarded);
        Harness h;
        auto& screen = h.add<Awarding>();
        if (stored >= 0)
            h.store.saveInt("AVDA", "TWENTY", stored);
        h.start("Awarding");
        screen.soundOpt = SoundOption::On;
        unlockAchievement(screen, screen.notice, AchievementId::Twenty);
        unlockAchievement(screen, screen.notice, AchievementId::Twenty);
        QCOMPARE(h.ctl("avdatxt").visible, awarded);
        QCOMPARE(h.audio.played.count("VEXO"), awarded ? 1 : 0);
        QCOMPARE(h.stored("AVDA", "TWENTY", -1), awarded ? 2 : stored);
        if (awarded) {
            QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:聚沙成塔"));
            QCOMPARE(h.ctl("avdatxt").backColor, QString("#40A9FF"));
        }
    }

    void theNoticeShowsTheLastAwardForTwoSeconds()
    {
        Harness h;
        auto& screen = h.add<Awarding>();
        h.store.saveInt("AVDA", "TWENTY", 1);
        h.store.saveInt("AVDA", "FIFTY", 1);
        h.start("Awarding");
        screen.soundOpt = SoundOption::Off; // sound off: the awards are silent
        unlockAchievement(screen, screen.notice, AchievementId::Twenty);
        h.advance(1500);
        unlockAchievement(screen, screen.notice, AchievementId::Fifty);
        QCOMPARE(h.ctl("avdatxt").caption, QString("獲得成就:金玉滿堂"));
        QCOMPARE(h.ctl("avdatxt").backColor, QString("#CF7DF2"));
        h.advance(1999);
        QVERIFY(h.ctl("avdatxt").visible);
        h.advance(1);
        QVERIFY(!h.ctl("avdatxt").visible);
        QVERIFY(!h.timer("TimerAVtxt").enabled());
        QVERIFY(h.audio.played.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestServices)
#include "test_services.moc"
