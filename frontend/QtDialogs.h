#pragma once

#include "toolkit/Dialogs.h"

namespace tarovin {

// Qt's own boxes, dressed in the game's look, modal over the active window;
// timers keep firing while one is open. afterEvent lets the front end redraw
// screens that a timer changed.
class QtDialogs final : public Dialogs {
public:
    int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QStringList& filters, const QString& defaultSuffix) override;
    QString openFileName(const QString& title, const QStringList& filters) override;
};

} // namespace tarovin
