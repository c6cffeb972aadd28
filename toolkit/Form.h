#pragma once

#include "Control.h"
#include "Scheduler.h"
#include "store/Keys.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace tarovin {

struct Services;

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
    Form(Services& services, QString name, QString title, int widthTwips, int heightTwips);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    const QString& title() const { return title_; }
    int widthTwips() const { return width_; }
    int heightTwips() const { return height_; }

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

    virtual void Form_Load() {}
    virtual void Form_QueryUnload() {}
    virtual void Form_KeyDown(int /*keyCode*/) {}

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
    // Adds a table of buttons, each wired to its handler on screen.
    template <typename Screen, size_t N>
    void addButtons(Screen& screen, const ButtonSpec<Screen> (&buttons)[N])
    {
        for (const ButtonSpec<Screen>& b : buttons) {
            Control& c = addButton(QString::fromUtf8(b.name), b.rect, QString::fromUtf8(b.picture),
                                   QString::fromUtf8(b.tooltip));
            if (b.handler)
                c.onClick = [&screen, h = b.handler] { (screen.*h)(); };
        }
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

    QString name_;
    QString title_;
    int width_;
    int height_;
    bool loaded_ = false;
    bool shown_ = false;
    bool unloading_ = false;
    quint64 designGeneration_ = 0;
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Control*> byName_;
    std::vector<std::pair<QString, std::unique_ptr<Timer>>> timers_;
};

} // namespace tarovin
