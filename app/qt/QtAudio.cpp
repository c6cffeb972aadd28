#include "QtAudio.h"

#include <QSoundEffect>
#include <QUrl>

namespace tarovin {

namespace {
// Enough for the fastest tapping; past it the oldest instance starts over.
constexpr int maxInstancesPerSound = 8;
} // namespace

QSoundEffect* QtAudio::freeInstance(const QString& name, const QString& resourcePath)
{
    QList<QSoundEffect*>& pool = pools_[name];
    for (QSoundEffect* e : pool)
        if (!e->isPlaying() && e->status() != QSoundEffect::Loading)
            return e;
    if (pool.size() >= maxInstancesPerSound) {
        QSoundEffect* oldest = pool.takeFirst();
        pool.append(oldest);
        oldest->stop();
        return oldest;
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc") + resourcePath));
    pool.append(effect);
    return effect;
}

void QtAudio::prepare(const QString& name, const QString& resourcePath)
{
    if (pools_.value(name).isEmpty())
        freeInstance(name, resourcePath);
}

void QtAudio::play(const QString& name, const QString& resourcePath)
{
    // A sound still loading is played as soon as it is ready.
    freeInstance(name, resourcePath)->play();
}

void QtAudio::stopAll()
{
    for (const auto& pool : std::as_const(pools_))
        for (QSoundEffect* e : pool)
            e->stop();
}

} // namespace tarovin
