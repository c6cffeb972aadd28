#pragma once

#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Scheduler.h"
#include "toolkit/Services.h"
#include "toolkit/SystemPlatform.h"
#include "services/AudioOutput.h"
#include "services/FrameCounter.h"
#include "services/SoundPlayer.h"
#include "store/SettingsStore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

namespace tarovin::test {

// The wall clock follows virtual time from a date and time a test sets.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(const Scheduler& scheduler);
    QDateTime now() const override;
    void set(const QDateTime& at);

private:
    const Scheduler& scheduler_;
    QDateTime base_;
    qint64 baseAt_ = 0;
};

// Ticks follow virtual time plus an offset, so a test can start near the wrap.
class VirtualTicks final : public TickCounter {
public:
    explicit VirtualTicks(const Scheduler& scheduler) : scheduler_(scheduler) {}
    quint32 ticks() const override { return static_cast<quint32>(offset_ + quint64(scheduler_.now())); }
    void setOffset(quint32 offset) { offset_ = offset; }

private:
    const Scheduler& scheduler_;
    quint32 offset_ = 0;
};

// Draws come from a queue a test fills; when it is empty, from a seeded generator.
class ScriptedRandom final : public RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    double next() override;
    void push(double r) { queue_.push_back(r); }
    void reseed(quint32 seed) { generator_.seed(seed); }
    int seeds = 0;

private:
    std::deque<double> queue_;
    QRandomGenerator generator_{20260518};
};

// Records every play and every stop, in order.
class RecordingAudio final : public AudioOutput {
public:
    void play(const QString& name, const QString&) override { played << name; events << name; }
    void stopAll() override { ++stops; events << QStringLiteral("STOP"); }
    void clear() { played.clear(); events.clear(); stops = 0; }
    QStringList played;
    QStringList events; // plays and "STOP" in order
    int stops = 0;
};

// Answers boxes from a script. A box the test did not expect fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Message, Input, Save, Open };
    struct Shown {
        Kind kind;
        QString text; // message text or input prompt
        QString title;
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
        QString defaultText;
        QStringList filters;
        QString defaultSuffix;
    };

    void expectMessage(int answer) { script_.push_back({Kind::Message, answer, {}}); }
    void expectInput(const QString& answer) { script_.push_back({Kind::Input, 0, answer}); }
    void expectSaveFile(const QString& path) { script_.push_back({Kind::Save, 0, path}); }
    void expectOpenFile(const QString& path) { script_.push_back({Kind::Open, 0, path}); }
    // Boxes still expected but never shown.
    int pending() const { return int(script_.size()); }

    int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QStringList& filters, const QString& defaultSuffix) override;
    QString openFileName(const QString& title, const QStringList& filters) override;

    std::vector<Shown> shown;
    // Answers boxes that the script does not cover, instead of failing (for
    // tests that play at random). Returns the result and the text.
    std::function<std::pair<int, QString>(const Shown&)> autoAnswer;
    // Called just before a box returns, while the handler waits on it; a test
    // can advance virtual time here to see timers fire under an open box.
    std::function<void(const Shown&)> whileOpen;

private:
    struct Answer {
        Kind kind;
        int result;
        QString text;
    };
    Answer take(const Shown& box);
    std::deque<Answer> script_;
};

class FakeWeb final : public Web {
public:
    void openUrl(const QString& url) override { opened << url; }
    void httpGetText(const QString& url, std::function<void(const QString&)> done) override
    {
        requests << url;
        pending.push_back(std::move(done));
    }
    bool fileDialogsAvailable() const override { return dialogsAvailable; }
    // Completes the oldest request with the given body.
    void answer(const QString& body);

    QStringList opened;
    QStringList requests;
    std::deque<std::function<void(const QString&)>> pending;
    bool dialogsAvailable = true;
};

// A whole program without a display: every screen on virtual time, a store in
// a temporary folder, scripted boxes and recorded sounds.
class Harness {
public:
    // Virtual time moves only when a test advances it; real time is the
    // monotonic clock, for tests that put a screen on a display and let the
    // front end drive its timers as the program does.
    enum class Time { Virtual, Real };
    // Scripted draws, or the program's own random source.
    enum class Randomness { Scripted, System };

    Harness();
    // A program on an existing store file, as when the game starts again.
    explicit Harness(const QString& storePath);
    Harness(Time time, Randomness randomness);
    ~Harness();

    template <typename Screen, typename... Args>
    Screen& add(Args&&... args)
    {
        auto screen = std::make_unique<Screen>(services, std::forward<Args>(args)...);
        Screen& ref = *screen;
        navigator.add(ref);
        screens_.push_back(std::move(screen));
        return ref;
    }

    // Loads and shows a screen, as the program does with its menu at start.
    void start(const QString& screen);
    // The one screen shown; fails the test when not exactly one is open.
    Form& current();
    QString currentName();
    int openCount() const { return int(navigator.loadedForms().size()); }

    // Events on the current screen. A click by name reaches only a shown
    // control; a click by position goes to the frontmost shown control there.
    void click(const QString& control);
    void clickAt(int x, int y);
    void doubleClick(const QString& control);
    void mouseDown(const QString& control, MouseButton button, int x, int y);
    void mouseMove(const QString& control, MouseButton button, int x, int y);
    void mouseUp(const QString& control, MouseButton button, int x, int y);
    void key(int keyCode);
    void closeBox();
    void advance(qint64 ms);

    Control& ctl(const QString& name) { return current().control(name); }
    Timer& timer(const QString& name) { return current().timer(name); }
    // Reads a key straight from the store, with a default that no game value uses.
    qint32 stored(const QString& section, const QString& key, qint32 def = -999999) const
    {
        return store.getInt(section, key, def);
    }
    // Raw text of a key, or "<missing>".
    QString storedText(const QString& section, const QString& key) const;

    QTemporaryDir dir;
    SettingsStore store;
    QElapsedTimer monotonic; // started only in real time
    Scheduler scheduler;
    VirtualClock clock{scheduler};
    VirtualTicks ticks{scheduler};
    ScriptedRandom random;
    SystemRandom systemRandom; // what the screens draw from with Randomness::System
    RecordingAudio audio;
    ScriptedDialogs dialogs;
    SoundPlayer sound{audio};
    FrameCounter frames;
    FakeWeb web;
    Navigator navigator;
    Services services;

private:
    Harness(const QString& storePath, Time time, Randomness randomness);
    Control& shownControl(const QString& name);
    // Fails the test when an open screen shows a picture, or a screen asked
    // for a sound, that the program does not have; run after every step the
    // harness drives.
    void checkResources();
    QSet<QString> knownPictures_;
    qsizetype reportedSounds_ = 0;
    std::vector<std::unique_ptr<Form>> screens_;
};

} // namespace tarovin::test
