#include "SoundPlayer.h"

#include "AudioOutput.h"
#include "app/toolkit/Dialogs.h"

#include <QFile>

namespace tarovin {

QString SoundPlayer::resourcePath(const QString& name)
{
    return QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
}

void SoundPlayer::PlayResSound(const QString& name)
{
    const QString path = resourcePath(name);
    if (!QFile::exists(path)) {
        dialogs_.messageBox(QStringLiteral("PlayResSound 發生錯誤: ") + QStringLiteral("找不到聲音資源「%1」").arg(name),
                            MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("錯誤"));
        return;
    }
    output_.play(name, path);
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
