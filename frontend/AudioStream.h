#pragma once

#include "SoundMixer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;

namespace tarovin {

// One output stream to the default audio device, fed by the mixer. It lives
// on a thread of its own, so a busy user-interface thread never starves it.
// The stream opens with the first sound and closes once the last sound has
// been heard to its end (the device's buffer drained), so an idle program
// neither keeps the device awake nor wakes itself up. Without a device the
// sounds are dropped and nothing waits.
class AudioStream final : public QObject {
public:
    AudioStream();
    ~AudioStream() override;

    // Connects to the sound system ahead of the first sound, so that the
    // first click does not wait for it.
    void warmUp();
    void play(std::shared_ptr<const SoundClip> clip);
    void stopAll();

private:
    bool open();
    void close();
    void feed();

    SoundMixer mixer_;
    QAudioSink* sink_ = nullptr;
    QIODevice* device_ = nullptr;
    QTimer feedTimer_{this};
    std::vector<std::int16_t> block_;
    qint64 framesWritten_ = 0;
    qint64 soundEnd_ = 0; // frames written up to the end of the last sound
    QElapsedTimer sinceSound_; // since the last sound went out
};

} // namespace tarovin
