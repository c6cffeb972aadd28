#pragma once

#include <QString>

namespace tarovin {

class AudioOutput;
class Dialogs;

// The game's sounds are WAV files compiled into the program as resources
// (":/sounds/NAME.wav") and played straight from there, so no temporary
// files are ever written.
class SoundPlayer {
public:
    SoundPlayer(AudioOutput& output, Dialogs& dialogs) : output_(output), dialogs_(dialogs) {}

    static QString resourcePath(const QString& name);

    // Starts the sound and returns at once; several sounds overlap. A missing
    // resource is reported in an error box and the caller goes on.
    void PlayResSound(const QString& name);
    // Reads the sound once so that its first play starts without delay.
    void PreloadResSound(const QString& name);
    // Silences every sound of the program.
    void StopAllSounds();
    // The menu's clean-up on closing. Sounds are played from the resources,
    // so there are no temporary files to delete, and sounds still playing go on.
    void CleanTempSounds() {}

private:
    AudioOutput& output_;
    Dialogs& dialogs_;
};

} // namespace tarovin
