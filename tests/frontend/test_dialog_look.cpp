#include "frontend/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tarovin;

namespace {

const QColor outline(0x4A, 0x2C, 0x17);
const QColor wood(0xB9, 0x7A, 0x57);
const QColor card(0xFF, 0xF9, 0xEA);

// Runs `act` on the box once it is up, from inside its own event loop. `act`
// only looks and answers; the test checks what it saw after the box is gone,
// so that a failed check can never leave a box open.
void whenShown(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
}

bool near(const QColor& a, const QColor& b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The frame a player sees round every box: the dark outline at the very
// edge, the wooden band inside it, the cream card within.
struct Frame {
    QColor edge, band, inside;

    static Frame of(QWidget* box)
    {
        const QImage shot = box->grab().toImage();
        const int mid = shot.height() / 2;
        return {shot.pixelColor(1, mid), shot.pixelColor(4, mid), shot.pixelColor(16, shot.height() - 16)};
    }
    void verify() const
    {
        QVERIFY2(near(edge, outline), qPrintable(edge.name()));
        QVERIFY2(near(band, wood), qPrintable(band.name()));
        QVERIFY2(near(inside, card), qPrintable(inside.name()));
    }
};

// The texts a plain Qt message box gives these buttons: the game's boxes
// must show exactly the same words.
QMap<int, QString> plainButtonTexts(QMessageBox::StandardButtons buttons)
{
    QMessageBox plain;
    plain.setStandardButtons(buttons);
    QMap<int, QString> texts;
    for (QAbstractButton* b : plain.buttons())
        texts.insert(plain.standardButton(b), b->text());
    return texts;
}

// What the message box showed while it was open.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMap<int, QString> buttonTexts;
    bool anyButtonIcon = false;
    QImage iconPicture;
    bool textFound = false;
    bool textFits = false;
    Frame frame;
};

// The name into the file name field, then Enter. Set rather than typed:
// typing a path opens the field's completion list, which takes the Enter.
void typeName(QWidget* dialog, const QString& name)
{
    auto* edit = qobject_cast<QLineEdit*>(dialog->focusWidget());
    if (!qobject_cast<QFileDialog*>(dialog) || !edit) {
        dialog->close();
        return;
    }
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool textFits(const QLabel* label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->sizeHint().width() <= label->width() && label->sizeHint().height() <= label->height();
}

} // namespace

Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgIcon)

// The boxes wear the game's look; their words, buttons, icons and answers are
// the ones Qt's plain boxes had.
class TestDialogLook : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesKeepTheirWordsButtonsAndAnswers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("answerWith"); // a button to click, or NoButton for the Enter key
        QTest::addColumn<int>("answer");
        QTest::addColumn<QColor>("iconColour"); // the fill of the drawn icon; invalid for none

        const QColor none;
        const QString exitQuestion = QStringLiteral("是否離開遊戲？");
        QTest::newRow("exit, OK") << exitQuestion << MsgButtons::OkCancel << MsgIcon::None << int(QMessageBox::NoIcon)
                                  << int(QMessageBox::Ok) << int(QMessageBox::Ok) << 1 << none;
        QTest::newRow("exit, Cancel") << exitQuestion << MsgButtons::OkCancel << MsgIcon::None << int(QMessageBox::NoIcon)
                                      << int(QMessageBox::Ok) << int(QMessageBox::Cancel) << 2 << none;
        QTest::newRow("exit, Enter") << exitQuestion << MsgButtons::OkCancel << MsgIcon::None << int(QMessageBox::NoIcon)
                                     << int(QMessageBox::Ok) << int(QMessageBox::NoButton) << 1 << none;
        QTest::newRow("refusal") << QStringLiteral("獅頭鑽不足") << MsgButtons::Ok << MsgIcon::Exclamation
                                 << int(QMessageBox::Warning) << int(QMessageBox::NoButton) << int(QMessageBox::Ok) << 1
                                 << QColor(0xF5, 0xB3, 0x27);
        QTest::newRow("wipe, Cancel") << QStringLiteral("是否清空所有遊玩資訊") << MsgButtons::OkCancel
                                      << MsgIcon::Exclamation << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                      << int(QMessageBox::Cancel) << 2 << QColor(0xF5, 0xB3, 0x27);
        QTest::newRow("saved") << QStringLiteral("儲存成功!") << MsgButtons::Ok << MsgIcon::Information
                               << int(QMessageBox::Information) << int(QMessageBox::NoButton) << int(QMessageBox::Ok) << 1
                               << QColor(0x40, 0xA9, 0xFF);
        QTest::newRow("import error, three lines")
            << QStringLiteral("讀取檔案時發生錯誤: 檔案不是文字檔，不是咕嚕果的存檔\r\n沒有載入任何資料。") << MsgButtons::Ok
            << MsgIcon::Critical << int(QMessageBox::Critical) << int(QMessageBox::NoButton) << int(QMessageBox::Ok) << 1
            << QColor(0xE5, 0x48, 0x3B);
        const QString overwrite = QStringLiteral("是否覆蓋？\r\n存檔日期: 2026,12,10");
        QTest::newRow("overwrite, Yes") << overwrite << MsgButtons::YesNo << MsgIcon::Question << int(QMessageBox::Question)
                                        << int(QMessageBox::Yes) << int(QMessageBox::Yes) << 6 << QColor(0x7C, 0xC4, 0x6A);
        QTest::newRow("overwrite, No") << overwrite << MsgButtons::YesNo << MsgIcon::Question << int(QMessageBox::Question)
                                       << int(QMessageBox::Yes) << int(QMessageBox::No) << 7 << QColor(0x7C, 0xC4, 0x6A);
        QTest::newRow("gift boxes, Enter") << QStringLiteral("獅子禮物盒不足，是否打開商店") << MsgButtons::YesNo
                                           << MsgIcon::None << int(QMessageBox::NoIcon) << int(QMessageBox::Yes)
                                           << int(QMessageBox::NoButton) << 6 << none;
    }

    void messageBoxesKeepTheirWordsButtonsAndAnswers()
    {
        QFETCH(QString, text);
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgIcon, icon);
        QFETCH(int, qtIcon);
        QFETCH(int, defaultButton);
        QFETCH(int, answerWith);
        QFETCH(int, answer);
        QFETCH(QColor, iconColour);
        const QString shownText = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

        SeenBox seen;
        whenShown([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                w->close();
                return;
            }
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            seen.defaultButton = box->standardButton(box->defaultButton());
            for (QAbstractButton* b : box->buttons()) {
                seen.buttonTexts.insert(box->standardButton(b), b->text());
                seen.anyButtonIcon = seen.anyButtonIcon || !b->icon().isNull();
            }
            seen.iconPicture = box->iconPixmap().toImage();
            for (const QLabel* label : box->findChildren<QLabel*>())
                if (label->text() == shownText) {
                    seen.textFound = true;
                    seen.textFits = textFits(label);
                }
            seen.frame = Frame::of(box);
            if (answerWith == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Return);
            else if (QAbstractButton* b = box->button(QMessageBox::StandardButton(answerWith)))
                QTest::mouseClick(b, Qt::LeftButton);
            else
                box->close();
        });
        QtDialogs dialogs;
        const int result = dialogs.messageBox(text, buttons, icon, QStringLiteral("咕嚕果"));

        QCOMPARE(result, answer);
        QCOMPARE(seen.title, QStringLiteral("咕嚕果"));
        QCOMPARE(seen.text, shownText);
        QCOMPARE(int(seen.icon), qtIcon);
        const QMessageBox::StandardButtons expected = buttons == MsgButtons::Ok ? QMessageBox::Ok
            : buttons == MsgButtons::OkCancel                                   ? QMessageBox::Ok | QMessageBox::Cancel
                                                                                : QMessageBox::Yes | QMessageBox::No;
        QCOMPARE(seen.buttons, expected);
        QCOMPARE(int(seen.defaultButton), defaultButton);
        QCOMPARE(seen.buttonTexts, plainButtonTexts(expected));
        // The game's buttons carry their words alone.
        QVERIFY(!seen.anyButtonIcon);
        // Every line of the text is there to read, none cut off.
        QVERIFY(seen.textFound);
        QVERIFY(seen.textFits);
        seen.frame.verify();
        if (!iconColour.isValid()) {
            QVERIFY(seen.iconPicture.isNull());
        } else {
            // The game's drawing for this kind of box, not Qt's: its fill
            // colour inside the shape, clear of the symbol.
            QVERIFY(!seen.iconPicture.isNull());
            const QImage icon56 = seen.iconPicture.scaled(56, 56);
            const QPoint inside = icon == MsgIcon::Exclamation ? QPoint(40, 40) : QPoint(44, 30);
            const QColor fill = icon56.pixelColor(inside);
            QVERIFY2(near(fill, iconColour), qPrintable(fill.name()));
        }
    }

    // Like the game's picture buttons, a box's button under the mouse warms
    // up rather than fading towards white.
    void aBoxButtonUnderTheMouseLightsUp()
    {
        QColor plain, lit;
        bool left = false, over = false;
        whenShown([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QAbstractButton* cancel = box ? box->button(QMessageBox::Cancel) : nullptr;
            if (!cancel) {
                w->close();
                return;
            }
            const QPoint face(10, cancel->height() / 2);
            QTest::mouseMove(box, QPoint(2, 2));
            left = QTest::qWaitFor([&] { return !cancel->underMouse(); }, 1000);
            plain = cancel->grab().toImage().pixelColor(face);
            QTest::mouseMove(cancel, cancel->rect().center());
            over = QTest::qWaitFor([&] { return cancel->underMouse(); }, 1000);
            lit = cancel->grab().toImage().pixelColor(face);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.messageBox(QStringLiteral("是否離開遊戲？"), MsgButtons::OkCancel, MsgIcon::None,
                                    QStringLiteral("咕嚕果")),
                 2);
        QVERIFY(left && over);
        const QString seen = plain.name() + QStringLiteral(" -> ") + lit.name();
        QVERIFY2(lit.hsvSaturation() > plain.hsvSaturation() + 8, qPrintable(seen));
        QVERIFY2(lit.value() >= plain.value() - 2, qPrintable(seen));
    }

    void theInputBoxKeepsItsTextsAndAnswers_data()
    {
        QTest::addColumn<QString>("typed"); // empty: leave the offer as it is
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("answer");
        QTest::newRow("typed, OK") << "7" << true << "7";
        QTest::newRow("offer, Enter") << "" << true << "12";
        QTest::newRow("typed, Cancel") << "7" << false << "";
    }

    void theInputBoxKeepsItsTextsAndAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, confirm);
        QFETCH(QString, answer);
        const QString prompt = QStringLiteral("你有 30 個獅鐵牌，要換幾顆獅頭鑽？");
        QString title, label, offered;
        bool found = false;
        Frame frame;
        whenShown([&](QWidget* w) {
            auto* box = qobject_cast<QInputDialog*>(w);
            auto* edit = w->findChild<QLineEdit*>();
            auto* buttons = w->findChild<QDialogButtonBox*>();
            if (!box || !edit || !buttons) {
                w->close();
                return;
            }
            found = true;
            title = box->windowTitle();
            label = box->labelText();
            offered = edit->text();
            frame = Frame::of(box);
            if (!typed.isEmpty()) {
                edit->selectAll();
                QTest::keyClicks(edit, typed);
            }
            if (!confirm)
                QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            else if (typed.isEmpty())
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.inputBox(prompt, QStringLiteral("咕嚕果"), QStringLiteral("12")), answer);
        QVERIFY(found);
        QCOMPARE(title, QStringLiteral("咕嚕果"));
        QCOMPARE(label, prompt);
        QCOMPARE(offered, QStringLiteral("12"));
        frame.verify();
    }

    void theFileDialogsKeepTheirAnswers()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList filters{QStringLiteral("咕嚕果存檔 (*.tvd)"), QStringLiteral("所有檔案 (*.*)")};
        QtDialogs dialogs;

        Frame saveFrame;
        whenShown([&](QWidget* w) {
            saveFrame = Frame::of(w);
            typeName(w, dir.filePath(QStringLiteral("mysave")));
        });
        // A name typed without the suffix gets it.
        QCOMPARE(dialogs.saveFileName(QStringLiteral("咕嚕果"), filters, QStringLiteral("tvd")),
                 dir.filePath(QStringLiteral("mysave.tvd")));
        saveFrame.verify();

        QFile existing(dir.filePath(QStringLiteral("old.tvd")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        Frame openFrame;
        whenShown([&](QWidget* w) {
            openFrame = Frame::of(w);
            typeName(w, existing.fileName());
        });
        QCOMPARE(dialogs.openFileName(QStringLiteral("咕嚕果"), filters), existing.fileName());
        openFrame.verify();

        // Saving over a file: the dialog's own question comes in the same
        // dress, and its Yes still lets the save go ahead.
        Frame questionFrame;
        bool asked = false;
        whenShown([&](QWidget* w) {
            whenShown([&](QWidget* question) {
                auto* box = qobject_cast<QMessageBox*>(question);
                asked = box != nullptr;
                questionFrame = Frame::of(question);
                if (QAbstractButton* yes = box ? box->button(QMessageBox::Yes) : nullptr)
                    QTest::mouseClick(yes, Qt::LeftButton);
                else
                    question->close();
            });
            typeName(w, existing.fileName());
        });
        QCOMPARE(dialogs.saveFileName(QStringLiteral("咕嚕果"), filters, QStringLiteral("tvd")), existing.fileName());
        QVERIFY(asked);
        questionFrame.verify();

        whenShown([](QWidget* w) { w->close(); });
        QCOMPARE(dialogs.openFileName(QStringLiteral("咕嚕果"), filters), QString());
    }
};

QTEST_MAIN(TestDialogLook)
#include "test_dialog_look.moc"
