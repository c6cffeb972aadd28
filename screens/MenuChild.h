#pragma once

#include "toolkit/Form.h"

namespace tarovin {

// A screen opened from the main menu. However it closes (its own close
// button, another screen, the window's close box), the menu comes back.
class MenuChild : public Form {
public:
    // Whether the sounds that are playing stop as the screen goes.
    enum class OnLeaving { StopSounds, LetSoundsFinish };

    void onCloseRequest() final;

protected:
    MenuChild(Services& services, QString name, FormSize size, OnLeaving onLeaving = OnLeaving::StopSounds);
    // What the screen keeps or tidies as it closes, before the menu comes back.
    virtual void beforeLeaving() {}

private:
    OnLeaving onLeaving_;
};

} // namespace tarovin
