#include "FrontEnd.h"

#include "FormWindow.h"
#include "app/toolkit/Form.h"
#include "app/toolkit/Navigator.h"
#include "app/toolkit/Scheduler.h"

#include <QApplication>
#include <QFontDatabase>

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

} // namespace

FrontEnd::FrontEnd(Scheduler& scheduler, Navigator& navigator, const QElapsedTimer& clock)
    : scheduler_(scheduler), navigator_(navigator), clock_(clock), gameFont_(chooseGameFont())
{
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
    auto* window = new FormWindow(form, *this);
    windows_.insert(&form, window);
    window->present();
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
    for (FormWindow* w : std::as_const(windows_))
        w->sync();
    rearm();
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
