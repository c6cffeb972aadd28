#include "PictureButton.h"

#include "PictureCache.h"

#include <QPainter>

namespace tarovin {

PictureButton::PictureButton(PictureCache& pictures, QWidget* parent) : QAbstractButton(parent), pictures_(pictures)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setPicture(const Picture& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    update();
}

void PictureButton::setClickable(bool clickable)
{
    if (clickable == clickable_)
        return;
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void PictureButton::enterEvent(QEnterEvent*)
{
    hovered_ = true;
    update();
}

void PictureButton::leaveEvent(QEvent*)
{
    hovered_ = false;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF area = rect();
    // A pressed button sinks a little, a hovered one lights up.
    if (isDown())
        area.adjust(1, 1, -1, -1);
    QPixmap pm = pictures_.pixmap(picture_, area.size().toSize(), devicePixelRatioF());
    const bool lit = hovered_ && clickable_ && !isDown();
    if (!pm.isNull()) {
        if (lit) {
            // Lighter only where the picture is, so a round button stays round.
            QPainter light(&pm);
            light.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            light.fillRect(QRectF(QPointF(0, 0), area.size()), QColor(255, 255, 255, 48));
        }
        p.drawPixmap(area.topLeft(), pm);
    } else {
        p.setPen(QPen(QColor(0x4A, 0x2C, 0x17), 2));
        p.setBrush(QColor(0xFF, 0xF4, 0xD6));
        p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x40, 0xA9, 0xFF), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    }
}

} // namespace tarovin
