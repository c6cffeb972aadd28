#pragma once

#include "toolkit/Control.h"

#include <QAbstractButton>
#include <QPixmap>

namespace tarovin {

class PictureCache;

// A button that is its picture: the words or symbol are drawn in the SVG.
// Under the mouse its face comes alive (livelier colours, a warm glow round
// it, the dark outline and words as dark as ever); pressed, it sinks onto its
// lower edge in the shade of a pressed button face.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(PictureCache& pictures, QWidget* parent);
    void setPicture(const Picture& picture);
    // A button without a handler only shows a state (a power-up's wait): it
    // keeps the arrow and does not light up under the mouse.
    void setClickable(bool clickable);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // A picture changed for one state, remembered with the rendering it was
    // made from so that it is made again only when that rendering changes.
    struct Variant {
        qint64 sourceKey = 0;
        QPixmap pixmap;
    };

    static const QPixmap& variant(Variant& kept, const QPixmap& source, QPixmap (*change)(const QPixmap&));
    bool lit() const;
    void updateGlow();
    int sink() const;

    PictureCache& pictures_;
    Picture picture_;
    bool hovered_ = false;
    bool clickable_ = true;
    Variant litFace_;
    Variant pressedFace_;
    Variant halo_;
};

} // namespace tarovin
