#pragma once

#include "Control.h"
#include "Scheduler.h"
#include "store/Keys.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace tarovin {

struct Services;

// The game's name: the title of every window and of most of its boxes.
inline const QString gameTitle = QStringLiteral("咕嚕果");

// A screen's client area in twips.
struct FormSize {
    int width;
    int height;
};
namespace formSize {
inline constexpr FormSize standard{14220, 8640};
inline constexpr FormSize wide{14370, 8640}; // the menu and the pet screen
} // namespace formSize

// One label of a screen's design table. An empty colour takes the table's.
struct LabelSpec {
    const char* name;
    Rect rect;
    QString caption;
    QString foreColor = {};
};
// What every label of one table shares.
struct LabelStyle {
    double fontSize;
    QString foreColor;
    Align align = Align::Left;
};

// One button of a screen's design table: its place, picture and tooltip, and
// the screen's handler for its click (none for a button that only shows).
template <typename Screen>
struct ButtonSpec {
    const char* name;
    Rect rect;
    const char* picture;
    const char* tooltip;
    void (Screen::*handler)();
};

// A screen: a window with a title, a fixed client area in twips, a background
// picture and its controls. The object lives for the whole run; its window and
// controls come and go with every load and unload, while its own variables keep
// their values between visits.
class Form {
public:
    Form(Services& services, QString name, FormSize size);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    const QString& title() const { return gameTitle; }
    int widthTwips() const { return size_.width; }
    int heightTwips() const { return size_.height; }

    Picture background;

    // Controls, in painting order: back to front; the list box, text boxes and
    // buttons always lie in front of every image and label.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control& control(const QString& name);
    const Control* findControl(const QString& name) const;
    Timer& timer(const QString& name);
    const std::vector<std::pair<QString, std::unique_ptr<Timer>>>& timers() const { return timers_; }

    // The frontmost shown control under a point in twips, or null. A shown
    // label takes the click as much as an image does.
    Control* controlAt(int x, int y);

    // Lifecycle, driven by the navigator: the design state is rebuilt at every
    // load, the timers die with the window.
    void buildDesign();
    void destroyWindow();
    bool isLoaded() const { return loaded_; }
    bool isShown() const { return shown_; }

    virtual void onLoad() {}
    virtual void onCloseRequest() {}
    virtual void onKeyDown(int /*keyCode*/) {}

    // Bumped whenever the controls are rebuilt, so the front end knows its
    // widgets refer to controls that no longer exist.
    quint64 designGeneration() const { return designGeneration_; }

    Services& services() { return sv; }

    // The screen's copy of the sound option, read at its load; sounds play
    // only while it is on.
    SoundOption soundOpt = SoundOption::NotSet;

    // Building blocks of a design; public so that shared pieces (the
    // achievement notice) can add themselves to any screen.
    Control& addImage(const QString& name, Rect r, const QString& picture = {});
    Control& addLabel(const QString& name, Rect r, const QString& caption);
    Control& addButton(const QString& name, Rect r, const QString& picture, const QString& tooltip);
    Control& addListBox(const QString& name, Rect r, const QStringList& items);
    Control& addTextBox(const QString& name, Rect r, const QString& text);
    Timer& addTimer(const QString& name, bool enabled, int interval, std::function<void()> onTick);
    // Adds a table of buttons, each wired to its handler on screen; returns
    // their handles in the table's order.
    template <typename Screen, size_t N>
    std::array<Control*, N> addButtons(Screen& screen, const ButtonSpec<Screen> (&buttons)[N])
    {
        std::array<Control*, N> handles{};
        for (size_t i = 0; i < N; ++i) {
            const ButtonSpec<Screen>& b = buttons[i];
            Control& c = addButton(QString::fromUtf8(b.name), b.rect, QString::fromUtf8(b.picture),
                                   QString::fromUtf8(b.tooltip));
            if (b.handler)
                c.onClick = [&screen, h = b.handler] { (screen.*h)(); };
            handles[i] = &c;
        }
        return handles;
    }
    // Adds a table of labels in one style; returns their handles in the
    // table's order.
    template <size_t N>
    std::array<Control*, N> addLabels(const LabelSpec (&labels)[N], const LabelStyle& style)
    {
        std::array<Control*, N> handles{};
        for (size_t i = 0; i < N; ++i)
            handles[i] = &addStyledLabel(labels[i], style);
        return handles;
    }
    // Reorders the images and labels, front to back as a screen lists them.
    void stackFrontToBack(const QStringList& names);

    // Plays a sound of the game when this screen's sound is on; a sound the
    // program does not have is reported in an error box.
    void playSound(const QString& resource);

protected:
    // Adds the controls and timers in their design state.
    virtual void design() = 0;

    Services& sv;

private:
    friend class Navigator;
    // A control of that kind, name and place, in its layer: widgets in front.
    Control& add(const QString& name, ControlKind kind, Rect r);
    Control& addStyledLabel(const LabelSpec& label, const LabelStyle& style);

    QString name_;
    FormSize size_;
    bool loaded_ = false;
    bool shown_ = false;
    bool unloading_ = false;
    quint64 designGeneration_ = 0;
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Control*> byName_;
    std::vector<std::pair<QString, std::unique_ptr<Timer>>> timers_;
};

} // namespace tarovin
