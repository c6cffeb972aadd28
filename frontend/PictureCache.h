#pragma once

#include "toolkit/Control.h"

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
    // ratio; a null pixmap, and an error in the log, when the picture does
    // not exist.
    QPixmap pixmap(const Picture& picture, QSize logicalSize, qreal devicePixelRatio);
    static bool exists(const QString& name);

private:
    // One rendering: which picture, at how many device pixels, which way round.
    struct Key {
        QString name;
        QSize size;
        bool mirrored;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.name, k.size.width(), k.size.height(), k.mirrored);
        }
    };

    QSvgRenderer* renderer(const QString& name);

    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
    QHash<Key, QPixmap> pixmaps_;
};

} // namespace tarovin
