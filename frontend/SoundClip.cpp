#include "SoundClip.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace tarovin {

namespace {

struct Pcm {
    int rate = 0;
    int channels = 0;
    const char* data = nullptr;
    qsizetype frames = 0;

    float at(qsizetype frame, int channel) const
    {
        frame = std::clamp<qsizetype>(frame, 0, frames - 1);
        return float(qFromLittleEndian<qint16>(data + (frame * channels + channel) * 2)) / 32768.0f;
    }
};

// Walks the RIFF chunks; a file whose header lies is refused rather than read
// past its end.
bool parse(const QByteArray& wav, Pcm& pcm)
{
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    const char* base = wav.constData();
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(base + at + 4);
        const qsizetype body = at + 8;
        if (size > wav.size() - body)
            return false;
        if (id == "fmt ") {
            if (size < 16)
                return false;
            const int format = qFromLittleEndian<quint16>(base + body);
            pcm.channels = qFromLittleEndian<quint16>(base + body + 2);
            pcm.rate = int(qFromLittleEndian<quint32>(base + body + 4));
            const int bits = qFromLittleEndian<quint16>(base + body + 14);
            // 1 is plain PCM, 0xFFFE the extensible header that may wrap it.
            if ((format != 1 && format != 0xFFFE) || bits != 16 || pcm.channels < 1 || pcm.channels > 2 ||
                pcm.rate < 4000 || pcm.rate > 192000)
                return false;
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            pcm.data = base + body;
            pcm.frames = size / (2 * pcm.channels);
            return pcm.frames > 0;
        }
        at = body + size + (size & 1);
    }
    return false;
}

// Catmull-Rom interpolation between b and c: smooth enough that the change of
// rate adds no audible roughness to these short sounds.
float cubic(float a, float b, float c, float d, float t)
{
    return b + 0.5f * t * (c - a + t * (2.0f * a - 5.0f * b + 4.0f * c - d + t * (3.0f * (b - c) + d - a)));
}

} // namespace

std::shared_ptr<const SoundClip> SoundClip::fromWav(const QByteArray& wav)
{
    Pcm pcm;
    if (!parse(wav, pcm))
        return {};
    auto clip = std::make_shared<SoundClip>();
    const double step = double(pcm.rate) / rate;
    const auto frames = qsizetype(std::llround(double(pcm.frames) / step));
    clip->samples.resize(std::size_t(frames * channels));
    for (qsizetype i = 0; i < frames; ++i) {
        const double pos = double(i) * step;
        const auto k = qsizetype(pos);
        const float t = float(pos - double(k));
        for (int c = 0; c < channels; ++c) {
            const int from = std::min(c, pcm.channels - 1); // mono goes to both sides
            const float v = pcm.rate == rate
                                ? pcm.at(i, from)
                                : cubic(pcm.at(k - 1, from), pcm.at(k, from), pcm.at(k + 1, from), pcm.at(k + 2, from), t);
            clip->samples[std::size_t(i * channels + c)] = v;
        }
    }
    return clip;
}

} // namespace tarovin
