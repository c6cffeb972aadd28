#include "QtDialogs.h"

#include "DialogLook.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tarovin {

namespace {
QWidget* owner()
{
    return QApplication::activeWindow();
}

// "*.*" means every file on the game's home platform; on Linux many names
// have no dot, so the pattern becomes "*".
QStringList qtFilters(QStringList filters)
{
    for (QString& f : filters)
        f.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return filters;
}
} // namespace

int QtDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    QMessageBox box(owner());
    dressDialog(box);
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgOk;
    case QMessageBox::Yes: return MsgYes;
    case QMessageBox::No: return MsgNo;
    default: return buttons == MsgButtons::YesNo ? MsgNo : buttons == MsgButtons::Ok ? MsgOk : MsgCancel;
    }
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    // A dialog object rather than the static helper, so that it can be
    // dressed before it shows.
    QInputDialog dialog(owner());
    dressDialog(dialog);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

namespace {

// One file chosen in the game's own file dialog, or the empty text when the
// player cancels. A dialog object rather than the static helpers: only it
// appends the default suffix, and the non-native dialog does so everywhere.
QString chooseFile(QWidget* parent, const QString& title, const QStringList& nameFilters,
                   QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, title);
    dressDialog(dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(acceptMode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilters(nameFilters);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::saveFileName(const QString& title, const QStringList& filters, const QString& defaultSuffix)
{
    return chooseFile(owner(), title, qtFilters(filters), QFileDialog::AcceptSave, QFileDialog::AnyFile, defaultSuffix);
}

QString QtDialogs::openFileName(const QString& title, const QStringList& filters)
{
    return chooseFile(owner(), title, qtFilters(filters), QFileDialog::AcceptOpen, QFileDialog::ExistingFile, {});
}

} // namespace tarovin
