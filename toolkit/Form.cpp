#include "Form.h"

#include "Dialogs.h"
#include "Services.h"
#include "services/SoundPlayer.h"

#include <algorithm>
#include <stdexcept>

namespace tarovin {

namespace {

// Lists, text boxes and buttons are real widgets in front of the drawn layer.
int layerOf(const Control& c)
{
    return c.isWidget() ? 1 : 0;
}

} // namespace

Form::Form(Services& services, QString name, FormSize size) : sv(services), name_(std::move(name)), size_(size) {}

Form::~Form() = default;

Control& Form::control(const QString& name)
{
    Control* c = byName_.value(name);
    if (!c)
        throw std::logic_error(("no control " + name + " on " + name_).toStdString());
    return *c;
}

const Control* Form::findControl(const QString& name) const
{
    return byName_.value(name);
}

Timer& Form::timer(const QString& name)
{
    for (auto& [n, t] : timers_)
        if (n == name)
            return *t;
    throw std::logic_error(("no timer " + name + " on " + name_).toStdString());
}

Control* Form::controlAt(int x, int y)
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        if (c.visible && c.rect().contains(x, y))
            return &c;
    }
    return nullptr;
}

void Form::buildDesign()
{
    destroyWindow();
    ++designGeneration_;
    design();
}

void Form::destroyWindow()
{
    timers_.clear();
    byName_.clear();
    controls_.clear();
    background = {};
}

Control& Form::add(const QString& name, ControlKind kind, Rect r)
{
    if (byName_.contains(name))
        throw std::logic_error(("two controls named " + name).toStdString());
    auto owned = std::make_unique<Control>();
    Control* raw = owned.get();
    raw->name = name;
    raw->kind = kind;
    raw->setRect(r);
    // Keep widgets in front: insert before the first widget unless this is one.
    auto pos = controls_.end();
    if (layerOf(*raw) == 0)
        pos = std::find_if(controls_.begin(), controls_.end(), [](const auto& c) { return layerOf(*c) > 0; });
    controls_.insert(pos, std::move(owned));
    byName_.insert(raw->name, raw);
    return *raw;
}

Control& Form::addImage(const QString& name, Rect r, const QString& picture)
{
    Control& c = add(name, ControlKind::Image, r);
    c.picture.name = picture;
    return c;
}

Control& Form::addLabel(const QString& name, Rect r, const QString& caption)
{
    Control& c = add(name, ControlKind::Label, r);
    c.caption = caption;
    return c;
}

Control& Form::addStyledLabel(const LabelSpec& label, const LabelStyle& style)
{
    Control& c = addLabel(QString::fromUtf8(label.name), label.rect, label.caption);
    c.fontSize = style.fontSize;
    c.foreColor = label.foreColor.isEmpty() ? style.foreColor : label.foreColor;
    c.align = style.align;
    return c;
}

Control& Form::addButton(const QString& name, Rect r, const QString& picture, const QString& tooltip)
{
    Control& c = add(name, ControlKind::Button, r);
    c.picture.name = picture;
    c.tooltip = tooltip;
    return c;
}

Control& Form::addListBox(const QString& name, Rect r, const QStringList& items)
{
    Control& c = add(name, ControlKind::ListBox, r);
    c.items = items;
    c.backColor = QStringLiteral("#FFFFFF");
    return c;
}

Control& Form::addTextBox(const QString& name, Rect r, const QString& text)
{
    Control& c = add(name, ControlKind::TextBox, r);
    c.caption = text;
    c.backColor = QStringLiteral("#FFFFFF");
    c.bold = false;
    return c;
}

Timer& Form::addTimer(const QString& name, bool enabled, int interval, std::function<void()> onTick)
{
    timers_.emplace_back(name, std::make_unique<Timer>(sv.scheduler, enabled, interval, std::move(onTick)));
    return *timers_.back().second;
}

void Form::stackFrontToBack(const QStringList& names)
{
    // The named controls take the places they had among themselves, in the
    // order given (last named = backmost); the others keep their places.
    std::vector<size_t> places;
    for (size_t i = 0; i < controls_.size(); ++i)
        if (names.contains(controls_[i]->name))
            places.push_back(i);
    std::vector<std::unique_ptr<Control>> ordered;
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        for (auto& c : controls_)
            if (c && c->name == *it)
                ordered.push_back(std::move(c));
    if (ordered.size() != places.size())
        throw std::logic_error("stacking names that are not controls of " + name_.toStdString());
    for (size_t i = 0; i < places.size(); ++i)
        controls_[places[i]] = std::move(ordered[i]);
}

void Form::playSound(const QString& resource)
{
    if (soundOpt != SoundOption::On || sv.sound.play(resource))
        return;
    // The game goes on without the sound, but the player is told.
    sv.dialogs.messageBox(QStringLiteral("PlayResSound 發生錯誤: ") + QStringLiteral("找不到聲音資源「%1」").arg(resource),
                          MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("錯誤"));
}

} // namespace tarovin
