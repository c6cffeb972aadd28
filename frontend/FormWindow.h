#pragma once

#include "toolkit/Control.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <vector>

class QPainter;

namespace tarovin {

class Form;
class FrontEnd;

// The window of one screen. Images and labels are drawn from the control
// list, back to front; buttons, list boxes and text boxes are real widgets in
// front of them, so focus, tooltips and accessible names come for free. The
// whole screen scales uniformly with the window.
class FormWindow final : public QWidget {
public:
    FormWindow(Form& form, FrontEnd& frontEnd);
    ~FormWindow() override;

    // Shows the window at its design size, centred on the screen; or, when it
    // takes the place of another screen's window, where that one stands, as
    // large or maximised as the player left it.
    void present(const FormWindow* replaced);
    // Brings the window in line with the controls after an event: at the
    // next paint the event loop makes, or drawn before this returns.
    enum class Draw { Later, Now };
    void sync(Draw when = Draw::Later);
    // The screen has been unloaded; from now on the window only waits to go.
    void forget() { form_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a drawn control looked like at the last paint, to repaint only
    // what changed.
    struct Look {
        Rect rect;
        bool visible = false;
        Picture picture;
        QString caption;
        QString foreColor;
        QString backColor;
        double fontSize = 0;
        bool border = false;
        Align align = Align::Left;
        friend bool operator==(const Look&, const Look&) = default;
    };
    static Look lookOf(const Control& c);

    QRectF toPixels(const Rect& r) const;
    QPoint toTwips(const QPointF& p) const;
    void layout();
    void paintArea(QPainter& p, const QRect& area, const QRectF& whole, const QPixmap& background);
    void createWidgets();
    void syncWidget(Control& control, QWidget* widget);
    void press(QMouseEvent* event);
    void dispatchKey(QKeyEvent* event);
    QFont fontFor(const Control& c) const;

    Form* form_;
    FrontEnd& frontEnd_;
    double scale_ = 1.0;
    QPointF origin_;
    Picture background_;
    std::vector<std::pair<const Control*, Look>> looks_;
    QHash<const Control*, QPointer<QWidget>> widgets_;
    QString pressed_; // the control a mouse button went down on
    QPointF pressedAt_; // where, in window pixels
    bool leftPressed_ = false;
    Cursor cursorShown_ = Cursor::Arrow;
    const QKeyEvent* lastKey_ = nullptr;
};

} // namespace tarovin
