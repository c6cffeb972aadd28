#include "AudioStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <utility>

namespace tarovin {

namespace {

constexpr int bytesPerFrame = SoundClip::channels * 2;
// What the stream holds ahead of the speaker. A new sound is mixed in after
// what is already written, so this is the delay a press can add; the feed
// tops it up several times within it.
constexpr int bufferMs = 40;
constexpr int feedEveryMs = 5;
// After the last sound, silence goes on until the device reports it played,
// plus this much: a sink may say it played a little early.
constexpr qint64 drainMarginFrames = SoundClip::rate / 20;
// And at most this long, should a device stop reporting progress or taking
// data (a server that corks the stream, say).
constexpr qint64 maxDrainMs = 2000;

QAudioFormat mixFormat()
{
    QAudioFormat f;
    f.setSampleRate(SoundClip::rate);
    f.setChannelCount(SoundClip::channels);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

} // namespace

AudioStream::AudioStream()
{
    feedTimer_.setTimerType(Qt::PreciseTimer);
    feedTimer_.setInterval(feedEveryMs);
    connect(&feedTimer_, &QTimer::timeout, this, &AudioStream::feed);
}

AudioStream::~AudioStream() { close(); }

void AudioStream::warmUp() { QMediaDevices::defaultAudioOutput(); }

void AudioStream::play(std::shared_ptr<const SoundClip> clip)
{
    if (!sink_ && !open())
        return;
    mixer_.add(std::move(clip));
    feed();
}

void AudioStream::stopAll()
{
    mixer_.clear();
    // Closing the stream also drops what the server still holds of it, so
    // the silence is immediate, not after the buffer has played out.
    close();
}

bool AudioStream::open()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    sink_ = new QAudioSink(device, mixFormat(), this);
    sink_->setBufferSize(qsizetype(SoundClip::rate) * bufferMs / 1000 * bytesPerFrame);
    device_ = sink_->start();
    if (!device_ || sink_->error() != QAudio::NoError) {
        close();
        return false;
    }
    framesWritten_ = 0;
    soundEnd_ = 0;
    sinceSound_.start();
    feedTimer_.start();
    return true;
}

void AudioStream::close()
{
    feedTimer_.stop();
    if (!sink_)
        return;
    // Deleted later: Qt's sink runs the event loop while it is destroyed,
    // and a sound queued meanwhile must find this stream already closed.
    QAudioSink* sink = std::exchange(sink_, nullptr);
    device_ = nullptr;
    sink->stop();
    sink->deleteLater();
}

void AudioStream::feed()
{
    if (!sink_)
        return;
    if (sink_->state() == QAudio::StoppedState) { // the server went away
        mixer_.clear();
        close();
        return;
    }
    const qsizetype frames = sink_->bytesFree() / bytesPerFrame;
    if (frames > 0) {
        block_.resize(std::size_t(frames * SoundClip::channels));
        const bool sound = mixer_.mix(block_.data(), frames);
        const qint64 written = device_->write(reinterpret_cast<const char*>(block_.data()), frames * bytesPerFrame);
        if (written < 0) {
            close();
            return;
        }
        framesWritten_ += written / bytesPerFrame;
        if (sound) {
            soundEnd_ = framesWritten_;
            sinceSound_.start();
        }
    }
    if (mixer_.playing())
        return;
    const qint64 played = sink_->processedUSecs() * SoundClip::rate / 1000000;
    if (played >= soundEnd_ + drainMarginFrames || sinceSound_.hasExpired(maxDrainMs))
        close();
}

} // namespace tarovin
