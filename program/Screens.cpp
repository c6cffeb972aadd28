#include "Screens.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/Avdacts.h"
#include "screens/game/Gamepage.h"
#include "screens/menu/About.h"
#include "screens/menu/Start.h"
#include "screens/pet/Petpage.h"
#include "screens/settings/Settings.h"
#include "screens/shop/Shop.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"

#include <stdexcept>

namespace tarovin {

Screens::Screens(Services& services)
{
    screens_.push_back(std::make_unique<Start>(services));
    screens_.push_back(std::make_unique<About>(services));
    screens_.push_back(std::make_unique<Gamepage>(services));
    screens_.push_back(std::make_unique<Shop>(services));
    screens_.push_back(std::make_unique<Avdacts>(services));
    screens_.push_back(std::make_unique<Petpage>(services));
    screens_.push_back(std::make_unique<Settings>(services));
    for (auto& s : screens_)
        services.navigator.add(*s);
    // Every name a screen can be opened by has its screen here.
    for (const QString& name : screen::all)
        if (!services.navigator.find(name))
            throw std::logic_error("the program has no screen named " + name.toStdString());
}

Screens::~Screens() = default;

} // namespace tarovin
