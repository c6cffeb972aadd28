#pragma once

#include "screens/MenuChild.h"

namespace tarovin {

// The achievements screen. Opening it arms every achievement that has never
// been armed; until then nothing anywhere can be awarded. Otherwise it only
// reads: a selection shows the achievement's name, description, rarity and
// whether it has been achieved.
class AchievementsScreen final : public MenuChild {
public:
    explicit AchievementsScreen(Services& services);

    void onLoad() override;

    void ListAv_Click();
    void Aboutexit_Click();

protected:
    void design() override;

private:
    struct Ui {
        Control* dachenTrue = nullptr;
        Control* avname = nullptr;
        Control* avdes = nullptr;
        Control* avlv = nullptr;
        Control* dachentxt = nullptr;
        Control* listAv = nullptr;
    };
    Ui ui;
};

} // namespace tarovin
