#pragma once

#include <QString>
#include <QStringList>

namespace tarovin {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };

// Message box results, numbered as the game has always numbered them.
enum MsgResult { MsgOk = 1, MsgCancel = 2, MsgYes = 6, MsgNo = 7 };

// Modal boxes and file dialogs. The real program shows Qt's dialogs (timers
// keep firing meanwhile); tests answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) = 0;
    // Returns the typed text, or the empty text when the player cancels.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // Filters as "描述 (*.ext)". Returns the chosen path or the empty text.
    // The save dialog appends defaultSuffix to a name typed without one.
    virtual QString saveFileName(const QString& title, const QStringList& filters, const QString& defaultSuffix) = 0;
    virtual QString openFileName(const QString& title, const QStringList& filters) = 0;
};

} // namespace tarovin
