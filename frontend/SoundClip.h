#pragma once

#include <QByteArray>

#include <memory>
#include <vector>

namespace tarovin {

// One sound ready for the mixer: 16-bit PCM WAV data converted once to the
// mixer's rate and layout (stereo floats at 48 kHz), so that mixing is only
// adding samples, whatever rate and channel count the file had.
struct SoundClip {
    static constexpr int rate = 48000;
    static constexpr int channels = 2;

    // Empty when the data are not a 16-bit PCM WAV file of one or two channels.
    static std::shared_ptr<const SoundClip> fromWav(const QByteArray& wav);

    qsizetype frames() const { return qsizetype(samples.size()) / channels; }
    std::vector<float> samples; // interleaved left, right; full scale is 1
};

} // namespace tarovin
