#pragma once

#include "screens/MenuChild.h"

namespace tarovin {

// The settings screen: the sound switch, the save-file export and import, and
// wiping all progress.
class SettingsScreen final : public MenuChild {
public:
    explicit SettingsScreen(Services& services);

    void onLoad() override;

    // The switch: Swich1 shows sound on, Swich1_2 sound off; a click on the
    // one shown turns to the other.
    void Swich1_Click();
    void Swich1_2_Click();
    void Delcookie_Click();
    void Close_Click();
    // Export and import of a save file.
    void download_Click();
    void in_Click();

protected:
    void design() override;

private:
    void setSoundOption(SoundOption value);
    void showSwitch();
    void importFailed(const QString& why);

    struct Ui {
        Control* swich1 = nullptr;
        Control* swich1_2 = nullptr;
    };
    Ui ui;
};

} // namespace tarovin
