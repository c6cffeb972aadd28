#pragma once

#include <QString>
#include <QStringList>

namespace tarovin {

class AudioOutput;

// The game's sounds are WAV files compiled into the program as resources
// (":/sounds/NAME.wav") and played straight from there, so no temporary
// files are ever written.
class SoundPlayer {
public:
    explicit SoundPlayer(AudioOutput& output) : output_(output) {}

    static QString resourcePath(const QString& name);

    // Starts the sound and returns at once; several sounds overlap. False,
    // and nothing played, when the program has no sound of that name.
    bool play(const QString& name);
    // Reads the sound once so that its first play starts without delay.
    void preload(const QString& name);
    // Silences every sound of the program.
    void stopAllSounds();
    // Every name a play or preload asked for that the program has no sound
    // of, each once, in order: a fault of the program, logged as an error
    // and failed on by the tests.
    const QStringList& unknownNames() const { return unknownNames_; }
    // The menu's clean-up on closing. Sounds are played from the resources,
    // so there are no temporary files to delete, and sounds still playing go on.
    void CleanTempSounds() {}

private:
    void noteUnknown(const QString& name);

    AudioOutput& output_;
    QStringList unknownNames_;
};

} // namespace tarovin
