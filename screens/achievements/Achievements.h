#pragma once

#include "store/Keys.h"

#include <QString>

#include <array>
#include <cstddef>

namespace tarovin {

class Control;
class Form;
class Timer;

// The ten achievements, in the order of the achievements screen's list.
struct Achievement {
    QString name;        // 妙手偶得 ...
    StoreKey key;        // its key in the AVDA section
    QString noticeColor; // background of the award notice
    QString rarity;      // 隱藏, 常見, 稀有, 傳說, 普通
    QString rarityColor;
    QString description;
    int threshold = 0;   // the count it takes, for the achievements that count something
};

// In the order of the catalogue: the build fails when the two part ways.
enum class AchievementId { Title, CbStart, PetExit, Fifty, TenTm, Angry, UseAll, Totem, Pet, Twenty };
constexpr size_t achievementCount = size_t(AchievementId::Twenty) + 1;

const std::array<Achievement, achievementCount>& achievementCatalogue();
const Achievement& achievement(AchievementId id);

// Key values: 0 or missing not armed, 1 armed, 2 achieved.
constexpr int achievementArmed = 1;
constexpr int achievementAchieved = 2;

// How long the notice of an award stays up.
constexpr int achievementNoticeMs = 2000;

// A screen's notice of awards: the label "avdatxt" and its timer "TimerAVtxt".
struct AchievementNotice {
    Control* text = nullptr;
    Timer* timer = nullptr;
};

// Adds the notice to a screen, the same on every screen that can award. The
// screen keeps the handle for its awards; it is valid until the next load.
AchievementNotice addAchievementNotice(Form& screen);

// Turns an armed achievement into an achieved one, once: writes 2, plays the
// lion's sound (when the screen's sound is on and playSound is true) and shows
// the notice for achievementNoticeMs. Any other stored value does nothing at all.
void unlockAchievement(Form& screen, const AchievementNotice& notice, AchievementId id, bool playSound = true);

} // namespace tarovin
