#include "Measurements.h"

#include "FirstFrame.h"

#include "toolkit/Form.h"
#include "toolkit/Navigator.h"

#include <QElapsedTimer>
#include <QHash>

#include <cstdio>
#include <utility>

namespace tarovin {

bool Measurements::enabled()
{
    static const bool on = qEnvironmentVariableIsSet("TAROVIN_STATS");
    return on;
}

namespace {
quint64 paintsSinceReport = 0;

// The tap waiting for its frame: when it clicked, and whether the window has
// since taken the change into a frame it will draw.
QElapsedTimer tapClock;
bool tapWaiting = false;
bool tapSynced = false;

void say(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}
} // namespace

void Measurements::pressed(const QString& control, double along, int left)
{
    if (enabled())
        say(QStringLiteral("press %1 %2 %3").arg(control.isEmpty() ? QStringLiteral("-") : control).arg(along, 0, 'f', 3).arg(left));
}

void Measurements::released(const QString& control, int left, bool clicked)
{
    if (!enabled())
        return;
    say(QStringLiteral("release %1 %2 %3").arg(control).arg(left).arg(clicked ? 1 : 0));
    if (clicked) {
        tapClock.start();
        tapWaiting = true;
        tapSynced = false;
    }
}

void Measurements::synced()
{
    if (tapWaiting)
        tapSynced = true;
}

void Measurements::frameDrawn()
{
    if (!tapWaiting || !tapSynced)
        return;
    tapWaiting = false;
    say(QStringLiteral("tap-to-frame-ms %1").arg(tapClock.nsecsElapsed() / 1e6, 0, 'f', 2));
}

void Measurements::framePainted()
{
    if (!enabled())
        return;
    ++paintsSinceReport;
    reportFirstFrame();
}

Measurements::Measurements(const Navigator& navigator) : navigator_(navigator)
{
    connect(&timer_, &QTimer::timeout, this, [this] { report(); });
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.start(1000);
}

void Measurements::report()
{
    static QHash<const Timer*, quint64> last;
    for (Form* form : navigator_.loadedForms()) {
        QString line = QStringLiteral("stats %1").arg(form->name());
        for (const auto& [name, timer] : form->timers()) {
            const quint64 fires = timer->fires();
            line += QStringLiteral(" %1=%2").arg(name).arg(fires - last.value(timer.get(), fires));
            last.insert(timer.get(), fires);
        }
        if (const Control* fps = form->findControl(QStringLiteral("FpsTxt")))
            line += QStringLiteral(" label=\"%1\"").arg(fps->caption);
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    std::fprintf(stderr, "stats paints=%llu\n", static_cast<unsigned long long>(std::exchange(paintsSinceReport, 0)));
    std::fflush(stderr);
}

} // namespace tarovin
