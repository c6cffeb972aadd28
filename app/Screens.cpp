#include "Screens.h"

#include "Start.h"
#include "app/toolkit/EmptyScreen.h"
#include "app/toolkit/Navigator.h"
#include "app/toolkit/Services.h"

#if __has_include("app/About.h")
#include "app/About.h"
#endif
#if __has_include("game/Gamepage.h")
#include "game/Gamepage.h"
#endif
#if __has_include("shop/Shop.h")
#include "shop/Shop.h"
#endif
#if __has_include("achievements/Avdacts.h")
#include "achievements/Avdacts.h"
#endif
#if __has_include("pet/Petpage.h")
#include "pet/Petpage.h"
#endif
#if __has_include("settings/Settings.h")
#include "settings/Settings.h"
#endif

namespace tarovin {

Screens::Screens(Services& services)
{
    screens_.push_back(std::make_unique<Start>(services));
#if __has_include("app/About.h")
    screens_.push_back(std::make_unique<About>(services));
#endif
#if __has_include("game/Gamepage.h")
    screens_.push_back(std::make_unique<Gamepage>(services));
#endif
#if __has_include("shop/Shop.h")
    screens_.push_back(std::make_unique<Shop>(services));
#endif
#if __has_include("achievements/Avdacts.h")
    screens_.push_back(std::make_unique<Avdacts>(services));
#endif
#if __has_include("pet/Petpage.h")
    screens_.push_back(std::make_unique<Petpage>(services));
#endif
#if __has_include("settings/Settings.h")
    screens_.push_back(std::make_unique<Settings>(services));
#endif
    for (auto& s : screens_)
        services.navigator.add(*s);
    services.navigator.setFallback(
        [&services](const QString& name) { return std::make_unique<EmptyScreen>(services, name); });
}

Screens::~Screens() = default;

} // namespace tarovin
