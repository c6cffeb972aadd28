#include "SoundPlayer.h"

#include "AudioOutput.h"

#include <QDebug>
#include <QFile>

namespace tarovin {

QString SoundPlayer::resourcePath(const QString& name)
{
    return QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
}

bool SoundPlayer::play(const QString& name)
{
    const QString path = resourcePath(name);
    if (!QFile::exists(path)) {
        noteUnknown(name);
        return false;
    }
    output_.play(name, path);
    return true;
}

void SoundPlayer::preload(const QString& name)
{
    const QString path = resourcePath(name);
    if (!QFile::exists(path)) {
        noteUnknown(name);
        return;
    }
    output_.prepare(name, path);
}

void SoundPlayer::noteUnknown(const QString& name)
{
    if (unknownNames_.contains(name))
        return;
    unknownNames_ << name;
    qCritical("the program has no sound named %s", qUtf8Printable(name));
}

void SoundPlayer::stopAllSounds()
{
    output_.stopAll();
}

} // namespace tarovin
