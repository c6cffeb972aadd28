#include "SoundPlayer.h"

#include "AudioOutput.h"

#include <QFile>

namespace tarovin {

QString SoundPlayer::resourcePath(const QString& name)
{
    return QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
}

bool SoundPlayer::PlayResSound(const QString& name)
{
    const QString path = resourcePath(name);
    if (!QFile::exists(path))
        return false;
    output_.play(name, path);
    return true;
}

void SoundPlayer::PreloadResSound(const QString& name)
{
    const QString path = resourcePath(name);
    if (QFile::exists(path))
        output_.prepare(name, path);
}

void SoundPlayer::StopAllSounds()
{
    output_.stopAll();
}

} // namespace tarovin
