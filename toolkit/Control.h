#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tarovin {

// A rectangle in twips (1/1440 inch; 15 twips are one pixel at scale 1).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A picture is an SVG of the game's art, named without folder or suffix and
// compiled into the program as ":/pictures/NAME.svg". A lion facing left is
// the right-facing picture drawn mirrored.
struct Picture {
    QString name;
    bool mirrored = false;

    bool isNull() const { return name.isEmpty(); }
    static QString resourcePath(const QString& name) { return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

enum class ControlKind { Image, Label, Button, ListBox, TextBox };
enum class Align { Left, Center, Right };
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
enum class Cursor { Arrow, SizeAll };

// One control of a screen, held as plain data so that the rules of every screen
// can be driven and checked without a display. The front end draws these and
// feeds the events back through the handlers.
struct Control {
    QString name;
    ControlKind kind = ControlKind::Image;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;

    QString caption;     // label caption, text box text
    QString tooltip;
    Picture picture;     // image and button face
    bool stretch = true; // images always fill their rectangle; kept for clarity
    bool border = false; // a single fixed border around an image

    QString foreColor = QStringLiteral("#000000");
    QString backColor;   // empty: transparent
    double fontSize = 20.25;
    QString fontFamily;  // empty: the game's Chinese font
    bool bold = true;
    Align align = Align::Left;
    Cursor cursor = Cursor::Arrow;

    QStringList items;   // list box entries
    int listIndex = -1;  // list box selection, -1 for none

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(MouseButton, int x, int y)> onMouseDown;
    std::function<void(MouseButton, int x, int y)> onMouseMove;
    std::function<void(MouseButton, int x, int y)> onMouseUp;

    Rect rect() const { return {left, top, width, height}; }
    void setRect(const Rect& r)
    {
        left = r.left;
        top = r.top;
        width = r.width;
        height = r.height;
    }
    bool isWidget() const
    {
        return kind == ControlKind::Button || kind == ControlKind::ListBox || kind == ControlKind::TextBox;
    }
    // The text of list entry i, empty when out of range.
    QString itemText(int i) const { return i >= 0 && i < items.size() ? items.at(i) : QString(); }
};

} // namespace tarovin
