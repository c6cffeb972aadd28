#include "StandInScreen.h"

#include "screens/ScreenNames.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"

namespace tarovin::test {

StandInScreen::StandInScreen(Services& services, const QString& name)
    : Form(services, name, formSize::standard)
{
}

void StandInScreen::onCloseRequest()
{
    sv.navigator.load(screen::start);
    sv.navigator.show(screen::start);
}

} // namespace tarovin::test
