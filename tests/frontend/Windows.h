#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tarovin::test {

// The one window on the display, or null when none or several are shown.
inline QWidget* onlyWindow()
{
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            found = found ? nullptr : w;
    return found;
}

// Counts the paints that reach a widget it is installed on.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace tarovin::test
