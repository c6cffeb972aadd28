#include "FormWindow.h"

#include "FrontEnd.h"
#include "Measurements.h"
#include "PictureButton.h"
#include "toolkit/Form.h"
#include "toolkit/KeyCode.h"
#include "toolkit/Navigator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolTip>

#include <cmath>

namespace tarovin {

namespace {

constexpr double twipsPerPixel = 15.0;

MouseButton toMouseButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

// Key codes as the screens know them.
int screenKeyCode(const QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Escape) return keyCode::escape;
    if (k == Qt::Key_Return || k == Qt::Key_Enter) return keyCode::enter;
    if (k == Qt::Key_Space) return keyCode::space;
    if (k == Qt::Key_Backspace) return keyCode::backspace;
    if (k == Qt::Key_Tab) return keyCode::tab;
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    if (k >= Qt::Key_Left && k <= Qt::Key_Down) return 37 + (k - Qt::Key_Left);
    return 0;
}

} // namespace

FormWindow::FormWindow(Form& form, FrontEnd& frontEnd) : form_(&form), frontEnd_(frontEnd)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(form.title());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(int(form.widthTwips() / twipsPerPixel / 3), int(form.heightTwips() / twipsPerPixel / 3));
    createWidgets();
    sync();
}

FormWindow::~FormWindow() = default;

void FormWindow::present(const FormWindow* replaced)
{
    if (replaced) {
        setGeometry(replaced->normalGeometry());
        const Qt::WindowStates kept = replaced->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
        if (kept)
            setWindowState(kept);
    } else {
        const QSize size(qRound(form_->widthTwips() / twipsPerPixel), qRound(form_->heightTwips() / twipsPerPixel));
        resize(size);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        }
    }
    show();
    raise();
    activateWindow();
    // No button starts with the focus ring; Tab brings it.
    setFocus();
}

QRectF FormWindow::toPixels(const Rect& r) const
{
    return QRectF(origin_.x() + r.left * scale_ / twipsPerPixel, origin_.y() + r.top * scale_ / twipsPerPixel,
                  r.width * scale_ / twipsPerPixel, r.height * scale_ / twipsPerPixel);
}

QPoint FormWindow::toTwips(const QPointF& p) const
{
    return QPoint(qRound((p.x() - origin_.x()) * twipsPerPixel / scale_),
                  qRound((p.y() - origin_.y()) * twipsPerPixel / scale_));
}

QFont FormWindow::fontFor(const Control& c) const
{
    QFont f = c.fontFamily.isEmpty() ? frontEnd_.gameFont() : QFont(c.fontFamily);
    if (!c.fontFamily.isEmpty())
        f.setFamilies({c.fontFamily, frontEnd_.gameFont().family()});
    f.setBold(c.bold);
    // Points are 20 twips.
    f.setPixelSize(std::max(1, qRound(c.fontSize * 20.0 / twipsPerPixel * scale_)));
    return f;
}

FormWindow::Look FormWindow::lookOf(const Control& c)
{
    return {c.rect(), c.visible, c.picture, c.caption, c.foreColor, c.backColor, c.fontSize, c.border, c.align};
}

void FormWindow::createWidgets()
{
    for (const auto& owned : form_->controls()) {
        Control& c = *owned;
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::Button: {
            auto* b = new PictureButton(frontEnd_.pictures(), this);
            connect(b, &QAbstractButton::clicked, this, [this, name = c.name] {
                if (!form_)
                    return;
                if (Control* target = const_cast<Control*>(form_->findControl(name)); target && target->onClick)
                    target->onClick();
                frontEnd_.afterInput();
            });
            w = b;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->addItems(c.items);
            list->setFrameShape(QFrame::Box);
            connect(list, &QListWidget::currentRowChanged, this, [this, name = c.name](int row) {
                if (!form_)
                    return;
                Control* target = const_cast<Control*>(form_->findControl(name));
                if (!target || target->listIndex == row)
                    return;
                target->listIndex = row;
                if (row >= 0 && target->onClick)
                    target->onClick();
                frontEnd_.afterInput();
            });
            w = list;
            break;
        }
        case ControlKind::TextBox: {
            auto* text = new QPlainTextEdit(this);
            text->setPlainText(c.caption);
            connect(text, &QPlainTextEdit::textChanged, this, [this, text, name = c.name] {
                if (!form_)
                    return;
                if (Control* target = const_cast<Control*>(form_->findControl(name)))
                    target->caption = text->toPlainText();
            });
            w = text;
            break;
        }
        default:
            continue;
        }
        w->installEventFilter(this);
        w->setAccessibleName(c.tooltip.isEmpty() ? c.name : c.tooltip);
        widgets_.insert(&c, w);
    }
}

void FormWindow::syncWidget(Control& c, QWidget* w)
{
    const QRect geometry = toPixels(c.rect()).toAlignedRect();
    if (w->geometry() != geometry)
        w->setGeometry(geometry);
    if (w->toolTip() != c.tooltip)
        w->setToolTip(c.tooltip);
    if (auto* b = qobject_cast<PictureButton*>(w)) {
        b->setPicture(c.picture);
        b->setClickable(bool(c.onClick));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        QFont f = fontFor(c);
        if (list->font() != f)
            list->setFont(f);
        const QString style = QStringLiteral("QListWidget { background: %1; color: %2; }").arg(c.backColor, c.foreColor);
        if (list->styleSheet() != style)
            list->setStyleSheet(style);
        if (list->currentRow() != c.listIndex) {
            const QSignalBlocker block(list);
            list->setCurrentRow(c.listIndex);
        }
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        QFont f = fontFor(c);
        if (text->font() != f)
            text->setFont(f);
        if (text->toPlainText() != c.caption) {
            const QSignalBlocker block(text);
            text->setPlainText(c.caption);
        }
    }
    if (w->isVisibleTo(this) != c.visible)
        w->setVisible(c.visible);
}

void FormWindow::sync(Draw when)
{
    if (!form_)
        return;
    Measurements::synced();
    QRegion dirty;
    if (!(form_->background == background_)) {
        background_ = form_->background;
        dirty = rect();
    }
    std::vector<std::pair<const Control*, Look>> looks;
    looks.reserve(form_->controls().size());
    size_t i = 0;
    bool sameList = true;
    for (const auto& owned : form_->controls()) {
        Control& c = *owned;
        if (c.isWidget()) {
            if (QWidget* w = widgets_.value(&c))
                syncWidget(c, w);
            continue;
        }
        Look look = lookOf(c);
        if (sameList && i < looks_.size() && looks_[i].first == &c) {
            const Look& old = looks_[i].second;
            if (!(old == look)) {
                QRectF changed;
                if (old.visible)
                    changed = toPixels(old.rect);
                if (look.visible)
                    changed = changed.united(toPixels(look.rect));
                dirty += changed.toAlignedRect().adjusted(-2, -2, 2, 2);
            }
        } else {
            sameList = false;
        }
        looks.emplace_back(&c, std::move(look));
        ++i;
    }
    if (!sameList || looks.size() != looks_.size())
        dirty = rect();
    looks_ = std::move(looks);
    if (dirty.isEmpty())
        return;
    if (when == Draw::Now)
        repaint(dirty);
    else
        update(dirty);
}

void FormWindow::layout()
{
    const double sx = width() * twipsPerPixel / form_->widthTwips();
    const double sy = height() * twipsPerPixel / form_->heightTwips();
    scale_ = std::min(sx, sy);
    // Whole pixels, so the background lands on the pixel grid and is copied,
    // not resampled.
    origin_ = QPointF(std::floor((width() - form_->widthTwips() * scale_ / twipsPerPixel) / 2),
                      std::floor((height() - form_->heightTwips() * scale_ / twipsPerPixel) / 2));
}

void FormWindow::resizeEvent(QResizeEvent*)
{
    if (!form_)
        return;
    layout();
    for (const auto& owned : form_->controls())
        if (QWidget* w = widgets_.value(owned.get()))
            syncWidget(*owned, w);
    update();
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (!form_) {
        p.fillRect(event->rect(), QColor(0x4A, 0x2C, 0x17));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    Measurements::framePainted();
    const QRectF whole = toPixels({0, 0, form_->widthTwips(), form_->heightTwips()});
    const QPixmap background = frontEnd_.pictures().pixmap(background_, whole.size().toSize(), devicePixelRatioF());
    // One rectangle of the changed region at a time: inside a plain
    // rectangular clip the background is a straight copy, where a clip of
    // several pieces would send every pixel through the slow general path.
    for (const QRect& area : event->region()) {
        p.setClipRect(area);
        paintArea(p, area, whole, background);
    }
    Measurements::frameDrawn();
}

void FormWindow::paintArea(QPainter& p, const QRect& area, const QRectF& whole, const QPixmap& background)
{
    if (!whole.contains(area))
        p.fillRect(area, QColor(0x4A, 0x2C, 0x17));
    const QRectF target = whole.intersected(area);
    if (background.isNull()) {
        p.fillRect(target, QColor(0xFF, 0xF4, 0xD6));
    } else {
        const qreal dpr = background.devicePixelRatio();
        p.drawPixmap(target, background,
                     QRectF((target.topLeft() - whole.topLeft()) * dpr, target.size() * dpr));
    }

    PictureCache& pictures = frontEnd_.pictures();
    for (const auto& owned : form_->controls()) {
        const Control& c = *owned;
        if (c.isWidget() || !c.visible)
            continue;
        const QRectF r = toPixels(c.rect());
        if (!r.intersects(area))
            continue;
        if (c.kind == ControlKind::Image) {
            const QPixmap pm = pictures.pixmap(c.picture, r.size().toSize(), devicePixelRatioF());
            if (!pm.isNull())
                p.drawPixmap(r.topLeft(), pm);
            if (c.border) {
                p.setPen(QPen(Qt::black, 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
            }
            continue;
        }
        if (!c.backColor.isEmpty())
            p.fillRect(r, QColor(c.backColor));
        if (c.caption.isEmpty())
            continue;
        p.setFont(fontFor(c));
        p.setPen(QColor(c.foreColor));
        const int horizontal = c.align == Align::Center ? Qt::AlignHCenter : c.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
        p.drawText(r, horizontal | Qt::AlignTop | Qt::TextWordWrap, c.caption);
    }
}

void FormWindow::press(QMouseEvent* event)
{
    if (!form_)
        return;
    const QPoint at = toTwips(event->position());
    Control* target = form_->controlAt(at.x(), at.y());
    pressed_ = target ? target->name : QString();
    pressedAt_ = event->position();
    leftPressed_ = event->button() == Qt::LeftButton;
    if (target)
        Measurements::pressed(target->name, double(at.x() - target->left) / std::max(1, target->width), target->left);
    else
        Measurements::pressed({}, 0, 0);
    if (target && target->onMouseDown)
        target->onMouseDown(toMouseButton(event->button()), at.x() - target->left, at.y() - target->top);
    frontEnd_.afterInput();
}

void FormWindow::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    press(event);
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!form_)
        return;
    const QPoint at = toTwips(event->position());
    Control* target = form_->controlAt(at.x(), at.y());
    // Only a control that answers double-clicks takes one; on any other the
    // second press of a quick pair is a press of its own, so fast taps count.
    if (target && target->onDblClick && event->button() == Qt::LeftButton) {
        pressed_.clear();
        target->onDblClick();
        frontEnd_.afterInput();
        return;
    }
    press(event);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!form_)
        return;
    const QPoint at = toTwips(event->position());
    if (!pressed_.isEmpty()) {
        Control* target = const_cast<Control*>(form_->findControl(pressed_));
        if (target && target->onMouseMove) {
            target->onMouseMove(toMouseButton(event->button()), at.x() - target->left, at.y() - target->top);
            frontEnd_.afterEvent();
        }
        return;
    }
    const Control* over = form_->controlAt(at.x(), at.y());
    const Cursor wanted = over ? over->cursor : Cursor::Arrow;
    if (wanted != cursorShown_) {
        cursorShown_ = wanted;
        if (wanted == Cursor::SizeAll)
            setCursor(Qt::SizeAllCursor);
        else
            unsetCursor();
    }
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!form_ || pressed_.isEmpty())
        return;
    const QString name = std::exchange(pressed_, QString());
    Control* target = const_cast<Control*>(form_->findControl(name));
    if (!target)
        return;
    const QPoint at = toTwips(event->position());
    if (target->onMouseUp)
        target->onMouseUp(toMouseButton(event->button()), at.x() - target->left, at.y() - target->top);
    // A click is a left press on a shown control and its release, with the
    // pointer not dragged away from where it went down. Where the control
    // stands at the release does not matter: the lion walks about a pixel a
    // millisecond, so an ordinary tap on its back ends behind it.
    const bool dragged = (event->position() - pressedAt_).manhattanLength() >= QApplication::startDragDistance();
    target = form_ ? const_cast<Control*>(form_->findControl(name)) : nullptr;
    if (!target) {
        frontEnd_.afterEvent();
        return;
    }
    const bool clicked = leftPressed_ && event->button() == Qt::LeftButton && !dragged && target->visible && target->onClick;
    Measurements::released(name, target->left, clicked);
    if (clicked)
        target->onClick();
    frontEnd_.afterInput();
}

void FormWindow::dispatchKey(QKeyEvent* event)
{
    // A key a child widget does not use comes up to the window again.
    if (!form_ || event == lastKey_)
        return;
    lastKey_ = event;
    form_->onKeyDown(screenKeyCode(event));
    frontEnd_.afterInput();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    dispatchKey(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The screen sees every key before its controls do.
    if (event->type() == QEvent::KeyPress && form_) {
        auto* key = static_cast<QKeyEvent*>(event);
        dispatchKey(key);
        if (key->key() == Qt::Key_Escape || !form_)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The screen's own close handling decides what comes next; the front end
    // removes this window once the screen is unloaded.
    event->ignore();
    if (!form_)
        return;
    frontEnd_.navigator().unload(*form_);
    frontEnd_.afterEvent();
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && form_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = toTwips(help->pos());
        const Control* c = form_->controlAt(at.x(), at.y());
        if (c && !c->tooltip.isEmpty())
            QToolTip::showText(help->globalPos(), c->tooltip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace tarovin
