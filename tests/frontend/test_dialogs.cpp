#include "frontend/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace tarovin;

namespace {

const QString gameTitle = QStringLiteral("咕嚕果");
const QStringList saveFilters{QStringLiteral("咕果存檔 (*.tvd)"), QStringLiteral("所有檔案 (*.*)")};

// Does act to the next modal box that opens, from inside the event loop that
// the box's exec() runs, as a player would. A box still open a few seconds
// after the act did not take it: it is hidden, which ends its exec(), and
// counted as left open.
class NextBox {
public:
    explicit NextBox(std::function<void(QWidget*)> act) : act_(std::move(act))
    {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start();
    }
    bool acted() const { return acted_; }
    bool leftOpen() const { return leftOpen_; }

private:
    void look()
    {
        QWidget* open = QApplication::activeModalWidget();
        if (!acted_) {
            if (!open || !open->isVisible())
                return;
            acted_ = true;
            box_ = open;
            since_.start();
            act_(open);
            return;
        }
        if (box_ && box_->isVisible() && since_.elapsed() > 3000) {
            leftOpen_ = true;
            box_->hide();
        }
    }

    std::function<void(QWidget*)> act_;
    QTimer poll_;
    QElapsedTimer since_;
    QPointer<QWidget> box_;
    bool acted_ = false;
    bool leftOpen_ = false;
};

// A key pressed and released where the keyboard is: the focused control of
// the box, which passes on what it does not use.
void press(QWidget* box, Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != box)
        target = box;
    QTest::keyClick(target, key);
}

// The close box of the title bar: a close request from the window system.
void closeBox(QWidget* box)
{
    box->windowHandle()->close();
}

// How the player ends a box: "esc", "close", "enter", or the caption of a
// standard button to click ("OK", "Cancel", "Yes", "No").
void end(QWidget* box, const QString& how)
{
    if (how == u"esc")
        press(box, Qt::Key_Escape);
    else if (how == u"close")
        closeBox(box);
    else if (how == u"enter")
        press(box, Qt::Key_Return);
    else if (auto* message = qobject_cast<QMessageBox*>(box)) {
        const QMap<QString, QMessageBox::StandardButton> buttons{
            {"OK", QMessageBox::Ok}, {"Cancel", QMessageBox::Cancel}, {"Yes", QMessageBox::Yes}, {"No", QMessageBox::No}};
        QAbstractButton* button = message->button(buttons.value(how));
        QVERIFY2(button, qPrintable(how));
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QFAIL(qPrintable("no way to end the box: " + how));
    }
}

// What a file dialog was set up with, as the player finds it.
struct FileDialogSetup {
    QString title;
    QStringList filters;
    QString selectedFilter;
    QString defaultSuffix;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
};

FileDialogSetup setupOf(QWidget* box)
{
    auto* dialog = qobject_cast<QFileDialog*>(box);
    if (!dialog)
        return {};
    return {dialog->windowTitle(), dialog->nameFilters(), dialog->selectedNameFilter(), dialog->defaultSuffix(),
            dialog->acceptMode(), dialog->fileMode()};
}

// Puts name in the file dialog's name field in folder and presses Enter. The
// name is set rather than typed: typing opens the completion list, which
// would take the Enter whenever the folder's listing comes in time.
void enterName(QWidget* box, const QString& folder, const QString& name)
{
    auto* dialog = qobject_cast<QFileDialog*>(box);
    QVERIFY(dialog);
    dialog->setDirectory(folder);
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    field->setFocus();
    field->setText(name);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

// The real Qt boxes, offscreen: each way of ending one gives the answer the
// screens act on, and the file dialogs offer what the save files need.
class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageBoxAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        const int ok = int(MsgButtons::Ok);
        const int okCancel = int(MsgButtons::OkCancel);
        const int yesNo = int(MsgButtons::YesNo);
        QTest::newRow("OK, Esc") << ok << "esc" << int(MsgOk);
        QTest::newRow("OK, close box") << ok << "close" << int(MsgOk);
        QTest::newRow("OK, Enter") << ok << "enter" << int(MsgOk);
        QTest::newRow("OK/Cancel, Esc is Cancel") << okCancel << "esc" << int(MsgCancel);
        QTest::newRow("OK/Cancel, close box is Cancel") << okCancel << "close" << int(MsgCancel);
        QTest::newRow("OK/Cancel, Enter is OK") << okCancel << "enter" << int(MsgOk);
        QTest::newRow("OK/Cancel, the Cancel button") << okCancel << "Cancel" << int(MsgCancel);
        QTest::newRow("OK/Cancel, the OK button") << okCancel << "OK" << int(MsgOk);
        QTest::newRow("Yes/No, Esc is No") << yesNo << "esc" << int(MsgNo);
        QTest::newRow("Yes/No, close box is No") << yesNo << "close" << int(MsgNo);
        QTest::newRow("Yes/No, Enter is Yes") << yesNo << "enter" << int(MsgYes);
        QTest::newRow("Yes/No, the No button") << yesNo << "No" << int(MsgNo);
        QTest::newRow("Yes/No, the Yes button") << yesNo << "Yes" << int(MsgYes);
    }

    void messageBoxAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(QString, how);
        QFETCH(int, answer);
        QtDialogs dialogs;
        NextBox player([&](QWidget* box) { end(box, how); });
        const int result =
            dialogs.messageBox(QStringLiteral("是否離開遊戲？"), MsgButtons(buttons), MsgIcon::Question, gameTitle);
        QVERIFY(player.acted());
        QVERIFY2(!player.leftOpen(), "the box did not close");
        QCOMPARE(result, answer);
    }

    void inputBoxAnswers_data()
    {
        QTest::addColumn<QString>("typed"); // replaces the offered text; empty: left as offered
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Esc is Cancel, the empty text") << "" << "esc" << "";
        QTest::newRow("close box is Cancel") << "12" << "close" << "";
        QTest::newRow("Enter takes the offer") << "" << "enter" << "5";
        QTest::newRow("Enter takes what was typed") << "12a" << "enter" << "12a";
    }

    void inputBoxAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QtDialogs dialogs;
        QString offered;
        NextBox player([&](QWidget* box) {
            auto* field = box->findChild<QLineEdit*>();
            QVERIFY(field);
            offered = field->text();
            if (!typed.isEmpty()) {
                field->selectAll();
                QTest::keyClicks(field, typed);
            }
            end(box, how);
        });
        const QString result = dialogs.inputBox(QStringLiteral("請輸入您要兌換的獅頭鑽"), gameTitle, QStringLiteral("5"));
        QVERIFY(player.acted());
        QVERIFY2(!player.leftOpen(), "the box did not close");
        QCOMPARE(offered, QString("5"));
        QCOMPARE(result, answer);
    }

    void theSaveDialog_data()
    {
        QTest::addColumn<QString>("name"); // entered and confirmed with Enter; empty: the box is ended by how
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("chosen"); // relative to the folder; empty: nothing chosen
        QTest::newRow("a name without an ending gets .tvd") << "mysave" << "" << "mysave.tvd";
        QTest::newRow("a name with its ending keeps it") << "backup.tvd" << "" << "backup.tvd";
        QTest::newRow("another ending stays") << "notes.txt" << "" << "notes.txt";
        QTest::newRow("Esc chooses nothing") << "" << "esc" << "";
        QTest::newRow("the close box chooses nothing") << "" << "close" << "";
    }

    void theSaveDialog()
    {
        QFETCH(QString, name);
        QFETCH(QString, how);
        QFETCH(QString, chosen);
        QTemporaryDir folder;
        QtDialogs dialogs;
        FileDialogSetup setup;
        NextBox player([&](QWidget* box) {
            setup = setupOf(box);
            if (name.isEmpty())
                end(box, how);
            else
                enterName(box, folder.path(), name);
        });
        const QString result = dialogs.saveFileName(gameTitle, saveFilters, QStringLiteral("tvd"));
        QVERIFY(player.acted());
        QVERIFY2(!player.leftOpen(), "the dialog did not close");
        QCOMPARE(setup.title, gameTitle);
        // Names without a dot are common here, so every file is "*".
        QCOMPARE(setup.filters, (QStringList{"咕果存檔 (*.tvd)", "所有檔案 (*)"}));
        QCOMPARE(setup.selectedFilter, QString("咕果存檔 (*.tvd)"));
        QCOMPARE(setup.defaultSuffix, QString("tvd"));
        QCOMPARE(setup.acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(setup.fileMode, QFileDialog::AnyFile);
        QCOMPARE(result, chosen.isEmpty() ? QString() : QDir(folder.path()).filePath(chosen));
    }

    void theOpenDialog_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("an existing save") << "old.tvd" << "" << "old.tvd";
        QTest::newRow("Esc chooses nothing") << "" << "esc" << "";
        QTest::newRow("the close box chooses nothing") << "" << "close" << "";
    }

    void theOpenDialog()
    {
        QFETCH(QString, name);
        QFETCH(QString, how);
        QFETCH(QString, chosen);
        QTemporaryDir folder;
        QFile old(QDir(folder.path()).filePath(QStringLiteral("old.tvd")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QtDialogs dialogs;
        FileDialogSetup setup;
        NextBox player([&](QWidget* box) {
            setup = setupOf(box);
            if (name.isEmpty())
                end(box, how);
            else
                enterName(box, folder.path(), name);
        });
        const QString result = dialogs.openFileName(gameTitle, saveFilters);
        QVERIFY(player.acted());
        QVERIFY2(!player.leftOpen(), "the dialog did not close");
        QCOMPARE(setup.title, gameTitle);
        QCOMPARE(setup.filters, (QStringList{"咕果存檔 (*.tvd)", "所有檔案 (*)"}));
        QCOMPARE(setup.selectedFilter, QString("咕果存檔 (*.tvd)"));
        QCOMPARE(setup.acceptMode, QFileDialog::AcceptOpen);
        // Only a file that is there can be chosen.
        QCOMPARE(setup.fileMode, QFileDialog::ExistingFile);
        QCOMPARE(result, chosen.isEmpty() ? QString() : QDir(folder.path()).filePath(chosen));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
