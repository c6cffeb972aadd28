#include "PictureCache.h"

#include <QDebug>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

namespace tarovin {

PictureCache::PictureCache() = default;
PictureCache::~PictureCache() = default;

bool PictureCache::exists(const QString& name)
{
    return QFile::exists(Picture::resourcePath(name));
}

QSvgRenderer* PictureCache::renderer(const QString& name)
{
    auto it = renderers_.find(name);
    if (it == renderers_.end()) {
        auto r = std::make_shared<QSvgRenderer>(Picture::resourcePath(name));
        // A screen asked for a picture the program does not have: a fault of
        // the program, said once, and the control is drawn without it.
        if (!r->isValid())
            qCritical("the program has no picture named %s", qUtf8Printable(name));
        it = renderers_.insert(name, r->isValid() ? r : nullptr);
    }
    return it->get();
}

QPixmap PictureCache::pixmap(const Picture& picture, QSize logicalSize, qreal dpr)
{
    if (picture.isNull() || logicalSize.isEmpty())
        return {};
    const QSize device = (QSizeF(logicalSize) * dpr).toSize();
    const Key key{picture.name, device, picture.mirrored};
    if (auto it = pixmaps_.constFind(key); it != pixmaps_.constEnd())
        return *it;
    QSvgRenderer* svg = renderer(picture.name);
    if (!svg)
        return {};
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (picture.mirrored)
            p.setTransform(QTransform(-1, 0, 0, 1, device.width(), 0));
        svg->render(&p, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    // Going through an image lets Qt notice pictures without a transparent
    // pixel (the backgrounds) and keep them opaque, so drawing them is a copy
    // instead of a blend in every paint.
    QPixmap pm = QPixmap::fromImage(std::move(image));
    pm.setDevicePixelRatio(dpr);
    pixmaps_.insert(key, pm);
    return pm;
}

} // namespace tarovin
