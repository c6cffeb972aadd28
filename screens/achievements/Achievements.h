#pragma once

#include "store/Keys.h"

#include <QString>

#include <array>

namespace tarovin {

class Form;
struct Rect;

// The ten achievements, in the order of the achievements screen's list.
struct Achievement {
    QString name;        // 妙手偶得 ...
    StoreKey key;        // its key in the AVDA section
    QString noticeColor; // background of the award notice
    QString rarity;      // 隱藏, 常見, 稀有, 傳說, 普通
    QString rarityColor;
    QString description;
};

enum class AchievementId { Title, CbStart, PetExit, Fifty, TenTm, Angry, UseAll, Totem, Pet, Twenty };

const std::array<Achievement, 10>& achievementCatalogue();
const Achievement& achievement(AchievementId id);

// Key values: 0 or missing not armed, 1 armed, 2 achieved.
constexpr int achievementArmed = 1;
constexpr int achievementAchieved = 2;

// Adds the notice label "avdatxt" and its timer "TimerAVtxt" to a screen, the
// same on every screen that can award.
void addAchievementNotice(Form& screen);

// Turns an armed achievement into an achieved one, once: writes 2, plays the
// lion's sound (when the screen's sound is on and playSound is true) and shows
// the notice for 2000 ms. Any other stored value does nothing at all.
void UnlockAchievement(Form& screen, AchievementId id, bool playSound = true);

} // namespace tarovin
