// The front end's real sound player against a real sound server: a PulseAudio
// server of the test's own with a null sink, whose monitor is recorded. What
// the recording holds is what a player would hear.

#include "SoundServer.h"
#include "screens/menu/MenuScreen.h"
#include "frontend/QtAudio.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QFile>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

using namespace tarovin;
using namespace tarovin::test;

namespace {

constexpr int rate = SoundServer::rate;
// Below this a recorded stretch counts as silence (-60 dBFS).
constexpr int silence = 33;
// Heard length is measured between the first and the last sample within
// 40 dB of the sound's own peak, in the file and in the recording alike.
constexpr double spanBelowPeakDb = 40.0;
// A sink that holds more than a click: a Bluetooth headset holds 100-200 ms.
constexpr int highLatencyMs = 300;

// A sound as its WAV file holds it, read here without the player's code.
struct Reference {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
    qint64 frames() const { return channels ? qint64(samples.size()) / channels : 0; }
};

Reference readWav(const QString& name)
{
    QFile f(SoundPlayer::resourcePath(name));
    Reference ref;
    if (!f.open(QIODevice::ReadOnly))
        return ref;
    const QByteArray b = f.readAll();
    const auto u16 = [&b](qsizetype at) { return int(quint8(b[at])) | int(quint8(b[at + 1])) << 8; };
    const auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (id == "fmt ") {
            ref.channels = u16(at + 10);
            ref.rate = int(u32(at + 12));
        } else if (id == "data") {
            ref.samples.resize(std::size_t(std::min(size, b.size() - at - 8) / 2));
            std::memcpy(ref.samples.data(), b.constData() + at + 8, ref.samples.size() * 2);
        }
        at += 8 + size + (size & 1);
    }
    return ref;
}

// The loudest channel of each frame.
std::vector<int> envelope(const std::int16_t* samples, qint64 frames, int channels)
{
    std::vector<int> e(std::size_t(std::max<qint64>(frames, 0)));
    for (qint64 i = 0; i < frames; ++i) {
        int m = 0;
        for (int c = 0; c < channels; ++c)
            m = std::max(m, std::abs(int(samples[i * channels + c])));
        e[std::size_t(i)] = m;
    }
    return e;
}

struct Heard {
    qint64 first = -1; // frames from the start of the stretch looked at
    qint64 last = -1;
    int peak = 0;
    double rmsDb = -200.0; // over the heard span, dB of full scale
    qint64 silentFrames = 0; // digital silence within the heard span
    bool heard() const { return first >= 0; }
    double seconds(int r) const { return heard() ? double(last - first + 1) / r : 0.0; }
};

// A sound system that gets no CPU time in time plays silence until the next
// data come (an underrun): a pause in the sound, nothing of it lost. The
// recording of a lone sound is the file's samples exactly, so what it holds
// of digital silence beyond the file's own is such a pause, and it does not
// count towards how long the sound was heard.
double heardSeconds(const Heard& got, const Heard& file, int fileRate)
{
    const qint64 pause = std::max<qint64>(0, got.silentFrames - file.silentFrames * rate / fileRate);
    if (pause > 0)
        qInfo("the machine paused the sound for %.1f ms", pause * 1000.0 / rate);
    return got.seconds(rate) - double(pause) / rate;
}

Heard measure(const std::int16_t* samples, qint64 frames, int channels)
{
    const std::vector<int> e = envelope(samples, frames, channels);
    Heard h;
    for (int v : e)
        h.peak = std::max(h.peak, v);
    if (h.peak <= silence)
        return h;
    const double threshold = h.peak * std::pow(10.0, -spanBelowPeakDb / 20.0);
    for (qint64 i = 0; i < frames; ++i)
        if (e[std::size_t(i)] > threshold) {
            if (h.first < 0)
                h.first = i;
            h.last = i;
        }
    double sum = 0.0;
    for (qint64 i = h.first * channels; i < (h.last + 1) * channels; ++i)
        sum += double(samples[i]) * samples[i];
    for (qint64 i = h.first; i <= h.last; ++i)
        h.silentFrames += e[std::size_t(i)] == 0;
    h.rmsDb = 10.0 * std::log10(sum / double((h.last - h.first + 1) * channels) / (32768.0 * 32768.0));
    return h;
}

Heard measureReference(const Reference& ref)
{
    return measure(ref.samples.data(), ref.frames(), ref.channels);
}

double secondsOf(const Reference& ref) { return double(ref.frames()) / ref.rate; }

// How surely a copy of the sound starts at a frame of the recording: the
// cross-correlation coefficient of the two, the best for a start between
// two frames, over the sound's first 100 ms. Both are differentiated first: the sound's
// fine, noisy detail matches only where a copy truly starts, while its tone
// would also match a copy a few periods away.
struct Match {
    double coefficient = 0.0;
    qint64 frame = -1; // where the copy starts in the recording
};

Match bestMatch(const SoundServer& s, qint64 from, qint64 to, const Reference& ref)
{
    const qint64 n = std::min<qint64>(rate / 10, ref.frames() - 1);
    const auto slope = [](const std::int16_t* p, qint64 i) { return double(p[i + 2]) - double(p[i]); };
    Match best;
    for (qint64 lag = from; lag <= to; ++lag) {
        if (lag < 0 || lag + n + 1 > s.frames())
            continue;
        double xy = 0.0, xx = 0.0, yy = 0.0;
        const std::int16_t* rec = s.samples().data() + lag * 2;
        for (qint64 i = 0; i < n * 2; ++i) {
            const double x = slope(rec, i);
            const double y = slope(ref.samples.data(), i);
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        if (xx > 0 && yy > 0 && xy / std::sqrt(xx * yy) > best.coefficient)
            best = {xy / std::sqrt(xx * yy), lag};
    }
    return best;
}

const QStringList allSounds{"BTNSOUND", "VEXO", "AWWREAL", "AWWKID", "HAPPY", "EAT", "WATER",
                            "EFFECT", "GAMEOVER", "TOTEMSOUND", "VEXOOK", "VEXONO", "BGM"};

} // namespace

class TestSoundServer : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SoundServer> server;
    std::unique_ptr<QtAudio> audio;
    std::unique_ptr<SoundPlayer> player;
    QMap<QString, double> recordedRmsDb;

    // Lets the recording run until it holds the moment given.
    void recordUntil(qint64 clockNs)
    {
        while (server->frames() < server->frameAt(clockNs) + rate / 50)
            QTest::qWait(10);
    }
    void recordFor(int ms) { recordUntil(server->nowNs() + qint64(ms) * 1000000); }

    // Plays a sound now; returns the clock time of the press. Turn it into
    // a recorded frame only once the recording is taken: the later, the
    // closer the estimate of when each frame was played.
    qint64 play(const QString& name)
    {
        const qint64 pressed = server->nowNs();
        player->play(name);
        return pressed;
    }

    Heard heardFrom(qint64 frame) const
    {
        const qint64 from = std::clamp<qint64>(frame, 0, server->frames());
        return measure(server->samples().data() + from * 2, server->frames() - from, 2);
    }

    // How much a stream holds in the server, as a slow sink would make it:
    // the client library reads PULSE_LATENCY_MSEC each time it connects, and
    // a stop closes the output, so the next play connects with this value.
    void useLatency(int ms)
    {
        player->stopAllSounds();
        if (ms > 0)
            qputenv("PULSE_LATENCY_MSEC", QByteArray::number(ms));
        else
            qunsetenv("PULSE_LATENCY_MSEC");
        recordFor(200);
    }

private slots:
    void initTestCase()
    {
        server = std::make_unique<SoundServer>();
        QVERIFY2(server->failure().isEmpty(), qPrintable(server->failure()));
        audio = std::make_unique<QtAudio>();
        player = std::make_unique<SoundPlayer>(*audio);
    }

    void cleanupTestCase()
    {
        player.reset();
        audio.reset();
        server.reset();
    }

    // Every sound from its first to its last sample, on a sink that holds
    // more than the shorter sounds last, never above full scale.
    void wholeLength_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : allSounds)
            QTest::newRow(qPrintable(name)) << name;
    }
    void wholeLength()
    {
        QFETCH(QString, name);
        if (QTest::currentDataTag() == allSounds.first())
            useLatency(highLatencyMs);
        const Reference ref = readWav(name);
        QVERIFY(ref.frames() > 0);
        const Heard want = measureReference(ref);

        const qint64 pressed = play(name);
        recordFor(highLatencyMs + int(secondsOf(ref) * 1000) + 150);
        const Heard got = heardFrom(server->frameAt(pressed));

        QVERIFY2(got.heard(), qPrintable(name + QStringLiteral(" never reached the sink")));
        if (name != QStringLiteral("BGM"))
            recordedRmsDb[name] = got.rmsDb;
        const double heard = heardSeconds(got, want, ref.rate);
        qInfo("%s: heard %.3f s of %.3f s, peak %d, RMS %.1f dBFS", qPrintable(name), heard, want.seconds(ref.rate),
              got.peak, got.rmsDb);
        QVERIFY2(std::abs(heard - want.seconds(ref.rate)) <= 0.020,
                 qPrintable(QStringLiteral("%1 heard for %2 s instead of %3 s")
                                .arg(name)
                                .arg(heard, 0, 'f', 3)
                                .arg(want.seconds(ref.rate), 0, 'f', 3)));
        QVERIFY2(got.peak < 32767 * 0.95, qPrintable(QStringLiteral("%1 peaks at %2").arg(name).arg(got.peak)));
    }

    // The twelve sounds of the game sit at one loudness; the music loop
    // is meant to sit under them.
    void loudnessMatched()
    {
        QCOMPARE(recordedRmsDb.size(), allSounds.size() - 1);
        const auto [lo, hi] = std::minmax_element(recordedRmsDb.begin(), recordedRmsDb.end());
        QVERIFY2(*hi - *lo <= 6.0, qPrintable(QStringLiteral("%1 at %2 dBFS, %3 at %4 dBFS")
                                                  .arg(lo.key())
                                                  .arg(*lo, 0, 'f', 1)
                                                  .arg(hi.key())
                                                  .arg(*hi, 0, 'f', 1)));
    }

    // From the press to the first sample at a sink with little latency: the
    // first play opens the output, the later ones find it open.
    void firstSampleSoon()
    {
        useLatency(0);
        for (int i = 0; i < 5; ++i) {
            const qint64 pressed = play(QStringLiteral("BTNSOUND"));
            recordFor(250);
            // A sink may mix a new stream into what it had already rendered,
            // so the sound can sit a little before the press in the recording.
            const qint64 from = server->frameAt(pressed) - rate / 20;
            const Heard got = heardFrom(from);
            QVERIFY2(got.heard(), qPrintable(QStringLiteral("press %1 never heard").arg(i + 1)));
            const double ms = double(server->arrivalNs(from + got.first) - pressed) / 1e6;
            qInfo("press %d: first sample recorded %.1f ms after it", i + 1, ms);
            QVERIFY2(ms <= 50.0, qPrintable(QStringLiteral("press %1 heard after %2 ms").arg(i + 1).arg(ms, 0, 'f', 1)));
        }
    }

    // Plays of one sound overlap and mix: the second does not wait for,
    // cut or restart the first, and ten taps a second are heard ten times.
    void overlappingPlays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("plays");
        QTest::addColumn<int>("everyMs");
        QTest::newRow("two lion sounds") << QStringLiteral("AWWREAL") << 2 << 300;
        QTest::newRow("lion tapped ten times a second") << QStringLiteral("AWWREAL") << 10 << 100;
    }
    void overlappingPlays()
    {
        QFETCH(QString, name);
        QFETCH(int, plays);
        QFETCH(int, everyMs);
        const Reference ref = readWav(name);
        QCOMPARE(ref.rate, rate);
        QCOMPARE(ref.channels, 2);
        const Heard one = measureReference(ref);

        std::vector<qint64> pressedNs;
        for (int i = 0; i < plays; ++i) {
            while (i > 0 && server->nowNs() < pressedNs.front() + qint64(i) * everyMs * 1000000)
                QTest::qWait(1);
            pressedNs.push_back(play(name));
        }
        recordFor(int(secondsOf(ref) * 1000) + 300);
        const Heard got = heardFrom(server->frameAt(pressedNs.front()));
        QVERIFY(got.heard());
        QVERIFY2(got.peak < 32767 * 0.95, qPrintable(QStringLiteral("the mix peaks at %1").arg(got.peak)));
        const qint64 origin = server->frameAt(pressedNs.front());
        const qint64 ms = rate / 1000;
        // The presses' spacing comes straight from the clock.
        const auto sincePress = [&](int i) { return (pressedNs[std::size_t(i)] - pressedNs.front()) * rate / 1000000000; };
        qint64 previous = origin + got.first - one.first; // where the first copy starts
        for (int i = 0; i < plays; ++i) {
            // Each copy is looked for where the press after the last copy
            // found puts it, so that a pause (an underrun) before it moves
            // the search with it. A play that opens the output starts at once,
            // or a little later as the device wakes; one that finds it open
            // starts after what the output already holds (40 ms).
            const qint64 at = previous + (i > 0 ? sincePress(i) - sincePress(i - 1) : 0);
            const Match start = bestMatch(*server, at - 20 * ms, at + 55 * ms, ref);
            // The same match later on, where no play started: well before
            // the next press as the clock spaced them, since a press that
            // came late leaves less room before the next one.
            const qint64 gap = i + 1 < plays ? sincePress(i + 1) - sincePress(i) : everyMs * ms;
            const Match between = bestMatch(*server, start.frame + gap * 4 / 10, start.frame + gap * 8 / 10, ref);
            // A press that finds the output playing waits for what it holds.
            const double delayMs = double(server->arrivalNs(start.frame) - pressedNs[std::size_t(i)]) / 1e6;
            qInfo("play %d: match %.2f at its start, %.2f between; recorded %.1f ms after the press", i + 1,
                  start.coefficient, between.coefficient, delayMs);
            QVERIFY2(start.coefficient > 0.1 && start.coefficient > 1.5 * between.coefficient,
                     qPrintable(QStringLiteral("play %1 not heard (match %2)").arg(i + 1).arg(start.coefficient, 0, 'f', 2)));
            QVERIFY2(delayMs <= 50.0, qPrintable(QStringLiteral("play %1 heard after %2 ms").arg(i + 1).arg(delayMs, 0, 'f', 1)));
            previous = start.frame;
        }
        // And the last one is heard to its end: no play cut another short.
        const Heard tail = heardFrom(previous);
        const double want = double(one.last + 1) / rate;
        const double heard = heardSeconds(tail, one, rate) + double(tail.first) / rate;
        QVERIFY2(std::abs(heard - want) <= 0.020,
                 qPrintable(QStringLiteral("heard %1 s, expected %2 s").arg(heard, 0, 'f', 3).arg(want, 0, 'f', 3)));
    }

    // A stop silences every sound at once, also a mix and on a slow sink.
    void stopAllSilences_data()
    {
        QTest::addColumn<int>("latencyMs");
        QTest::newRow("low-latency sink") << 0;
        QTest::newRow("high-latency sink") << highLatencyMs;
    }
    void stopAllSilences()
    {
        QFETCH(int, latencyMs);
        useLatency(latencyMs);
        const qint64 pressedNs = play(QStringLiteral("GAMEOVER"));
        play(QStringLiteral("EFFECT"));
        recordFor(400);
        const qint64 stoppedNs = server->nowNs();
        player->stopAllSounds();
        recordFor(400);
        const qint64 pressed = server->frameAt(pressedNs);
        const qint64 stopped = server->frameAt(stoppedNs);
        const Heard before = measure(server->samples().data() + pressed * 2, stopped - pressed, 2);
        QVERIFY2(before.heard(), "nothing played before the stop");
        const qint64 quietFrom = stopped + rate / 20;
        const Heard after = heardFrom(quietFrom);
        QVERIFY2(after.peak <= silence, qPrintable(QStringLiteral("still heard %1 ms after the stop (peak %2)")
                                                       .arg(after.first * 1000 / rate + 50)
                                                       .arg(after.peak)));
    }

    // The menu with sound on plays its click and the lion; with sound off
    // the same presses reach the sink as silence.
    void soundOption_data()
    {
        QTest::addColumn<int>("soundOpt");
        QTest::addColumn<bool>("heard");
        QTest::newRow("on") << 2 << true;
        QTest::newRow("off") << 1 << false;
    }
    void soundOption()
    {
        QFETCH(int, soundOpt);
        QFETCH(bool, heard);
        useLatency(0);
        Harness h;
        h.store.saveInt(keys::settings, keys::soundOpt, soundOpt);
        Services real{h.store, *player, h.dialogs, h.scheduler, h.navigator, h.clock, h.ticks, h.random, h.frames, h.web};
        MenuScreen menu(real);
        h.navigator.add(menu);
        h.start(QStringLiteral("Start"));
        const qint64 pressed = server->nowNs();
        h.click(QStringLiteral("Quorelnet"));
        h.doubleClick(QStringLiteral("Image1"));
        recordFor(600);
        QCOMPARE(h.web.opened.size(), 1);
        QCOMPARE(heardFrom(server->frameAt(pressed)).heard(), heard);
    }
};

QTEST_MAIN(TestSoundServer)
#include "test_sound_server.moc"
