#pragma once

#include "app/toolkit/Control.h"

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class QSvgRenderer;

namespace tarovin {

// Every picture is parsed once and rendered once per size, device pixel ratio
// and direction; a paint only ever copies a finished pixmap.
class PictureCache {
public:
    PictureCache();
    ~PictureCache();

    // The picture rendered to fill logicalSize at the given device pixel
    // ratio; a null pixmap when the picture does not exist.
    QPixmap pixmap(const Picture& picture, QSize logicalSize, qreal devicePixelRatio);
    static bool exists(const QString& name);

private:
    QSvgRenderer* renderer(const QString& name);

    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
    QHash<QString, QPixmap> pixmaps_;
};

} // namespace tarovin
