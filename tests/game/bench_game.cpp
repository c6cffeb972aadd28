// Plays a long game in virtual time, every timer of the game screen running
// and the lion tapped every 100 ms, and reports how much faster than real time
// it runs. A measurement, not a test: nothing here fails.
//
//   bench_game [virtual minutes, default 60] [ms between taps, default 100; 0 = no taps]
//
// It plays the same game twice: once with a stored best score out of reach,
// so that only the game's own logic is measured, and once from a best of 0,
// where every tap is a new best and is written to the store at once, as the
// game does. Every store write is synced; on a disk that sync costs
// milliseconds and would measure the disk, so the store goes to /dev/shm when
// it exists and TMPDIR is not set (set TMPDIR to measure another place).

#include "screens/game/GameScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <ctime>
#include <limits>

using namespace tarovin;
using namespace tarovin::test;

namespace {

void play(const char* title, qint64 minutes, qint64 tapEvery, qint32 storedBest)
{
    const qint64 virtualMs = minutes * 60 * 1000;
    const qint64 step = tapEvery > 0 ? tapEvery : 1000;

    Harness h;
    auto& game = h.add<GameScreen>();
    // Totems keep the game going whatever the dynamite lion does, so the whole
    // time is play and not the game-over view.
    h.store.saveInt(keys::items, keys::totem, 30000);
    h.store.saveInt(keys::settings, keys::maxScore, storedBest);
    h.store.saveInt(keys::avda, QStringLiteral("CBSTART"), 1);
    h.dialogs.autoAnswer = [](const ScriptedDialogs::Shown&) { return std::pair{int(MsgOk), QString()}; };
    h.start(QStringLiteral("Gamepage"));

    quint64 taps = 0;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    for (qint64 t = 0; t < virtualMs; t += step) {
        h.advance(step);
        if (tapEvery > 0 && game.control(QStringLiteral("Vexo")).visible) {
            h.click(QStringLiteral("Vexo"));
            ++taps;
        }
    }
    const double wallMs = std::max(1e-3, wall.nsecsElapsed() / 1e6);
    // The machine may be shared: processor time tells what the game itself costs.
    const double cpuMs = std::max(1e-3, double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);

    quint64 ticks = 0;
    for (const auto& [name, timer] : game.timers())
        ticks += timer->fires();
    std::printf("%s\n", title);
    std::printf("  %lld virtual min, %llu taps, %llu timer ticks, score %d, best %d, totems left %d, game over: %s\n",
                static_cast<long long>(minutes), static_cast<unsigned long long>(taps),
                static_cast<unsigned long long>(ticks), game.score, game.bestScore, int(game.totemItems),
                game.isOver ? "yes" : "no");
    std::printf("  wall %.1f ms, processor %.1f ms (%.0f ns per tick)\n", wallMs, cpuMs,
                cpuMs * 1e6 / double(std::max<quint64>(1, ticks)));
    std::printf("  %.0f times faster than real time (%.0f by processor time)\n", double(virtualMs) / wallMs,
                double(virtualMs) / cpuMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    QCoreApplication app(argc, argv);
    const qint64 minutes = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    const qint64 tapEvery = argc > 2 ? std::max(0, atoi(argv[2])) : 100;
    std::printf("store in %s\n", qPrintable(QDir::tempPath()));
    play("game logic (best score out of reach, no store writes):", minutes, tapEvery,
         std::numeric_limits<qint32>::max());
    play("every tap a new best (one synced store write per tap):", minutes, tapEvery, 0);
    return 0;
}
