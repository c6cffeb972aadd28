#include "Harness.h"

#include "StandInScreen.h"
#include "screens/ScreenNames.h"

#include <QFile>
#include <QTest>

#include <stdexcept>

namespace tarovin::test {

namespace {

const char* kindName(ScriptedDialogs::Kind k)
{
    switch (k) {
    case ScriptedDialogs::Kind::Message: return "message box";
    case ScriptedDialogs::Kind::Input: return "input box";
    case ScriptedDialogs::Kind::Save: return "save dialog";
    case ScriptedDialogs::Kind::Open: return "open dialog";
    }
    return "box";
}

void fail(const QString& why)
{
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
}

} // namespace

VirtualClock::VirtualClock(const Scheduler& scheduler)
    : scheduler_(scheduler), base_(QDate(2026, 6, 15), QTime(10, 0))
{
}

QDateTime VirtualClock::now() const
{
    return base_.addMSecs(scheduler_.now() - baseAt_);
}

void VirtualClock::set(const QDateTime& at)
{
    base_ = at;
    baseAt_ = scheduler_.now();
}

double ScriptedRandom::next()
{
    if (queue_.empty())
        return generator_.generateDouble();
    const double r = queue_.front();
    queue_.pop_front();
    return r;
}

ScriptedDialogs::Answer ScriptedDialogs::take(const Shown& box)
{
    shown.push_back(box);
    if (whileOpen)
        whileOpen(box);
    if (script_.empty() && autoAnswer) {
        const auto [result, text] = autoAnswer(box);
        return {box.kind, result, text};
    }
    if (script_.empty()) {
        fail(QStringLiteral("unexpected %1: \"%2\" titled \"%3\"").arg(kindName(box.kind), box.text, box.title));
        return {box.kind, box.buttons == MsgButtons::YesNo ? int(MsgNo) : box.buttons == MsgButtons::OkCancel ? int(MsgCancel) : int(MsgOk), {}};
    }
    Answer a = script_.front();
    script_.pop_front();
    if (a.kind != box.kind) {
        fail(QStringLiteral("expected a %1 but got a %2: \"%3\"").arg(kindName(a.kind), kindName(box.kind), box.text));
        return {box.kind, int(MsgCancel), {}};
    }
    return a;
}

int ScriptedDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    return take({Kind::Message, text, title, buttons, icon, {}, {}, {}}).result;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return take({Kind::Input, prompt, title, MsgButtons::OkCancel, MsgIcon::None, defaultText, {}, {}}).text;
}

QString ScriptedDialogs::saveFileName(const QString& title, const QStringList& filters, const QString& defaultSuffix)
{
    return take({Kind::Save, {}, title, MsgButtons::OkCancel, MsgIcon::None, {}, filters, defaultSuffix}).text;
}

QString ScriptedDialogs::openFileName(const QString& title, const QStringList& filters)
{
    return take({Kind::Open, {}, title, MsgButtons::OkCancel, MsgIcon::None, {}, filters, {}}).text;
}

void FakeWeb::answer(const QString& body)
{
    if (pending.empty()) {
        fail(QStringLiteral("no web request to answer"));
        return;
    }
    auto done = std::move(pending.front());
    pending.pop_front();
    done(body);
}

Harness::Harness() : Harness(QString()) {}

Harness::Harness(const QString& storePath) : Harness(storePath, Time::Virtual, Randomness::Scripted) {}

Harness::Harness(Time time, Randomness randomness) : Harness(QString(), time, randomness) {}

Harness::Harness(const QString& storePath, Time time, Randomness randomness)
    : store(storePath.isEmpty() ? dir.filePath(QStringLiteral("TAROVIN/TAROVIN.ini")) : storePath),
      scheduler(time == Time::Real ? Scheduler::ClockFn([this] { return monotonic.elapsed(); }) : Scheduler::ClockFn()),
      services{store,
               sound,
               dialogs,
               scheduler,
               navigator,
               clock,
               ticks,
               randomness == Randomness::System ? static_cast<RandomSource&>(systemRandom) : random,
               frames,
               web}
{
    if (time == Time::Real)
        monotonic.start();
    navigator.setStandIns([this](const QString& name) -> std::unique_ptr<Form> {
        if (!screen::all.contains(name))
            throw std::logic_error("the program has no screen named " + name.toStdString());
        return std::make_unique<StandInScreen>(services, name);
    });
}

Harness::~Harness() = default;

void Harness::checkResources()
{
    for (Form* form : navigator.loadedForms()) {
        auto check = [&](const Picture& picture, const QString& where) {
            if (picture.isNull() || knownPictures_.contains(picture.name))
                return;
            if (QFile::exists(Picture::resourcePath(picture.name)))
                knownPictures_.insert(picture.name);
            else
                fail(QStringLiteral("%1 of %2 shows the picture %3, which the program does not have")
                         .arg(where, form->name(), picture.name));
        };
        check(form->background, QStringLiteral("the background"));
        for (const auto& c : form->controls())
            check(c->picture, c->name);
    }
    const QStringList& unknown = sound.unknownNames();
    for (; reportedSounds_ < unknown.size(); ++reportedSounds_)
        fail(QStringLiteral("a screen asked for the sound %1, which the program does not have").arg(unknown.at(reportedSounds_)));
}

void Harness::start(const QString& screen)
{
    navigator.load(screen);
    navigator.show(screen);
    checkResources();
}

void Harness::advance(qint64 ms)
{
    scheduler.advance(ms);
    checkResources();
}

Form& Harness::current()
{
    const auto open = navigator.loadedForms();
    if (open.size() != 1) {
        QStringList names;
        for (Form* f : open)
            names << f->name();
        fail(QStringLiteral("expected one open screen, found %1: %2").arg(open.size()).arg(names.join(u',')));
        if (open.empty())
            throw std::logic_error("no screen is open");
    }
    return *open.front();
}

QString Harness::currentName()
{
    const auto open = navigator.loadedForms();
    return open.size() == 1 ? open.front()->name() : QStringLiteral("<%1 screens open>").arg(open.size());
}

Control& Harness::shownControl(const QString& name)
{
    Control& c = ctl(name);
    if (!c.visible)
        fail(QStringLiteral("%1 is hidden and takes no event").arg(name));
    return c;
}

void Harness::click(const QString& control)
{
    Control& c = shownControl(control);
    if (c.visible && c.onClick)
        c.onClick();
    checkResources();
}

void Harness::clickAt(int x, int y)
{
    Control* c = current().controlAt(x, y);
    if (c && c->onClick)
        c->onClick();
    checkResources();
}

void Harness::doubleClick(const QString& control)
{
    // The platform delivers a click before every double-click.
    Control& c = shownControl(control);
    if (!c.visible)
        return;
    auto dbl = c.onDblClick;
    if (c.onClick)
        c.onClick();
    if (dbl)
        dbl();
    checkResources();
}

void Harness::mouseDown(const QString& control, MouseButton button, int x, int y)
{
    Control& c = shownControl(control);
    if (c.visible && c.onMouseDown)
        c.onMouseDown(button, x, y);
    checkResources();
}

void Harness::mouseMove(const QString& control, MouseButton button, int x, int y)
{
    Control& c = ctl(control);
    if (c.onMouseMove)
        c.onMouseMove(button, x, y);
    checkResources();
}

void Harness::mouseUp(const QString& control, MouseButton button, int x, int y)
{
    Control& c = ctl(control);
    if (c.onMouseUp)
        c.onMouseUp(button, x, y);
    checkResources();
}

void Harness::key(int keyCode)
{
    current().onKeyDown(keyCode);
    checkResources();
}

void Harness::closeBox()
{
    navigator.unload(current());
    checkResources();
}

QString Harness::storedText(const QString& section, const QString& key) const
{
    if (auto rows = store.getAll(section))
        for (const auto& [k, v] : *rows)
            if (k == key)
                return v;
    return QStringLiteral("<missing>");
}

} // namespace tarovin::test
