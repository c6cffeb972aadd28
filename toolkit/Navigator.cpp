#include "Navigator.h"

#include "Form.h"

#include <stdexcept>

namespace tarovin {

void Navigator::add(Form& form)
{
    forms_.push_back(&form);
}

Form* Navigator::find(const QString& name) const
{
    for (Form* f : forms_)
        if (f->name() == name)
            return f;
    return nullptr;
}

void Navigator::setStandIns(std::function<std::unique_ptr<Form>(const QString&)> factory)
{
    standInFactory_ = std::move(factory);
}

Form& Navigator::resolve(const QString& name)
{
    if (Form* f = find(name))
        return *f;
    if (!standInFactory_)
        throw std::logic_error("no screen named " + name.toStdString());
    standIns_.push_back(standInFactory_(name));
    forms_.push_back(standIns_.back().get());
    return *standIns_.back();
}

void Navigator::load(const QString& name) { load(resolve(name)); }
void Navigator::show(const QString& name) { show(resolve(name)); }
void Navigator::unload(const QString& name) { unload(resolve(name)); }

void Navigator::load(Form& form)
{
    if (ended_ || form.loaded_)
        return;
    form.loaded_ = true;
    form.buildDesign();
    form.onLoad();
}

void Navigator::show(Form& form)
{
    if (ended_)
        return;
    load(form);
    if (form.shown_ || !form.loaded_)
        return;
    form.shown_ = true;
    if (observer_.shown)
        observer_.shown(form);
}

void Navigator::unload(Form& form)
{
    if (ended_ || !form.loaded_ || form.unloading_)
        return;
    form.unloading_ = true;
    form.onCloseRequest();
    form.unloading_ = false;
    if (ended_ || !form.loaded_)
        return;
    form.loaded_ = false;
    form.shown_ = false;
    form.destroyWindow();
    if (observer_.unloaded)
        observer_.unloaded(form);
    endIfNothingIsOpen();
}

void Navigator::switchTo(const QString& target, Form& current)
{
    load(target);
    show(target);
    unload(current);
}

void Navigator::endAtOnce()
{
    if (ended_)
        return;
    ended_ = true;
    for (Form* f : forms_) {
        if (!f->loaded_)
            continue;
        f->loaded_ = false;
        f->shown_ = false;
        f->destroyWindow();
        if (observer_.unloaded)
            observer_.unloaded(*f);
    }
    if (observer_.ended)
        observer_.ended();
}

std::vector<Form*> Navigator::loadedForms() const
{
    std::vector<Form*> open;
    for (Form* f : forms_)
        if (f->loaded_)
            open.push_back(f);
    return open;
}

void Navigator::endIfNothingIsOpen()
{
    if (!loadedForms().empty())
        return;
    ended_ = true;
    if (observer_.ended)
        observer_.ended();
}

} // namespace tarovin
