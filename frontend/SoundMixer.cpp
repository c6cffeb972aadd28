#include "SoundMixer.h"

#include <algorithm>
#include <cmath>

namespace tarovin {

namespace {
// How fast the limiter lets go after a peak: about 80 ms to recover 1/e of
// the way, slow enough that the gain does not follow the waveform itself.
const float release = std::exp(-1.0f / (0.08f * SoundClip::rate));
} // namespace

void SoundMixer::add(std::shared_ptr<const SoundClip> clip)
{
    if (clip && clip->frames() > 0)
        voices_.push_back({std::move(clip), 0});
}

void SoundMixer::clear()
{
    voices_.clear();
    envelope_ = 0.0f;
}

bool SoundMixer::mix(std::int16_t* out, qsizetype frames)
{
    constexpr int ch = SoundClip::channels;
    const bool any = !voices_.empty();
    sum_.assign(std::size_t(frames * ch), 0.0f);
    for (Voice& v : voices_) {
        const qsizetype n = std::min(frames, v.clip->frames() - v.next);
        const float* from = v.clip->samples.data() + v.next * ch;
        for (qsizetype i = 0; i < n * ch; ++i)
            sum_[std::size_t(i)] += from[i];
        v.next += n;
    }
    std::erase_if(voices_, [](const Voice& v) { return v.next >= v.clip->frames(); });

    for (qsizetype f = 0; f < frames; ++f) {
        float* s = sum_.data() + f * ch;
        // The envelope never falls below the current peak, so the gain
        // always brings this very frame under the ceiling.
        envelope_ = std::max({std::abs(s[0]), std::abs(s[1]), envelope_ * release});
        const float gain = envelope_ > ceiling ? ceiling / envelope_ : 1.0f;
        for (int c = 0; c < ch; ++c)
            out[f * ch + c] = std::int16_t(std::lround(s[c] * gain * 32767.0f));
    }
    return any;
}

} // namespace tarovin
