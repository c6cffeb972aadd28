#include "DialogLook.h"

#include "PictureCache.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

namespace tarovin {

namespace {

const QColor outline(0x4A, 0x2C, 0x17);
const QColor wood(0xB9, 0x7A, 0x57);
const QColor card(0xFF, 0xF9, 0xEA);
const QColor buttonFace(0xFF, 0xF4, 0xD6);
const QColor gold(0xF5, 0xB3, 0x27);

// Big enough to read across the room, small enough that a one-line box
// stays a small card over the screen. The file dialog holds lists of names
// and keeps a smaller size so that a folder still fits.
constexpr int boxTextPixels = 19;
constexpr int fileDialogTextPixels = 16;
constexpr int iconPixels = 56;
// Qt's default file dialog cuts the names of the places and the columns at
// the game's font size; this size shows them and still fits on the screen.
constexpr QSize fileDialogSize(760, 470);
// The wooden band round the card, in which the box's contents must not sit.
constexpr int frameMargin = 14;

// Fusion underneath, because it takes its colours from the palette alone and
// so looks the same on every desktop. The message box icons are the game's
// own drawings; the box keeps the icon kind it was given.
class DialogStyle final : public QProxyStyle {
public:
    DialogStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (which) {
        case SP_MessageBoxInformation: return drawnIcon(QStringLiteral("msg_information"));
        case SP_MessageBoxQuestion: return drawnIcon(QStringLiteral("msg_question"));
        case SP_MessageBoxWarning: return drawnIcon(QStringLiteral("msg_exclamation"));
        case SP_MessageBoxCritical: return drawnIcon(QStringLiteral("msg_critical"));
        default: return QProxyStyle::standardIcon(which, option, widget);
        }
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_MessageBoxIconSize)
            return iconPixels;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const override
    {
        // The game's buttons carry their words and nothing else, and stand
        // in the middle of the card.
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        if (hint == SH_MessageBox_CenterButtons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    QIcon drawnIcon(const QString& name) const
    {
        QIcon icon;
        for (const qreal dpr : {1.0, 2.0, 3.0})
            icon.addPixmap(pictures_.pixmap({name, false}, QSize(iconPixels, iconPixels), dpr));
        return icon;
    }

    mutable PictureCache pictures_;
};

// What the look needs while a box is open: the wooden frame and the rounded
// card painted behind the box's contents, and the same dress for the boxes
// a dialog opens by itself (the file dialog's question before it replaces a
// file), which are windows of their own and inherit nothing.
class Dressing final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paintFrame(static_cast<QWidget*>(watched));
        if (event->type() == QEvent::ChildPolished)
            if (auto* box = qobject_cast<QMessageBox*>(static_cast<QChildEvent*>(event)->child());
                box && box->styleSheet().isEmpty())
                dressDialog(*box);
        return false;
    }

private:
    static void paintFrame(QWidget* dialog)
    {
        QPainter p(dialog);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF all = dialog->rect();
        p.fillRect(all, wood);
        p.setPen(QPen(outline, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
        p.setPen(QPen(outline, 2.5));
        p.setBrush(card);
        p.drawRoundedRect(all.adjusted(6.5, 6.5, -6.5, -6.5), 14, 14);
    }
};

QPalette gamePalette()
{
    QPalette pal;
    const auto both = [&pal](QPalette::ColorRole role, const QColor& colour) {
        pal.setColor(QPalette::Active, role, colour);
        pal.setColor(QPalette::Inactive, role, colour);
        pal.setColor(QPalette::Disabled, role, colour);
    };
    both(QPalette::Window, card);
    both(QPalette::WindowText, outline);
    both(QPalette::Base, QColor(0xFF, 0xFD, 0xF6));
    both(QPalette::AlternateBase, buttonFace);
    both(QPalette::Text, outline);
    both(QPalette::Button, buttonFace);
    both(QPalette::ButtonText, outline);
    both(QPalette::BrightText, Qt::white);
    both(QPalette::Highlight, gold);
    both(QPalette::HighlightedText, outline);
    both(QPalette::ToolTipBase, buttonFace);
    both(QPalette::ToolTipText, outline);
    both(QPalette::PlaceholderText, QColor(0x9C, 0x7A, 0x5E));
    both(QPalette::Light, Qt::white);
    both(QPalette::Midlight, card);
    both(QPalette::Mid, QColor(0xD9, 0xB9, 0x8F));
    both(QPalette::Dark, wood);
    both(QPalette::Shadow, outline);
    both(QPalette::Link, QColor(0x40, 0xA9, 0xFF));
    const QColor faded(0xA8, 0x8B, 0x73);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, faded);
    return pal;
}

// The buttons are the game's: a cream face with a dark outline and a thicker
// lower edge, the words bold and dark. Under the mouse the face warms up, a
// pressed button sinks onto its lower edge, the default one is golden.
const char* const styleSheet = R"(
QPushButton {
    background: #FFF4D6; color: #4A2C17; font-weight: bold;
    border: 3px solid #4A2C17; border-bottom-width: 5px; border-radius: 14px;
    padding: 5px 22px 5px 22px; min-width: 64px; min-height: 26px; font-size: 19px;
}
QPushButton:default { background: #FFD873; }
QPushButton:hover { background: #FFEDBC; }
QPushButton:default:hover { background: #FFCC4D; }
QPushButton:pressed, QPushButton:default:pressed {
    background: #FFE3B0; border-bottom-width: 3px; margin-top: 2px;
}
QPushButton:focus { outline: none; }
QPushButton:disabled { color: #A88B73; border-color: #A88B73; }
QLineEdit {
    background: #FFFDF6; color: #4A2C17; border: 2px solid #4A2C17; border-radius: 9px;
    padding: 4px 8px; selection-background-color: #F5B327; selection-color: #4A2C17;
}
QLineEdit:focus { border-color: #C8702A; }
QLabel { background: transparent; color: #4A2C17; }
/* the message box's own text, centred above its centred buttons */
QLabel#qt_msgbox_label { qproperty-alignment: AlignCenter; }
)";

} // namespace

void dressDialog(QDialog& dialog)
{
    // One of each for the whole run; the application owns them.
    static auto* const style = [] {
        auto* s = new DialogStyle;
        s->setParent(qApp);
        return s;
    }();
    static auto* const dressing = [] {
        auto* d = new Dressing;
        d->setParent(qApp);
        return d;
    }();
    dialog.setStyle(style);
    dialog.setPalette(gamePalette());
    QFont font = QApplication::font();
    const bool fileDialog = qobject_cast<QFileDialog*>(&dialog);
    font.setPixelSize(fileDialog ? fileDialogTextPixels : boxTextPixels);
    dialog.setFont(font);
    if (fileDialog)
        dialog.resize(fileDialogSize);
    dialog.setStyleSheet(QString::fromLatin1(styleSheet));
    dialog.setContentsMargins(frameMargin, frameMargin, frameMargin, frameMargin);
    dialog.installEventFilter(dressing);
}

} // namespace tarovin
