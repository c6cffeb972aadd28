#include "FrontEnd.h"

#include "FormWindow.h"
#include "toolkit/Form.h"
#include "toolkit/Navigator.h"
#include "toolkit/Scheduler.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tarovin {

namespace {

// "Microsoft JhengHei" where present, else Noto Sans CJK TC, else any font
// that can write Traditional Chinese.
QFont chooseGameFont()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& wanted : {QStringLiteral("Microsoft JhengHei"), QStringLiteral("微軟正黑體"),
                                  QStringLiteral("Noto Sans CJK TC")})
        if (families.contains(wanted))
            return QFont(wanted);
    const QStringList chinese = QFontDatabase::families(QFontDatabase::TraditionalChinese);
    return chinese.isEmpty() ? QApplication::font() : QFont(chinese.constFirst());
}

// The lions step more often than any screen shows a new picture; drawing
// faster than the display refreshes only costs time. An unknown or odd rate
// counts as 60 Hz.
qint64 frameIntervalMs()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal hz = screen ? screen->refreshRate() : 0;
    return std::llround(1000.0 / (hz >= 30 && hz <= 240 ? hz : 60.0));
}

} // namespace

FrontEnd::FrontEnd(Scheduler& scheduler, Navigator& navigator, const QElapsedTimer& clock)
    : scheduler_(scheduler), navigator_(navigator), clock_(clock), gameFont_(chooseGameFont()), frameIntervalMs_(frameIntervalMs())
{
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { requestFrame(); });
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    scheduler_.setOnChange([this] {
        if (!firing_)
            rearm();
    });
    Navigator::Observer observer;
    observer.shown = [this](Form& f) { showForm(f); };
    observer.unloaded = [this](Form& f) { dropForm(f); };
    observer.ended = [] { QCoreApplication::exit(0); };
    navigator_.setObserver(std::move(observer));
}

FrontEnd::~FrontEnd()
{
    scheduler_.setOnChange({});
    navigator_.setObserver({});
    for (FormWindow* w : std::as_const(windows_))
        delete w;
}

void FrontEnd::showForm(Form& form)
{
    if (windows_.contains(&form))
        return;
    // A screen opens in the place of the one the player is looking at, which
    // goes once the new one is up.
    const FormWindow* replaced = nullptr;
    for (const FormWindow* w : std::as_const(windows_))
        if (w->isVisible())
            replaced = w;
    auto* window = new FormWindow(form, *this);
    windows_.insert(&form, window);
    window->present(replaced);
}

void FrontEnd::dropForm(Form& form)
{
    if (FormWindow* w = windows_.take(&form)) {
        w->forget();
        w->hide();
        w->deleteLater();
    }
}

void FrontEnd::tick()
{
    firing_ = true;
    scheduler_.fireDue();
    firing_ = false;
    afterEvent();
}

void FrontEnd::afterEvent()
{
    requestFrame();
    rearm();
}

void FrontEnd::afterInput()
{
    frameTimer_.stop();
    nextFrameMs_ = clock_.elapsed() + frameIntervalMs_;
    for (FormWindow* w : std::as_const(windows_))
        w->sync(FormWindow::Draw::Now);
    rearm();
}

void FrontEnd::requestFrame()
{
    const qint64 now = clock_.elapsed();
    const qint64 due = nextFrameMs_;
    if (now < due) {
        if (!frameTimer_.isActive())
            frameTimer_.start(int(due - now));
        return;
    }
    frameTimer_.stop();
    // Frames keep to their grid while they are on time, so a frame drawn a
    // little late does not push every later one back; after a quiet spell the
    // grid starts again from this frame.
    nextFrameMs_ = (now - due < frameIntervalMs_ ? due : now) + frameIntervalMs_;
    for (FormWindow* w : std::as_const(windows_))
        w->sync();
}

void FrontEnd::rearm()
{
    const auto next = scheduler_.nextDue();
    if (!next) {
        timer_.stop();
        return;
    }
    timer_.start(int(std::max<qint64>(0, *next - clock_.elapsed())));
}

} // namespace tarovin
