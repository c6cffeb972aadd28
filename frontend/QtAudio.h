#pragma once

#include "services/AudioOutput.h"

#include <QHash>
#include <QThread>

#include <memory>

namespace tarovin {

class AudioStream;
struct SoundClip;

// Plays the game's WAV resources through one output stream mixed by the
// program itself, on a thread of its own: every play is heard to its end,
// plays overlap, and a stop silences everything at once. Each sound is
// decoded once, at its preload or first play.
class QtAudio final : public AudioOutput {
public:
    QtAudio();
    ~QtAudio() override;

    void play(const QString& name, const QString& resourcePath) override;
    void stopAll() override;
    void prepare(const QString& name, const QString& resourcePath) override;

private:
    std::shared_ptr<const SoundClip> clip(const QString& name, const QString& resourcePath);

    QHash<QString, std::shared_ptr<const SoundClip>> clips_;
    QThread thread_;
    AudioStream* stream_; // lives on thread_
};

} // namespace tarovin
