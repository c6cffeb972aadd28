#include "MenuChild.h"

#include "ScreenNames.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"

namespace tarovin {

MenuChild::MenuChild(Services& services, QString name, FormSize size, OnLeaving onLeaving)
    : Form(services, std::move(name), size), onLeaving_(onLeaving)
{
}

void MenuChild::onCloseRequest()
{
    beforeLeaving();
    sv.navigator.load(screen::start);
    sv.navigator.show(screen::start);
    if (onLeaving_ == OnLeaving::StopSounds)
        sv.sound.stopAllSounds();
}

} // namespace tarovin
