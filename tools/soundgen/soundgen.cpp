// soundgen: synthesises every sound of the game and writes them as 16-bit PCM WAV files.
//
// The repository keeps this program instead of the audio files: the build runs it and
// compiles its output into the game as resources. The output must be byte-for-byte the
// same on every run, so all noise comes from a fixed-seed generator (one seed per sound,
// so adding or reordering sounds never changes the others) and nothing reads the clock.
//
// Usage: soundgen OUTPUT_DIRECTORY

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// ---------------------------------------------------------------------------------------------
// Building blocks

// splitmix64: tiny, fast and fully specified, unlike the std distributions whose output may
// differ between standard library versions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; } // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double bipolar() { return range(-1.0, 1.0); }
    std::size_t index(std::size_t count) { return static_cast<std::size_t>(next() % count); }

private:
    std::uint64_t state_;
};

// Slowly wandering random value in [-1, 1], for pitch jitter and the irregular part of a growl.
class Wander {
public:
    Wander(std::uint64_t seed, double changesPerSecond, double rate)
        : rng_(seed), step_(changesPerSecond / rate), from_(rng_.bipolar()), to_(rng_.bipolar())
    {
    }
    double next()
    {
        pos_ += step_;
        if (pos_ >= 1.0) {
            pos_ -= 1.0;
            from_ = to_;
            to_ = rng_.bipolar();
        }
        const double s = 0.5 - 0.5 * std::cos(kPi * pos_);
        return from_ + (to_ - from_) * s;
    }

private:
    Rng rng_;
    double step_;
    double from_;
    double to_;
    double pos_ = 0.0;
};

// Breakpoint curve with cosine easing between points; constant before the first and after
// the last point. Used for pitch glides, formant movement and amplitude shapes.
class Curve {
public:
    Curve(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

    double operator()(double t) const
    {
        if (t <= points_.front().first)
            return points_.front().second;
        if (t >= points_.back().first)
            return points_.back().second;
        std::size_t i = 1;
        while (points_[i].first < t)
            ++i;
        const auto& a = points_[i - 1];
        const auto& b = points_[i];
        const double x = (t - a.first) / (b.first - a.first);
        const double s = 0.5 - 0.5 * std::cos(kPi * x);
        return a.second + (b.second - a.second) * s;
    }

private:
    std::vector<std::pair<double, double>> points_;
};

// Topology-preserving state-variable filter. Chosen over a plain biquad because its cutoff
// can be swept every sample without zipper noise or blowing up.
class Svf {
public:
    struct Out {
        double low;
        double band; // normalised: unity gain at the centre frequency
        double high;
    };

    Out run(double in, double cutoff, double q, double rate)
    {
        // Most filters hold still; only recompute the coefficients when asked to move.
        if (cutoff != cutoff_ || q != q_ || rate != rate_) {
            cutoff_ = cutoff;
            q_ = q;
            rate_ = rate;
            const double g = std::tan(kPi * std::clamp(cutoff, 10.0, rate * 0.45) / rate);
            k_ = 1.0 / q;
            a1_ = 1.0 / (1.0 + g * (g + k_));
            a2_ = g * a1_;
            a3_ = g * a2_;
        }
        const double v3 = in - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, k_ * v1, in - k_ * v1 - v2};
    }
    double low(double in, double cutoff, double q, double rate) { return run(in, cutoff, q, rate).low; }
    double band(double in, double cutoff, double q, double rate) { return run(in, cutoff, q, rate).band; }
    double high(double in, double cutoff, double q, double rate) { return run(in, cutoff, q, rate).high; }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
    double cutoff_ = -1.0;
    double q_ = 0.0;
    double rate_ = 0.0;
    double k_ = 0.0;
    double a1_ = 0.0;
    double a2_ = 0.0;
    double a3_ = 0.0;
};

// Correction that removes most of the aliasing of a hard waveform edge.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Osc {
public:
    explicit Osc(double phase = 0.0) : phase_(phase) {}

    double sine(double freq, double rate)
    {
        const double v = std::sin(kTwoPi * phase_);
        advance(freq / rate);
        return v;
    }
    double saw(double freq, double rate)
    {
        const double dt = freq / rate;
        const double v = 2.0 * phase_ - 1.0 - polyBlep(phase_, dt);
        advance(dt);
        return v;
    }
    double pulse(double freq, double rate, double duty)
    {
        const double dt = freq / rate;
        double v = phase_ < duty ? 1.0 : -1.0;
        v += polyBlep(phase_, dt);
        v -= polyBlep(std::fmod(phase_ + 1.0 - duty, 1.0), dt);
        advance(dt);
        return v;
    }

private:
    void advance(double dt)
    {
        phase_ += dt;
        phase_ -= std::floor(phase_);
    }
    double phase_;
};

// Raised-cosine ramp from 0 (x <= 0) to 1 (x >= 1).
double ramp(double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0; // the common case; skipping the cosine keeps the generator fast
    return 0.5 - 0.5 * std::cos(kPi * x);
}

// Envelope of a note that starts at 0, lasts `length` seconds, rises over `attack` and falls
// to exactly zero over the final `release`, so notes never start or stop with a step.
double noteEnv(double t, double length, double attack, double release)
{
    if (t < 0.0 || t > length)
        return 0.0;
    return ramp(t / attack) * ramp((length - t) / release);
}

// Struck sound: quick attack, exponential decay.
double strike(double t, double attack, double tau)
{
    if (t < 0.0)
        return 0.0;
    return ramp(t / attack) * std::exp(-t / tau);
}

// How long a struck sound rings before it is cut: about -60 dB, where the taper below
// takes it the rest of the way to zero so the cut is inaudible.
constexpr double kRingTaus = 7.0;

// A strike that is cut off smoothly after kRingTaus time constants, so long tails do not have
// to be computed to the end of the file.
double ringing(double t, double attack, double tau)
{
    return strike(t, attack, tau) * ramp((kRingTaus * tau - t) / (2.0 * tau));
}

double semitones(double base, double steps) { return base * std::pow(2.0, steps / 12.0); }

// ---------------------------------------------------------------------------------------------
// Sound buffer and output

struct Sound {
    std::string name;
    int rate;
    int channels;
    std::vector<double> left;
    std::vector<double> right; // empty for mono

    Sound(std::string fileName, int sampleRate, int channelCount, int milliseconds)
        : name(std::move(fileName)), rate(sampleRate), channels(channelCount)
    {
        // round(rate * seconds), done in integers so 8.45 s at 8 kHz is exactly 67600 frames
        // and a half frame (22050 Hz * 0.95 s) rounds up, never depending on float error.
        const std::int64_t frames = (static_cast<std::int64_t>(sampleRate) * milliseconds + 500) / 1000;
        left.assign(static_cast<std::size_t>(frames), 0.0);
        if (channels == 2)
            right.assign(left.size(), 0.0);
    }

    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / rate; }
    double time(std::size_t i) const { return static_cast<double>(i) / rate; }
    std::size_t frameAt(double t) const
    {
        return static_cast<std::size_t>(std::clamp(std::lround(t * rate), 0L, static_cast<long>(frames())));
    }

    // Adds a sample with constant-power panning (-1 left, 0 centre, +1 right).
    void add(std::size_t i, double v, double pan = 0.0)
    {
        if (i >= frames())
            return;
        if (channels == 1) {
            left[i] += v;
            return;
        }
        if (pan != pan_) {
            pan_ = pan;
            const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
            panLeft_ = std::cos(angle) * std::sqrt(2.0);
            panRight_ = std::sin(angle) * std::sqrt(2.0);
        }
        left[i] += v * panLeft_;
        right[i] += v * panRight_;
    }
    void addStereo(std::size_t i, double l, double r)
    {
        if (i >= frames())
            return;
        left[i] += l;
        if (channels == 2)
            right[i] += r;
        else
            left[i] += r;
    }

private:
    // Gains of the last pan position used; notes add thousands of samples at one position.
    double pan_ = 0.0;
    double panLeft_ = 1.0;
    double panRight_ = 1.0;
};

// Small Schroeder room (parallel damped combs into two all-passes), with different delays
// per side so stereo sounds get some width. Gives the dry synthetic sounds a little air.
class Room {
public:
    Room(int rate, double rt60, bool rightSide)
    {
        static constexpr double kCombMsL[] = {29.7, 37.1, 41.1, 43.7};
        static constexpr double kCombMsR[] = {30.5, 36.3, 40.3, 44.9};
        const double* ms = rightSide ? kCombMsR : kCombMsL;
        for (int c = 0; c < 4; ++c) {
            Comb comb;
            comb.line.assign(static_cast<std::size_t>(ms[c] * rate / 1000.0), 0.0);
            comb.feedback = std::pow(10.0, -3.0 * ms[c] / 1000.0 / rt60);
            combs_.push_back(std::move(comb));
        }
        for (const double a : {5.0, 1.7}) {
            std::vector<double> line(static_cast<std::size_t>(a * rate / 1000.0) + (rightSide ? 3 : 0), 0.0);
            allpasses_.push_back({std::move(line), 0});
        }
    }

    double run(double in)
    {
        double sum = 0.0;
        for (Comb& c : combs_) {
            double* cell = c.line.data() + c.pos;
            const double out = *cell;
            c.damp = out * 0.7 + c.damp * 0.3;
            *cell = in + c.damp * c.feedback;
            if (++c.pos == c.line.size())
                c.pos = 0;
            sum += out;
        }
        double v = sum * 0.25;
        for (Allpass& a : allpasses_) {
            double* cell = a.line.data() + a.pos;
            const double out = *cell - 0.5 * v;
            *cell = v + 0.5 * out;
            if (++a.pos == a.line.size())
                a.pos = 0;
            v = out;
        }
        return v;
    }

private:
    struct Comb {
        std::vector<double> line;
        std::size_t pos = 0;
        double feedback = 0.0;
        double damp = 0.0;
    };
    struct Allpass {
        std::vector<double> line;
        std::size_t pos;
    };
    std::vector<Comb> combs_;
    std::vector<Allpass> allpasses_;
};

void addRoom(Sound& s, double wet, double rt60)
{
    Room roomL(s.rate, rt60, false);
    Room roomR(s.rate, rt60, true);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double in = s.channels == 2 ? 0.5 * (s.left[i] + s.right[i]) : s.left[i];
        const double l = roomL.run(in);
        if (s.channels == 2) {
            s.left[i] += wet * l;
            s.right[i] += wet * roomR.run(in);
        } else {
            s.left[i] += wet * 0.5 * (l + roomR.run(in));
        }
    }
}

// How loud a sound is: the RMS of all channels between its first and last sample within
// 40 dB of its peak, so neither leading nor trailing near-silence counts.
double heardRms(const std::vector<std::vector<double>*>& chans, double peak)
{
    const double threshold = peak * std::pow(10.0, -40.0 / 20.0);
    const std::size_t frames = chans.front()->size();
    std::size_t first = frames;
    std::size_t last = 0;
    for (std::size_t i = 0; i < frames; ++i)
        for (const std::vector<double>* c : chans)
            if (std::abs((*c)[i]) > threshold) {
                first = std::min(first, i);
                last = i;
            }
    double sum = 0.0;
    for (std::size_t i = first; i <= last; ++i)
        for (const std::vector<double>* c : chans)
            sum += (*c)[i] * (*c)[i];
    return std::sqrt(sum / static_cast<double>((last - first + 1) * chans.size()));
}

// How a sound is brought to its final level.
enum class Level {
    // Matched to the others: an RMS of -20 dBFS, unless that would lift the peak above
    // -3 dBFS (a sound made of sharp, sparse hits), which then caps it. The game's sounds then
    // lie within a few dB of one another, and two or three of them at once still fit under
    // full scale.
    Matched,
    // Peak at -3 dBFS: the music loop, which is not one of the effects.
    Peak,
};

// Final touches shared by every sound: remove any DC offset, fade both ends so playback
// never starts or stops with a click, and bring it to its level. Returns the interleaved
// samples, or nothing if the sound is unusable.
std::vector<std::int16_t> finish(Sound& s, double fadeInMs, double fadeOutMs, Level level)
{
    std::vector<std::vector<double>*> chans{&s.left};
    if (s.channels == 2)
        chans.push_back(&s.right);

    const double n = static_cast<double>(s.frames());
    const double fadeIn = fadeInMs * s.rate / 1000.0;
    const double fadeOut = fadeOutMs * s.rate / 1000.0;
    const double dcPole = std::exp(-kTwoPi * 12.0 / s.rate);
    double peak = 0.0;
    bool finite = true;
    for (std::vector<double>* c : chans) {
        double prevIn = 0.0;
        double prevOut = 0.0;
        for (std::size_t i = 0; i < c->size(); ++i) {
            const double x = (*c)[i];
            prevOut = x - prevIn + dcPole * prevOut;
            prevIn = x;
            const double pos = static_cast<double>(i);
            // The last frame sits at fade position 0 so the file ends on silence.
            const double gain = (fadeIn > 0.0 ? ramp(pos / fadeIn) : 1.0) *
                                (fadeOut > 0.0 ? ramp((n - 1.0 - pos) / fadeOut) : 1.0);
            (*c)[i] = prevOut * gain;
            if (!std::isfinite((*c)[i]))
                finite = false;
            peak = std::max(peak, std::abs((*c)[i]));
        }
    }
    // A NaN or infinity (an unstable filter, a bad parameter) or a silent result must fail the
    // build rather than ship as noise or silence.
    if (!finite || peak <= 0.0)
        return {};

    const double peakCap = std::pow(10.0, -3.0 / 20.0) * 32767.0;
    double scale = peakCap / peak;
    if (level == Level::Matched)
        scale = std::min(scale, std::pow(10.0, -20.0 / 20.0) * 32767.0 / heardRms(chans, peak));
    std::vector<std::int16_t> pcm;
    pcm.reserve(s.frames() * static_cast<std::size_t>(s.channels));
    for (std::size_t i = 0; i < s.frames(); ++i)
        for (std::vector<double>* c : chans)
            pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp((*c)[i] * scale, -32767.0, 32767.0))));
    return pcm;
}

void put16(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

bool writeWav(const std::filesystem::path& dir, const Sound& s, const std::vector<std::int16_t>& pcm)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    const unsigned blockAlign = static_cast<unsigned>(s.channels) * 2;
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    put32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1); // integer PCM
    put16(bytes, static_cast<unsigned>(s.channels));
    put32(bytes, static_cast<std::uint32_t>(s.rate));
    put32(bytes, static_cast<std::uint32_t>(s.rate) * blockAlign);
    put16(bytes, blockAlign);
    put16(bytes, 16);
    bytes += "data";
    put32(bytes, dataBytes);
    const std::size_t header = bytes.size();
    bytes.resize(header + dataBytes);
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(pcm[i]);
        bytes[header + 2 * i] = static_cast<char>(v & 0xFF);
        bytes[header + 2 * i + 1] = static_cast<char>(v >> 8);
    }

    const std::filesystem::path path = dir / s.name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "soundgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Voice: the lion's roars and the cub's cry. A sawtooth "throat" with an octave-below pulse
// for growl, breath noise and a rough amplitude flutter, shaped by three moving formant
// filters so it reads as a vowel ("rrr-aw", "a-aww", "ee-aw").

struct VoiceShape {
    Curve pitch;
    Curve f1, f2, f3;
    Curve amp;
    double formantScale = 1.0; // > 1 for a smaller animal
    double vibratoHz = 0.0;
    Curve vibratoDepth{{0.0, 0.0}}; // fraction of the pitch
    double breath = 0.2;
    double sub = 0.0;
    double growlHz = 0.0;
    double growlDepth = 0.0;
    std::uint64_t seed = 1;
};

std::vector<double> voice(const VoiceShape& v, int rate, std::size_t frames)
{
    std::vector<double> out(frames, 0.0);
    Rng noise(v.seed);
    Wander jitter(v.seed + 1, 18.0, rate);
    Wander roughness(v.seed + 2, 40.0, rate);
    Osc throat;
    Osc subOsc;
    Osc vibrato;
    Osc growl;
    Svf form1, form2, form3, body, breathTone;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double vib = v.vibratoHz > 0.0 ? vibrato.sine(v.vibratoHz, rate) * v.vibratoDepth(t) : 0.0;
        const double f0 = v.pitch(t) * (1.0 + vib + 0.012 * jitter.next());

        const double tone = throat.saw(f0, rate) + v.sub * subOsc.pulse(f0 * 0.5, rate, 0.5);
        const double air = breathTone.band(noise.bipolar(), 1800.0 * v.formantScale, 0.7, rate);
        double src = (1.0 - v.breath) * tone + v.breath * 3.0 * air;
        if (v.growlDepth > 0.0) {
            const double flutter = 0.5 + 0.5 * growl.sine(v.growlHz * (1.0 + 0.25 * roughness.next()), rate);
            src *= 1.0 - v.growlDepth * flutter;
        }

        const double s = v.formantScale;
        const double a = form1.band(src, v.f1(t) * s, 6.0, rate);
        const double b = form2.band(src, v.f2(t) * s, 9.0, rate);
        const double c = form3.band(src, v.f3(t) * s, 12.0, rate);
        const double warm = body.low(src, 350.0 * s, 0.7, rate);
        out[i] = v.amp(t) * (a + 0.6 * b + 0.3 * c + 0.25 * warm);
    }
    return out;
}

void addMono(Sound& s, const std::vector<double>& v, double pan = 0.0)
{
    for (std::size_t i = 0; i < v.size(); ++i)
        s.add(i, v[i], pan);
}

// ---------------------------------------------------------------------------------------------
// Tuned percussion shared by the chimes and jingles.

// A mallet/bell note: fundamental plus quickly fading upper partials.
void addChimeNote(Sound& s, double start, double freq, double amp, double tau, double pan,
                  double brightness = 0.4)
{
    struct Partial {
        double ratio;
        double gain;
        double decay;
    };
    const Partial partials[] = {{1.0, 1.0, 1.0}, {2.0, brightness, 0.5}, {3.0, brightness * 0.35, 0.3},
                                {4.2, brightness * 0.25, 0.15}};
    const std::size_t first = s.frameAt(start);
    for (const Partial& p : partials) {
        const double f = freq * p.ratio;
        if (f > s.rate * 0.45)
            continue;
        const double ptau = tau * p.decay;
        const std::size_t last = std::min(s.frames(), s.frameAt(start + kRingTaus * ptau) + 1);
        for (std::size_t i = first; i < last; ++i) {
            const double t = s.time(i) - start;
            s.add(i, amp * p.gain * ringing(t, 0.002, ptau) * std::sin(kTwoPi * f * t), pan);
        }
    }
}

// A short, pure, high ping for sparkles.
void addPing(Sound& s, double start, double freq, double amp, double tau, double pan)
{
    const std::size_t first = s.frameAt(start);
    const std::size_t last = std::min(s.frames(), s.frameAt(start + kRingTaus * tau) + 1);
    for (std::size_t i = first; i < last; ++i) {
        const double t = s.time(i) - start;
        const double e = ringing(t, 0.003, tau);
        const double v = std::sin(kTwoPi * freq * t) + 0.25 * std::sin(kTwoPi * freq * 2.01 * t) * std::exp(-t / (tau * 0.4));
        s.add(i, amp * e * v, pan);
    }
}

// A ping with random note, level, length and position. The draws are separate statements on
// purpose: the order in which function arguments are evaluated differs between compilers, and
// the output must not.
void addRandomPing(Sound& s, Rng& rng, double start, const std::vector<double>& notes, double ampLo, double ampHi,
                   double tauLo, double tauHi, double panWidth)
{
    const double freq = notes[rng.index(notes.size())];
    const double amp = rng.range(ampLo, ampHi);
    const double tau = rng.range(tauLo, tauHi);
    const double pan = rng.range(-panWidth, panWidth);
    addPing(s, start, freq, amp, tau, pan);
}

// ---------------------------------------------------------------------------------------------
// The sounds

// A soft pop for buttons: a short sine that drops in pitch, with a faint tick on top.
Sound makeButton()
{
    Sound s("BTNSOUND.wav", 48000, 2, 80);
    Rng rng(101);
    Svf tickFilter;
    Osc pop;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = s.time(i);
        const double freq = 380.0 + 620.0 * std::exp(-t / 0.012);
        const double body = pop.sine(freq, s.rate) * strike(t, 0.0015, 0.014);
        const double tick = tickFilter.band(rng.bipolar(), 3200.0, 1.2, s.rate) * strike(t, 0.0005, 0.0025);
        s.add(i, body + 0.35 * tick);
    }
    return s;
}

// The lion's friendly "rawr": a short rising-then-falling growl moving from "rr" to "aw".
Sound makeRoar()
{
    Sound s("VEXO.wav", 48000, 2, 470);
    VoiceShape v{
        .pitch = {{0.0, 150.0}, {0.12, 235.0}, {0.26, 215.0}, {0.47, 140.0}},
        .f1 = {{0.0, 420.0}, {0.09, 480.0}, {0.2, 760.0}, {0.47, 600.0}},
        .f2 = {{0.0, 1000.0}, {0.09, 1080.0}, {0.2, 1250.0}, {0.47, 900.0}},
        .f3 = {{0.0, 1500.0}, {0.09, 1700.0}, {0.2, 2500.0}, {0.47, 2400.0}},
        .amp = {{0.0, 0.0}, {0.05, 0.75}, {0.13, 1.0}, {0.32, 0.8}, {0.47, 0.0}},
        .formantScale = 1.15,
        .vibratoHz = 7.0,
        .vibratoDepth = {{0.0, 0.0}, {0.15, 0.015}},
        .breath = 0.22,
        .sub = 0.25,
        .growlHz = 32.0,
        .growlDepth = 0.5,
        .seed = 201,
    };
    addMono(s, voice(v, s.rate, s.frames()));
    addRoom(s, 0.18, 0.35);
    return s;
}

// The pained roar: starts sharp on "a", then sinks low and long into "aww".
Sound makeHurtRoar()
{
    Sound s("AWWREAL.wav", 48000, 2, 1230);
    VoiceShape v{
        .pitch = {{0.0, 185.0}, {0.07, 235.0}, {0.3, 200.0}, {0.8, 130.0}, {1.23, 82.0}},
        .f1 = {{0.0, 820.0}, {0.25, 760.0}, {0.7, 600.0}, {1.23, 460.0}},
        .f2 = {{0.0, 1300.0}, {0.25, 1150.0}, {0.7, 900.0}, {1.23, 760.0}},
        .f3 = {{0.0, 2650.0}, {1.23, 2300.0}},
        .amp = {{0.0, 0.0}, {0.03, 1.0}, {0.25, 0.9}, {0.8, 0.6}, {1.23, 0.0}},
        .formantScale = 1.0,
        .vibratoHz = 6.5,
        .vibratoDepth = {{0.0, 0.0}, {0.3, 0.012}, {1.1, 0.03}},
        .breath = 0.32,
        .sub = 0.35,
        .growlHz = 28.0,
        .growlDepth = 0.55,
        .seed = 301,
    };
    addMono(s, voice(v, s.rate, s.frames()));
    addRoom(s, 0.2, 0.5);
    return s;
}

// The cub's cry: high, wobbly and whiny, "ee-aww".
Sound makeCubCry()
{
    Sound s("AWWKID.wav", 48000, 1, 980);
    VoiceShape v{
        .pitch = {{0.0, 380.0}, {0.15, 520.0}, {0.4, 565.0}, {0.65, 470.0}, {0.98, 330.0}},
        .f1 = {{0.0, 350.0}, {0.15, 600.0}, {0.45, 850.0}, {0.98, 650.0}},
        .f2 = {{0.0, 2200.0}, {0.15, 1700.0}, {0.45, 1300.0}, {0.98, 1000.0}},
        .f3 = {{0.0, 3000.0}, {0.45, 2800.0}, {0.98, 2600.0}},
        .amp = {{0.0, 0.0}, {0.06, 0.9}, {0.4, 1.0}, {0.75, 0.7}, {0.98, 0.0}},
        .formantScale = 1.25,
        .vibratoHz = 6.5,
        .vibratoDepth = {{0.0, 0.01}, {0.3, 0.035}, {0.98, 0.045}},
        .breath = 0.12,
        .sub = 0.0,
        .growlHz = 38.0,
        .growlDepth = 0.15,
        .seed = 401,
    };
    addMono(s, voice(v, s.rate, s.frames()));
    addRoom(s, 0.12, 0.3);
    return s;
}

// A happy chime: three quick rising notes of a major chord.
Sound makeHappy()
{
    Sound s("HAPPY.wav", 48000, 1, 370);
    addChimeNote(s, 0.0, semitones(1046.5, 0), 0.8, 0.09, 0.0);
    addChimeNote(s, 0.085, semitones(1046.5, 4), 0.8, 0.09, 0.0);
    addChimeNote(s, 0.17, semitones(1046.5, 7), 1.0, 0.07, 0.0);
    return s;
}

// Munching: four crunchy bites, each a dense burst of tiny noise grains over a soft chomp.
Sound makeEat()
{
    Sound s("EAT.wav", 32000, 2, 1440);
    Rng rng(501);
    struct Bite {
        double start;
        double strength;
    };
    const Bite bites[] = {{0.05, 1.0}, {0.41, 0.9}, {0.77, 0.95}, {1.09, 0.8}};

    std::vector<double> crunchL(s.frames(), 0.0);
    std::vector<double> crunchR(s.frames(), 0.0);
    for (const Bite& b : bites) {
        // Grains bunch up right after the teeth close and thin out as the bite finishes.
        for (int g = 0; g < 50; ++g) {
            const double u = rng.uniform();
            const double at = b.start + 0.2 * u * u;
            const double amp = b.strength * (1.0 - u * 0.8) * rng.range(0.3, 1.0);
            const double tau = rng.range(0.0006, 0.0025);
            const double pan = rng.range(-0.35, 0.35);
            const std::size_t first = s.frameAt(at);
            const std::size_t last = std::min(s.frames(), first + static_cast<std::size_t>(tau * 6.0 * s.rate));
            for (std::size_t i = first; i < last; ++i) {
                const double t = s.time(i) - at;
                const double v = amp * rng.bipolar() * strike(t, 0.0002, tau);
                crunchL[i] += v * (1.0 - pan);
                crunchR[i] += v * (1.0 + pan);
            }
        }
        // The chomp: a low thud and a short squishy rumble.
        Osc thud;
        Svf squish;
        const std::size_t first = s.frameAt(b.start);
        const std::size_t last = std::min(s.frames(), first + static_cast<std::size_t>(0.25 * s.rate));
        for (std::size_t i = first; i < last; ++i) {
            const double t = s.time(i) - b.start;
            const double low = thud.sine(60.0 + 90.0 * std::exp(-t / 0.03), s.rate) * strike(t, 0.003, 0.035);
            const double mush = squish.low(rng.bipolar(), 550.0, 1.2, s.rate) * strike(t, 0.006, 0.06);
            s.add(i, b.strength * (0.5 * low + 0.9 * mush));
        }
    }

    // Keep the crunch in the band where teeth on something crisp live; the top octave of
    // white noise only sounds like hiss.
    Svf hiL, hiR, loL, loR, peakL, peakR;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double l = loL.low(hiL.high(crunchL[i], 900.0, 0.7, s.rate), 7000.0, 0.7, s.rate);
        const double r = loR.low(hiR.high(crunchR[i], 900.0, 0.7, s.rate), 7000.0, 0.7, s.rate);
        s.addStereo(i, 0.6 * l + 0.6 * peakL.band(l, 2800.0, 1.5, s.rate),
                    0.6 * r + 0.6 * peakR.band(r, 2800.0, 1.5, s.rate));
    }
    return s;
}

// A splash followed by a few bubbles, each a sine whose pitch rises as it fades, which is
// how a small air bubble in water rings.
Sound makeWater()
{
    Sound s("WATER.wav", 48000, 1, 460);
    Rng rng(601);
    Svf splashLow, splashBand;
    const Curve splashCut{{0.0, 6500.0}, {0.12, 1800.0}, {0.3, 900.0}};
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = s.time(i);
        const double n = rng.bipolar();
        const double env = strike(t, 0.004, 0.07) + 0.25 * strike(t - 0.11, 0.01, 0.05);
        const double v = splashLow.low(n, splashCut(t), 0.8, s.rate) + 0.6 * splashBand.band(n, 1100.0, 2.0, s.rate);
        s.add(i, 0.55 * env * v);
    }
    for (int b = 0; b < 11; ++b) {
        const double at = 0.02 + 0.3 * rng.uniform();
        const double f0 = rng.range(450.0, 1400.0);
        // Bigger (lower) bubbles ring a little longer.
        const double tau = rng.range(0.006, 0.016) * std::sqrt(900.0 / f0);
        const double amp = rng.range(0.25, 0.6) * (1.0 - 0.5 * (at / 0.32));
        Osc osc;
        const std::size_t first = s.frameAt(at);
        const std::size_t last = std::min(s.frames(), s.frameAt(at + kRingTaus * tau) + 1);
        for (std::size_t i = first; i < last; ++i) {
            const double t = s.time(i) - at;
            const double f = f0 * (1.0 + 0.15 * t / tau);
            s.add(i, amp * ringing(t, 0.0015, tau) * osc.sine(f, s.rate));
        }
    }
    addRoom(s, 0.1, 0.25);
    return s;
}

// Power-up: a resonant sawtooth sweep and a whoosh of noise both rising, with sparkles that
// grow denser as it climbs and a final burst at the top.
Sound makeEffect()
{
    Sound s("EFFECT.wav", 48000, 2, 2300);
    Rng rng(701);
    const double climb = 1.95;
    Osc sawL1, sawL2, sawR1, sawR2;
    Svf filterL, filterR, whooshL, whooshR;
    const Curve sweepAmp{{0.0, 0.0}, {0.3, 0.45}, {1.7, 0.85}, {1.95, 0.9}, {2.2, 0.0}};
    const Curve whooshAmp{{0.0, 0.0}, {0.5, 0.25}, {1.8, 0.55}, {2.15, 0.0}};
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = s.time(i);
        const double p = std::pow(std::min(t / climb, 1.0), 1.3);
        const double f = 110.0 * std::pow(2.0, 3.0 * p);
        const double cut = 300.0 * std::pow(2.0, 4.5 * p);
        const double srcL = sawL1.saw(f * 0.996, s.rate) + 0.5 * sawL2.saw(f * 2.003, s.rate);
        const double srcR = sawR1.saw(f * 1.004, s.rate) + 0.5 * sawR2.saw(f * 1.997, s.rate);
        const double a = sweepAmp(t);
        const double w = whooshAmp(t);
        const double wc = 500.0 * std::pow(2.0, 4.0 * p);
        const double l = a * filterL.low(srcL, cut, 4.0, s.rate) + w * whooshL.band(rng.bipolar(), wc, 1.5, s.rate);
        const double r = a * filterR.low(srcR, cut, 4.0, s.rate) + w * whooshR.band(rng.bipolar(), wc, 1.5, s.rate);
        s.addStereo(i, 0.5 * l, 0.5 * r);
    }

    const std::vector<double> sparkleNotes{2093.0, 2349.3, 2637.0, 3136.0, 3520.0, 4186.0, 4698.6, 5274.0};
    double t = 0.05;
    while (t < 1.9) {
        const double p = t / climb;
        const double level = 0.4 + 0.6 * p;
        addRandomPing(s, rng, t, sparkleNotes, 0.06 * level, 0.14 * level, 0.04, 0.1, 0.8);
        t += -std::log(1.0 - rng.uniform()) / (6.0 + 34.0 * p); // ever more frequent
    }
    for (int k = 0; k < 12; ++k) {
        const double at = climb + 0.12 * rng.uniform();
        addRandomPing(s, rng, at, sparkleNotes, 0.1, 0.2, 0.06, 0.12, 0.9);
    }
    addRoom(s, 0.22, 0.6);
    return s;
}

// A "sad trombone" game over: four falling notes, each opening with a "wah", the last held,
// wobbling and sagging.
Sound makeGameOver()
{
    Sound s("GAMEOVER.wav", 48000, 2, 2410);
    struct Note {
        double start;
        double length;
        double freq;
    };
    const Note notes[] = {{0.02, 0.4, 293.66}, {0.47, 0.4, 277.18}, {0.92, 0.4, 261.63}, {1.38, 0.96, 246.94}};
    for (int side = 0; side < 2; ++side) {
        const double detune = side == 0 ? 0.9977 : 1.0023; // a few cents apart for width
        for (std::size_t n = 0; n < 4; ++n) {
            const Note& note = notes[n];
            const bool last = n == 3;
            Osc saw(side * 0.3), pulse(side * 0.6), bass;
            Osc vib;
            Svf mute;
            const std::size_t first = s.frameAt(note.start);
            const std::size_t end = std::min(s.frames(), s.frameAt(note.start + note.length) + 1);
            for (std::size_t i = first; i < end; ++i) {
                const double t = s.time(i) - note.start;
                double f = note.freq * detune;
                double wah = ramp(t / 0.12) * (1.0 - 0.35 * ramp((t - 0.12) / 0.3));
                if (last) {
                    const double depth = 0.028 * ramp((t - 0.25) / 0.3);
                    f *= 1.0 + depth * vib.sine(5.5, s.rate);
                    f *= std::pow(2.0, -1.5 / 12.0 * ramp((t - 0.55) / 0.4));
                    wah = ramp(t / 0.12) * (1.0 - 0.3 * ramp((t - 0.12) / 0.3) - 0.4 * ramp((t - 0.6) / 0.35));
                }
                const double src = 0.7 * saw.saw(f, s.rate) + 0.3 * pulse.pulse(f, s.rate, 0.3);
                const double v = mute.low(src, 320.0 + 1700.0 * wah, 2.5, s.rate) + 0.25 * bass.sine(f * 0.5, s.rate);
                const double e = noteEnv(t, note.length, 0.025, last ? 0.12 : 0.06);
                if (side == 0)
                    s.addStereo(i, e * v, 0.0);
                else
                    s.addStereo(i, 0.0, e * v);
            }
        }
    }
    addRoom(s, 0.18, 0.5);
    return s;
}

// A holy chime: an inharmonic bell (the partial ratios of the classic additive bell), with
// closely detuned pairs that beat slowly for a shimmer, and a softer second bell a fifth up.
Sound makeTotem()
{
    Sound s("TOTEMSOUND.wav", 22050, 1, 950);
    struct Partial {
        double ratio;
        double offsetHz;
        double gain;
        double decay; // share of the sound's length
    };
    const Partial bell[] = {
        {0.56, 0.0, 1.0, 1.0},   {0.56, 3.1, 0.67, 0.9},  {0.92, 0.0, 1.0, 0.65},  {0.92, 4.7, 1.5, 0.55},
        {1.19, 0.0, 2.0, 0.4},   {1.7, 0.0, 1.4, 0.35},   {2.0, 0.0, 1.3, 0.25},   {2.74, 0.0, 1.1, 0.2},
        {3.0, 0.0, 1.0, 0.15},   {3.76, 0.0, 0.8, 0.1},   {4.07, 0.0, 0.9, 0.08},
    };
    const auto ring = [&](double start, double base, double amp) {
        const std::size_t first = s.frameAt(start);
        for (const Partial& p : bell) {
            const double f = base * p.ratio + p.offsetHz;
            if (f > s.rate * 0.45)
                continue;
            const double tau = p.decay * s.seconds() / 2.5;
            for (std::size_t i = first; i < s.frames(); ++i) {
                const double t = s.time(i) - start;
                s.add(i, amp * p.gain * strike(t, 0.003, tau) * std::sin(kTwoPi * f * t));
            }
        }
    };
    ring(0.0, 1320.0, 1.0);
    ring(0.14, 1980.0, 0.45);
    // A slow swell of tremolo keeps the tail alive.
    Osc tremolo;
    for (std::size_t i = 0; i < s.frames(); ++i)
        s.left[i] *= 1.0 - 0.18 * ramp(s.time(i) / 0.4) * (0.5 + 0.5 * tremolo.sine(5.0, s.rate));
    addRoom(s, 0.15, 0.8);
    return s;
}

// A cheerful "yes": a quick rising arpeggio landing on a bright held chord with sparkles.
Sound makeYes()
{
    Sound s("VEXOOK.wav", 48000, 2, 1200);
    Rng rng(1101);
    const double root = 1046.5; // C6
    const double arpeggio[] = {-5.0, 0.0, 4.0, 7.0};
    for (int k = 0; k < 4; ++k)
        addChimeNote(s, 0.09 * k, semitones(root, arpeggio[k]), 0.7, 0.12, -0.45 + 0.3 * k, 0.5);

    // Landing chord: mallets on C6 E6 G6 C7, a soft organ-like layer an octave below holds it.
    const double chord[] = {0.0, 4.0, 7.0, 12.0};
    const double chordStart = 0.38;
    for (int k = 0; k < 4; ++k) {
        const double f = semitones(root, chord[k]);
        const double pan = -0.5 + k / 3.0;
        addChimeNote(s, chordStart, f, 0.45, 0.3, pan, 0.35);
        Osc a, b;
        Osc vib;
        for (std::size_t i = s.frameAt(chordStart); i < s.frames(); ++i) {
            const double t = s.time(i) - chordStart;
            const double ff = 0.5 * f * (1.0 + 0.004 * vib.sine(5.5, s.rate) * ramp(t / 0.3));
            const double e = noteEnv(t, s.seconds() - chordStart, 0.04, 0.5) * std::exp(-t / 0.6);
            s.add(i, 0.22 * e * (a.sine(ff, s.rate) + 0.3 * b.sine(ff * 2.0, s.rate)), pan);
        }
    }
    const std::vector<double> sparkleNotes{semitones(root * 2.0, chord[0]), semitones(root * 2.0, chord[1]),
                                           semitones(root * 2.0, chord[2]), semitones(root * 2.0, chord[3])};
    for (int k = 0; k < 14; ++k) {
        const double at = chordStart + 0.5 * rng.uniform();
        addRandomPing(s, rng, at, sparkleNotes, 0.05, 0.12, 0.05, 0.1, 0.9);
    }
    addRoom(s, 0.2, 0.6);
    return s;
}

// A grumpy "no": two low buzzy syllables falling in pitch ("nuh-uh"), each starting nasal and
// closed and opening up like a mouth.
Sound makeNo()
{
    Sound s("VEXONO.wav", 48000, 2, 820);
    struct Syllable {
        double start;
        double length;
        double fromHz;
        double toHz;
    };
    const Syllable syllables[] = {{0.02, 0.29, 185.0, 175.0}, {0.37, 0.43, 150.0, 116.0}};
    for (int side = 0; side < 2; ++side) {
        const double detune = side == 0 ? 0.996 : 1.004;
        for (const Syllable& sy : syllables) {
            Osc buzz(side * 0.25), saw(side * 0.5), growl;
            Svf mouth, nasal;
            const std::size_t first = s.frameAt(sy.start);
            const std::size_t end = std::min(s.frames(), s.frameAt(sy.start + sy.length) + 1);
            for (std::size_t i = first; i < end; ++i) {
                const double t = s.time(i) - sy.start;
                const double x = t / sy.length;
                const double f = (sy.fromHz + (sy.toHz - sy.fromHz) * ramp(x)) * detune;
                double src = 0.6 * buzz.pulse(f, s.rate, 0.3) + 0.4 * saw.saw(f, s.rate);
                src *= 1.0 - 0.25 * (0.5 + 0.5 * growl.sine(27.0, s.rate));
                const double open = ramp(t / 0.07) * (1.0 - 0.6 * ramp((x - 0.6) / 0.4));
                const double v = mouth.low(src, 280.0 + 1100.0 * open, 3.0, s.rate) + 0.4 * nasal.band(src, 620.0, 5.0, s.rate);
                const double e = noteEnv(t, sy.length, 0.015, 0.06);
                if (side == 0)
                    s.addStereo(i, e * v, 0.0);
                else
                    s.addStereo(i, 0.0, e * v);
            }
        }
    }
    addRoom(s, 0.12, 0.35);
    return s;
}

// Background music: four bars of a bouncy tune over a root-fifth bass with a soft off-beat
// hat. The whole loop is 16 beats of exactly 4225 frames; every note ends inside its own slot
// and the last half bar is silent, so the end joins the start without a bump.
Sound makeMusic()
{
    Sound s("BGM.wav", 8000, 2, 8450);
    Rng rng(1301);
    const double beat = static_cast<double>(s.frames()) / 16.0;
    const double eighth = beat / 2.0;
    const double nyquistGuard = s.rate * 0.47;

    // Additive voice limited to harmonics below Nyquist; at 8 kHz a naive square would alias.
    const auto playNote = [&](double startFrame, double lengthFrames, double freq, double amp, double pan,
                              const std::vector<double>& harmonics, double decayTau) {
        const std::size_t first = static_cast<std::size_t>(std::lround(startFrame));
        const std::size_t count = static_cast<std::size_t>(lengthFrames);
        for (std::size_t j = 0; j < count && first + j < s.frames(); ++j) {
            const double t = static_cast<double>(j) / s.rate;
            const double len = lengthFrames / s.rate;
            const double e = noteEnv(t, len, 0.006, 0.03) * std::exp(-t / decayTau);
            double v = 0.0;
            for (std::size_t h = 0; h < harmonics.size(); ++h) {
                const double fh = freq * static_cast<double>(h + 1);
                if (fh >= nyquistGuard)
                    break;
                v += harmonics[h] * std::sin(kTwoPi * fh * t);
            }
            s.add(first + j, amp * e * v, pan);
        }
    };

    // Melody as (semitones above C5 or R for a rest, length in eighths).
    struct Step {
        int semis;
        int eighths;
    };
    constexpr int R = -100;
    const Step melody[] = {
        // bar 1 (C)
        {0, 1}, {4, 1}, {7, 1}, {4, 1}, {12, 2}, {7, 2},
        // bar 2 (F)
        {5, 1}, {9, 1}, {12, 1}, {9, 1}, {7, 2}, {5, 2},
        // bar 3 (G)
        {2, 1}, {7, 1}, {11, 1}, {7, 1}, {9, 1}, {7, 1}, {5, 1}, {2, 1},
        // bar 4 (C), ending on a rest so the loop breathes
        {4, 2}, {7, 2}, {0, 2}, {R, 2},
    };
    const std::vector<double> lead{1.0, 0.0, 0.3, 0.0, 0.12, 0.0, 0.05};
    double pos = 0.0;
    for (const Step& st : melody) {
        if (st.semis != R)
            playNote(pos, eighth * st.eighths - 40.0, semitones(523.25, st.semis), 0.5, 0.25, lead, 0.35);
        pos += eighth * st.eighths;
    }

    // Bass in quarters: root, fifth, root, fifth per bar, last beat silent.
    const int bass[] = {0, 7, 0, 7, 5, 12, 5, 12, 7, 14, 7, 14, 0, 7, 0, R};
    const std::vector<double> round{1.0, 0.45, 0.2, 0.1, 0.05};
    for (int b = 0; b < 16; ++b)
        if (bass[b] != R)
            playNote(b * beat, beat * 0.85, semitones(130.81, bass[b]), 0.55, -0.15, round, 0.5);

    // Soft hat on the off-beats of the first fifteen beats.
    for (int b = 0; b < 15; ++b) {
        Svf hat;
        const std::size_t first = static_cast<std::size_t>(std::lround(b * beat + eighth));
        for (std::size_t j = 0; j < 240 && first + j < s.frames(); ++j) {
            const double t = static_cast<double>(j) / s.rate;
            s.add(first + j, 0.12 * strike(t, 0.001, 0.012) * noteEnv(t, 0.03, 0.001, 0.005) *
                                 hat.high(rng.bipolar(), 2600.0, 0.8, s.rate),
                  -0.5);
        }
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "soundgen: cannot create %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return 1;
    }

    struct Job {
        Sound (*make)();
        double fadeInMs;
        double fadeOutMs;
        Level level = Level::Matched;
    };
    const Job jobs[] = {
        {makeButton, 0.5, 8.0},   {makeRoar, 3.0, 20.0},   {makeHurtRoar, 3.0, 30.0}, {makeCubCry, 3.0, 30.0},
        {makeHappy, 0.5, 30.0},   {makeEat, 1.0, 20.0},    {makeWater, 1.0, 30.0},    {makeEffect, 3.0, 40.0},
        {makeGameOver, 3.0, 40.0}, {makeTotem, 1.0, 80.0}, {makeYes, 1.0, 60.0},      {makeNo, 3.0, 20.0},
        {makeMusic, 3.0, 3.0, Level::Peak},
    };
    for (const Job& job : jobs) {
        Sound s = job.make();
        const std::vector<std::int16_t> pcm = finish(s, job.fadeInMs, job.fadeOutMs, job.level);
        if (pcm.empty()) {
            std::fprintf(stderr, "soundgen: %s came out silent or invalid\n", s.name.c_str());
            return 1;
        }
        if (!writeWav(dir, s, pcm))
            return 1;
    }
    return 0;
}
