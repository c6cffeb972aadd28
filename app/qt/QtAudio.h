#pragma once

#include "services/AudioOutput.h"

#include <QHash>
#include <QList>
#include <QObject>

class QSoundEffect;

namespace tarovin {

// Plays the game's WAV resources with QSoundEffect. One effect never overlaps
// itself, so each play takes an instance of its own from a pool per sound,
// reused once it has finished. Without an audio device nothing is heard and
// nothing waits.
class QtAudio final : public QObject, public AudioOutput {
public:
    void play(const QString& name, const QString& resourcePath) override;
    void stopAll() override;
    void prepare(const QString& name, const QString& resourcePath) override;

private:
    QSoundEffect* freeInstance(const QString& name, const QString& resourcePath);
    QHash<QString, QList<QSoundEffect*>> pools_;
};

} // namespace tarovin
