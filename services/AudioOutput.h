#pragma once

#include <QString>

namespace tarovin {

// Where sounds go: the real program plays them through Qt Multimedia, tests
// record them. Plays overlap; stopAll silences every sound at once.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // resourcePath is a Qt resource path of a WAV file that exists.
    virtual void play(const QString& name, const QString& resourcePath) = 0;
    virtual void stopAll() = 0;
    // A hint that the sound will be played soon, so its first play starts
    // without delay.
    virtual void prepare(const QString& /*name*/, const QString& /*resourcePath*/) {}
};

} // namespace tarovin
