#pragma once

#include "PictureCache.h"

#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QTimer>

namespace tarovin {

class Form;
class FormWindow;
class Navigator;
class Scheduler;

// Puts the screens on the desktop: a window per shown screen, one precise Qt
// timer that drives the scheduler, and a redraw of what changed, paced to the
// display's refresh rate.
class FrontEnd final : public QObject {
public:
    FrontEnd(Scheduler& scheduler, Navigator& navigator, const QElapsedTimer& clock);
    ~FrontEnd() override;

    // After anything that may have changed a screen: redraw what changed (now,
    // or at the next frame when one was drawn less than a refresh ago) and
    // re-arm the timer for the next due tick.
    void afterEvent();
    // After the player pressed, released, clicked or typed: what that changed
    // is drawn at once, not at the next frame of the grid, so a tap shows its
    // coins without waiting; the grid starts again from this frame.
    void afterInput();
    void rearm();

    PictureCache& pictures() { return pictures_; }
    Navigator& navigator() { return navigator_; }
    const QFont& gameFont() const { return gameFont_; }

private:
    void showForm(Form& form);
    void dropForm(Form& form);
    void tick();
    void requestFrame();

    Scheduler& scheduler_;
    Navigator& navigator_;
    const QElapsedTimer& clock_;
    PictureCache pictures_;
    QFont gameFont_;
    QTimer timer_;
    QTimer frameTimer_;
    qint64 frameIntervalMs_;
    qint64 nextFrameMs_ = 0;
    bool firing_ = false;
    QHash<Form*, FormWindow*> windows_;
};

} // namespace tarovin
