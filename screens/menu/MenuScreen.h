#pragma once

#include "screens/achievements/Achievements.h"
#include "screens/menu/WebLinks.h"
#include "toolkit/Form.h"

namespace tarovin {

// The main menu, and the program's start-up: its load runs at every return
// from another screen.
class MenuScreen final : public Form {
public:
    // The links lead to the maker's site the build was configured with; a
    // test can name another.
    explicit MenuScreen(Services& services, MakerSite site = MakerSite::configured());

    void onLoad() override;

    void Play_Click();
    void Setstbtn_Click();
    void Close_Click();
    void Cmdabout_Click();
    void Cmdskin_Click();
    void Cmdavda_Click();
    void Cmdshop_Click();
    void Pet_Click();
    void Image1_DblClick();
    void fixgame_Click();
    void ErrComdlg_Click();
    void Quorelnet_Click();
    void Email_Click();
    void Newver_Click();

protected:
    void design() override;

private:
    void openScreen(const QString& screen);
    void offerInstall(const QString& firstLine);
    void versionFetched(const QString& text);

    struct Ui {
        Control* tlips = nullptr;
        Control* errComdlg = nullptr;
        AchievementNotice notice;
    };
    Ui ui;

    const MakerSite site_;
    // A version check is on its way; more presses meanwhile start no second
    // one, which would only bring the same box twice.
    bool checkingVersion_ = false;
};

} // namespace tarovin
