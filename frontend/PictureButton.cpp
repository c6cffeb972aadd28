#include "PictureButton.h"

#include "PictureCache.h"

#include <QGraphicsEffect>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarovin {

namespace {

// Below this brightness a pixel is outline or words: both stay as they are,
// so a lit button keeps its contrast. Above the second threshold a pixel is
// face and changes in full; in between (the anti-aliased edges) in part.
constexpr float darkUpTo = 0.45f;
constexpr float faceFrom = 0.70f;

float faceWeight(float value)
{
    return std::clamp((value - darkUpTo) / (faceFrom - darkUpTo), 0.0f, 1.0f);
}

template <typename Change>
QPixmap changedPixels(const QPixmap& source, Change change)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]))
                line[x] = change(line[x]);
    }
    QPixmap result = QPixmap::fromImage(std::move(image));
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

// A livelier face: more colour and a touch more light, never towards white,
// which is what made a hovered button look switched off.
QPixmap livelier(const QPixmap& source)
{
    return changedPixels(source, [](QRgb rgb) {
        const QColor c = QColor::fromRgba(rgb);
        float h, s, v, a;
        c.getHsvF(&h, &s, &v, &a);
        const float w = faceWeight(v);
        if (w == 0.0f)
            return rgb;
        const float s2 = std::min(1.0f, s * 1.25f + 0.06f);
        const float v2 = std::min(1.0f, v * 1.06f);
        return QColor::fromHsvF(h < 0 ? 0 : h, s + (s2 - s) * w, v + (v2 - v) * w, a).rgba();
    });
}

// The shade of a pressed button: the cream face becomes the pressed face of
// the art (#FFF4D6 -> #FFE3B0), other colours darken and warm alike.
QPixmap shaded(const QPixmap& source)
{
    return changedPixels(source, [](QRgb rgb) {
        return qRgba(qRed(rgb), qGreen(rgb) * 227 / 244, qBlue(rgb) * 176 / 214, qAlpha(rgb));
    });
}

const QColor glowColour(0xFF, 0xD2, 0x1F, 230);

// How far the glow reaches beyond the button: a few pixels round a small
// button, a little more round a big one.
int glowReach(QSizeF button)
{
    return std::clamp(int(std::min(button.width(), button.height()) * 0.15), 5, 12);
}

// The glow round a picture: its shape spread out a little, in gold, then
// softened (down to a quarter and smoothly back up), so that it is strong at
// the button's edge and fades within the reach.
QPixmap haloOf(const QPixmap& source)
{
    const qreal dpr = source.devicePixelRatio();
    const int reach = glowReach(source.deviceIndependentSize());
    const QSizeF logical = source.deviceIndependentSize() + QSizeF(2 * reach, 2 * reach);
    QImage halo((logical * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    halo.setDevicePixelRatio(dpr);
    halo.fill(Qt::transparent);
    {
        QPainter h(&halo);
        const qreal spread = reach * 0.4;
        for (int i = 0; i < 12; ++i) {
            const double angle = i * std::numbers::pi / 6;
            h.drawPixmap(QPointF(reach + spread * std::cos(angle), reach + spread * std::sin(angle)), source);
        }
        h.setCompositionMode(QPainter::CompositionMode_SourceIn);
        h.fillRect(QRectF(QPointF(0, 0), logical), glowColour);
    }
    const QSize full = halo.size();
    halo = halo.scaled((QSizeF(full) / 4).toSize().expandedTo({1, 1}), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    halo.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(std::move(halo));
}

// Draws a halo behind the button, outside its own rectangle, which only a
// graphics effect may do.
class Glow final : public QGraphicsEffect {
public:
    void setHalo(const QPixmap& halo, int reach)
    {
        if (halo.cacheKey() == halo_.cacheKey() && reach == reach_)
            return;
        halo_ = halo;
        reach_ = reach;
        updateBoundingRect();
        update();
    }

protected:
    QRectF boundingRectFor(const QRectF& rect) const override { return rect.adjusted(-reach_, -reach_, reach_, reach_); }
    void draw(QPainter* painter) override
    {
        painter->drawPixmap(QPointF(-reach_, -reach_), halo_);
        drawSource(painter);
    }

private:
    QPixmap halo_;
    int reach_ = 0;
};

} // namespace

PictureButton::PictureButton(PictureCache& pictures, QWidget* parent) : QAbstractButton(parent), pictures_(pictures)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::pressed, this, &PictureButton::updateGlow);
    connect(this, &QAbstractButton::released, this, &PictureButton::updateGlow);
}

void PictureButton::setPicture(const Picture& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    updateGlow();
    update();
}

void PictureButton::setClickable(bool clickable)
{
    if (clickable == clickable_)
        return;
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    updateGlow();
    update();
}

void PictureButton::resizeEvent(QResizeEvent*)
{
    updateGlow();
}

void PictureButton::enterEvent(QEnterEvent*)
{
    hovered_ = true;
    updateGlow();
    update();
}

void PictureButton::leaveEvent(QEvent*)
{
    hovered_ = false;
    updateGlow();
    update();
}

bool PictureButton::lit() const
{
    return hovered_ && clickable_ && !isDown();
}

// The glow exists only while the button is lit, and follows its picture and
// size meanwhile.
void PictureButton::updateGlow()
{
    if (!lit()) {
        if (graphicsEffect())
            setGraphicsEffect(nullptr);
        return;
    }
    const QPixmap source = pictures_.pixmap(picture_, size(), devicePixelRatioF());
    if (source.isNull())
        return;
    auto* glow = static_cast<Glow*>(graphicsEffect());
    if (!glow) {
        glow = new Glow;
        setGraphicsEffect(glow);
    }
    glow->setHalo(variant(halo_, source, haloOf), glowReach(size()));
}

// How far a pressed button sinks: enough to see on a small round button,
// never more than a few pixels on a big one.
int PictureButton::sink() const
{
    return std::clamp(height() / 16, 2, 5);
}

const QPixmap& PictureButton::variant(Variant& kept, const QPixmap& source, QPixmap (*change)(const QPixmap&))
{
    if (kept.sourceKey != source.cacheKey())
        kept = {source.cacheKey(), change(source)};
    return kept.pixmap;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    // Pressed, the picture is squashed from the top onto its lower edge, and
    // drawn for that size so that it stays sharp.
    const int top = isDown() ? sink() : 0;
    const QPixmap source = pictures_.pixmap(picture_, size() - QSize(0, top), devicePixelRatioF());
    if (source.isNull()) {
        p.setPen(QPen(QColor(0x4A, 0x2C, 0x17), 2));
        p.setBrush(QColor(0xFF, 0xF4, 0xD6));
        p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    } else if (isDown()) {
        p.drawPixmap(QPointF(0, top), variant(pressedFace_, source, shaded));
    } else if (lit()) {
        p.drawPixmap(QPointF(0, 0), variant(litFace_, source, livelier));
    } else {
        p.drawPixmap(QPointF(0, 0), source);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x40, 0xA9, 0xFF), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    }
}

} // namespace tarovin
