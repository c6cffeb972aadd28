#pragma once

#include "app/toolkit/Control.h"

#include <QAbstractButton>

namespace tarovin {

class PictureCache;

// A button that is its picture: the words or symbol are drawn in the SVG.
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
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    PictureCache& pictures_;
    Picture picture_;
    bool hovered_ = false;
    bool clickable_ = true;
};

} // namespace tarovin
