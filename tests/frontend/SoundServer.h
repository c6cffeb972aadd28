#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace tarovin::test {

// A PulseAudio server of the test's own, in a temporary folder, with one null
// sink that is the default output, and a recording of that sink's monitor
// taken with parec. This process is pointed at the server through the
// environment, so every sound it plays goes there; the server and the
// recorder are stopped when the object goes.
class SoundServer {
public:
    static constexpr int rate = 48000;

    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Empty when the server and the recorder run; otherwise what went wrong.
    const QString& failure() const { return failure_; }

    // The recording so far, interleaved stereo, 16 bits.
    const std::vector<std::int16_t>& samples() const { return samples_; }
    qint64 frames() const { return qint64(samples_.size() / 2); }
    // The recorded frame that reached the sink at a moment of clock().
    // Data arrive at the recorder late, never early, so the earliest arrival
    // seen gives the tightest estimate.
    qint64 frameAt(qint64 clockNs) const;
    // When a recorded frame reached the recorder: the sink had played it by
    // then, so a delay measured up to here is never too short.
    qint64 arrivalNs(qint64 frame) const;
    qint64 nowNs() const { return clock_.nsecsElapsed(); }

private:
    bool startServer();
    bool startRecorder();
    void takeRecording();

    QTemporaryDir dir_;
    QProcess server_;
    QProcess recorder_;
    QString failure_;
    QElapsedTimer clock_;
    std::vector<std::int16_t> samples_;
    QByteArray partial_;
    // Clock time of recorded frame 0, from the earliest arrival.
    qint64 frameZeroNs_ = 0;
    bool haveFrameZero_ = false;
    struct Arrival {
        qint64 framesAfter;
        qint64 atNs;
    };
    std::vector<Arrival> arrivals_;
};

} // namespace tarovin::test
