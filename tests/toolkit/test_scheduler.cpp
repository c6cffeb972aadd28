#include "toolkit/Scheduler.h"

#include <QTest>

using namespace tarovin;

// Timers as screens rely on them, on virtual time.
class TestScheduler : public QObject {
    Q_OBJECT
private slots:
    void intervalZeroNeverFires()
    {
        Scheduler s;
        int ticks = 0;
        Timer t(s, true, 0, [&] { ++ticks; });
        s.advance(100000);
        QCOMPARE(ticks, 0);
        t.setInterval(0);
        s.advance(100000);
        QCOMPARE(ticks, 0);
    }

    void firesAgainAndAgainUntilDisabled()
    {
        Scheduler s;
        int ticks = 0;
        Timer t(s, true, 10, [&] { ++ticks; });
        s.advance(95);
        QCOMPARE(ticks, 9);
        t.setEnabled(false);
        s.advance(100);
        QCOMPARE(ticks, 9);
    }

    void settingTheIntervalRestartsTheCount()
    {
        Scheduler s;
        QList<qint64> at;
        Timer t(s, true, 100, [&] { at << s.now(); });
        s.advance(60);
        t.setInterval(100); // the same value still restarts
        s.advance(150);
        QCOMPARE(at, (QList<qint64>{160}));
    }

    void enablingARunningTimerChangesNothing()
    {
        Scheduler s;
        QList<qint64> at;
        Timer t(s, true, 100, [&] { at << s.now(); });
        s.advance(60);
        t.setEnabled(true);
        s.advance(50);
        QCOMPARE(at, (QList<qint64>{100}));
        t.setEnabled(false);
        s.advance(30);
        t.setEnabled(true); // a stopped timer starts counting from zero
        s.advance(100);
        QCOMPARE(at, (QList<qint64>{100, 240}));
    }

    void tiesFireInCreationOrder()
    {
        Scheduler s;
        QStringList order;
        Timer b(s, true, 50, [&] { order << "first"; });
        Timer a(s, true, 25, [&] { order << "second"; });
        s.advance(50);
        QCOMPARE(order, (QStringList{"second", "first", "second"}));
    }

    void aHandlerMayRestartOrDestroyItsTimer()
    {
        Scheduler s;
        QList<qint64> at;
        auto victim = std::make_unique<Timer>(s, true, 10, [] {});
        Timer t(s, true, 100, [&] {
            at << s.now();
            t.setInterval(300);
            victim.reset();
        });
        s.advance(1000);
        QCOMPARE(at, (QList<qint64>{100, 400, 700, 1000}));
    }

    void realTimeFiresOnceWithoutCatchUpBurst()
    {
        qint64 now = 0;
        Scheduler s([&] { return now; });
        int ticks = 0;
        Timer t(s, true, 12, [&] { ++ticks; });
        now = 500; // the program was busy for half a second
        s.fireDue();
        QCOMPARE(ticks, 1);
        QCOMPARE(*s.nextDue(), qint64(512));
        s.fireDue();
        QCOMPARE(ticks, 1);
        now = 512;
        s.fireDue();
        QCOMPARE(ticks, 2);
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "test_scheduler.moc"
