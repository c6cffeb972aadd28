#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tarovin {

class Form;

// Switches between screens. Loading a loaded screen and showing a shown one do
// nothing, which is why every screen may "load and show the menu" on its way
// out. Unloading runs the screen's close-request handler once, then destroys
// its window; ending at once runs no handler at all.
class Navigator {
public:
    struct Observer {
        std::function<void(Form&)> shown;
        std::function<void(Form&)> unloaded;
        std::function<void()> ended;
    };

    void add(Form& form);
    Form* find(const QString& name) const;
    // A name that no added screen has is an error (std::logic_error), unless
    // this factory makes a stand-in for it on first use: the test harness
    // stands in for the screens a test did not add. The program sets none.
    void setStandIns(std::function<std::unique_ptr<Form>(const QString& name)> factory);

    void load(const QString& name);
    void show(const QString& name);
    void unload(const QString& name);
    void load(Form& form);
    void show(Form& form);
    void unload(Form& form);
    // The usual way from one screen to another: load and show the target, then
    // unload the current screen (the target's load runs before the current
    // screen's close handling).
    void switchTo(const QString& target, Form& current);
    // Ends the program now: every window goes, no close handler runs.
    void endAtOnce();

    bool ended() const { return ended_; }
    std::vector<Form*> loadedForms() const;
    void setObserver(Observer observer) { observer_ = std::move(observer); }

private:
    Form& resolve(const QString& name);
    void endIfNothingIsOpen();

    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> standIns_;
    std::function<std::unique_ptr<Form>(const QString&)> standInFactory_;
    Observer observer_;
    bool ended_ = false;
};

} // namespace tarovin
