#include "Screens.h"

#include "screens/ScreenNames.h"
#include "screens/achievements/AchievementsScreen.h"
#include "screens/game/GameScreen.h"
#include "screens/menu/AboutScreen.h"
#include "screens/menu/MenuScreen.h"
#include "screens/pet/PetScreen.h"
#include "screens/settings/SettingsScreen.h"
#include "screens/shop/ShopScreen.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"

#include <stdexcept>

namespace tarovin {

Screens::Screens(Services& services)
{
    screens_.push_back(std::make_unique<MenuScreen>(services));
    screens_.push_back(std::make_unique<AboutScreen>(services));
    screens_.push_back(std::make_unique<GameScreen>(services));
    screens_.push_back(std::make_unique<ShopScreen>(services));
    screens_.push_back(std::make_unique<AchievementsScreen>(services));
    screens_.push_back(std::make_unique<PetScreen>(services));
    screens_.push_back(std::make_unique<SettingsScreen>(services));
    for (auto& s : screens_)
        services.navigator.add(*s);
    // Every name a screen can be opened by has its screen here.
    for (const QString& name : screen::all)
        if (!services.navigator.find(name))
            throw std::logic_error("the program has no screen named " + name.toStdString());
}

Screens::~Screens() = default;

} // namespace tarovin
