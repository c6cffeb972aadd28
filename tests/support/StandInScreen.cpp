#include "StandInScreen.h"

#include "screens/ScreenNames.h"
#include "toolkit/Navigator.h"
#include "toolkit/Services.h"

namespace tarovin::test {

StandInScreen::StandInScreen(Services& services, const QString& name)
    : Form(services, name, QStringLiteral("咕嚕果"), 14220, 8640)
{
}

void StandInScreen::Form_QueryUnload()
{
    sv.navigator.load(screen::start);
    sv.navigator.show(screen::start);
}

} // namespace tarovin::test
