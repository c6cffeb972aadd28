#include "QtAudio.h"

#include "AudioStream.h"
#include "SoundClip.h"

#include <QFile>
#include <QtDebug>

namespace tarovin {

QtAudio::QtAudio() : stream_(new AudioStream)
{
    thread_.setObjectName(QStringLiteral("sound"));
    stream_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, stream_, &QObject::deleteLater);
    thread_.start(QThread::HighPriority);
    QMetaObject::invokeMethod(stream_, [stream = stream_] { stream->warmUp(); });
}

QtAudio::~QtAudio()
{
    thread_.quit();
    thread_.wait();
}

std::shared_ptr<const SoundClip> QtAudio::clip(const QString& name, const QString& resourcePath)
{
    auto found = clips_.constFind(name);
    if (found != clips_.constEnd())
        return *found;
    QFile file(resourcePath);
    std::shared_ptr<const SoundClip> clip;
    if (file.open(QIODevice::ReadOnly))
        clip = SoundClip::fromWav(file.readAll());
    // The sounds are made by the build; one that cannot be read is a fault
    // of the build, not of the player's machine, so say so where it shows.
    if (!clip)
        qWarning("sound %s is not a 16-bit PCM WAV file", qPrintable(resourcePath));
    clips_.insert(name, clip);
    return clip;
}

void QtAudio::prepare(const QString& name, const QString& resourcePath) { clip(name, resourcePath); }

void QtAudio::play(const QString& name, const QString& resourcePath)
{
    std::shared_ptr<const SoundClip> c = clip(name, resourcePath);
    if (!c)
        return;
    QMetaObject::invokeMethod(stream_, [stream = stream_, c] { stream->play(c); });
}

void QtAudio::stopAll()
{
    QMetaObject::invokeMethod(stream_, [stream = stream_] { stream->stopAll(); });
}

} // namespace tarovin
