#pragma once

#include <QObject>
#include <QTimer>

namespace tarovin {

class Navigator;

// Figures for the speed measurements, written to standard error only when the
// environment variable TAROVIN_STATS is set (the measuring script sets it):
// the time from launch to the first painted frame, and every second how often
// each timer of the open screens fired, how many paints reached the screen
// and what the FPS label shows.
class Measurements final : public QObject {
public:
    static bool enabled();
    // Called at every paint; reports the first one and counts the rest. The
    // launch time comes from TAROVIN_LAUNCH_NS (nanoseconds since the epoch,
    // taken by the script just before it started the program).
    static void framePainted();

    explicit Measurements(const Navigator& navigator);

private:
    void report();

    const Navigator& navigator_;
    QTimer timer_;
};

} // namespace tarovin
