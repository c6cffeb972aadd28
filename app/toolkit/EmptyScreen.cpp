#include "EmptyScreen.h"

#include "Navigator.h"
#include "Services.h"

namespace tarovin {

EmptyScreen::EmptyScreen(Services& services, const QString& name)
    : Form(services, name, QStringLiteral("咕嚕果"), 14220, 8640)
{
}

void EmptyScreen::Form_QueryUnload()
{
    sv.navigator.load(QStringLiteral("Start"));
    sv.navigator.show(QStringLiteral("Start"));
}

} // namespace tarovin
