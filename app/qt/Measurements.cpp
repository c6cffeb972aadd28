#include "Measurements.h"

#include "app/toolkit/Form.h"
#include "app/toolkit/Navigator.h"

#include <QHash>

#include <chrono>
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
}

void Measurements::framePainted()
{
    static bool reported = false;
    if (!enabled())
        return;
    ++paintsSinceReport;
    if (reported)
        return;
    reported = true;
    const qint64 launch = qEnvironmentVariable("TAROVIN_LAUNCH_NS").toLongLong();
    const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    std::fprintf(stderr, "first-frame-ms %.1f\n", launch > 0 ? (now - launch) / 1e6 : -1.0);
    std::fflush(stderr);
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
