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

    // Taps, for the count of taps that land and the time from a tap to the
    // frame that shows what it did. A press reports the control it went down
    // on, where along its width (0 at the left edge, 1 at the right) and the
    // control's left edge in twips; its release reports the control's left
    // edge then and whether a click fired, so a script can tell the front of
    // a walking lion from its back.
    static void pressed(const QString& control, double along, int left);
    static void released(const QString& control, int left, bool clicked);
    // The window has taken the screen's changes into its next frame, and
    // that frame has been drawn: together they time a tap to its picture.
    static void synced();
    static void frameDrawn();

    explicit Measurements(const Navigator& navigator);

private:
    void report();

    const Navigator& navigator_;
    QTimer timer_;
};

} // namespace tarovin
