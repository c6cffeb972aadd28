#pragma once

#include "SoundClip.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tarovin {

// Adds up every sound that is playing into one stereo stream. Each play is a
// voice of its own, so plays of one sound overlap instead of restarting it;
// a limiter keeps the sum below full scale when several loud sounds meet,
// and leaves a single sound untouched.
class SoundMixer {
public:
    // Sample level the output never exceeds (-1 dBFS).
    static constexpr float ceiling = 0.891f;

    void add(std::shared_ptr<const SoundClip> clip);
    void clear();
    bool playing() const { return !voices_.empty(); }
    // Fills frames of interleaved 16-bit stereo; silence when nothing plays.
    // Returns whether any sound went into them.
    bool mix(std::int16_t* out, qsizetype frames);

private:
    struct Voice {
        std::shared_ptr<const SoundClip> clip;
        qsizetype next = 0; // next frame to play
    };
    std::vector<Voice> voices_;
    std::vector<float> sum_;
    float envelope_ = 0.0f; // the limiter's memory of recent peaks
};

} // namespace tarovin
