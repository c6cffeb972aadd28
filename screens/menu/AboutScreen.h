#pragma once

#include "screens/achievements/Achievements.h"
#include "screens/MenuChild.h"

namespace tarovin {

// The about screen: credits, version, a short guide, and the lion's head that
// answers clicks and gets angry when double-clicked.
class AboutScreen final : public MenuChild {
public:
    explicit AboutScreen(Services& services);

    void onLoad() override;

    void Vexohead_Click();
    void Vexohead_DblClick();
    void Aboutexit_Click();

    bool angryNow() const { return isAngry; }

protected:
    void design() override;

private:
    // Once angry, the lion stays angry until the screen is left.
    bool isAngry = false;

    struct Ui {
        Control* angry = nullptr;
        Control* say = nullptr;
        AchievementNotice notice;
    };
    Ui ui;
};

} // namespace tarovin
