#include "PetScreen.h"

#include "PetRules.h"
#include "screens/ScreenNames.h"
#include "screens/achievements/Achievements.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "services/Days.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

#include <iterator>

namespace tarovin {

using namespace pet;

namespace {

// Satiety falls one point per half hour away, mood one per 40 minutes, but
// only after a full hour (satiety) or 80 minutes (mood): a short break costs
// nothing.
constexpr int foodMinutesPerPoint = 30;
constexpr int moodMinutesPerPoint = 40;
constexpr int foodFallsAfter = 60;
constexpr int moodFallsAfter = 80;
// A lion grows up a week after its birth date, and one left alone for three
// days is gone for that visit.
constexpr int daysToGrowUp = 7;
constexpr int daysToLeave = 3;
// Closeness at or below this on opening: the lion runs away for good.
constexpr int runawayCloseness = 5;

} // namespace

PetScreen::PetScreen(Services& services) : MenuChild(services, screen::pet, formSize::wide) {}

void PetScreen::design()
{
    background.name = QStringLiteral("bg_pet");

    Control& title = addLabel(QStringLiteral("Title"), {6360, 480, 1215, 735}, QStringLiteral("寵物"));
    title.foreColor = QStringLiteral("#FFFF80");
    title.fontSize = 24;
    title.align = Align::Center;

    // A little lower than the sign above it reaches, so the words below the
    // sign stay clear of its frame.
    Control& stage = addLabel(QStringLiteral("petname"), {4680, 1230, 4455, 615}, QStringLiteral("目前沒有獅子"));
    stage.align = Align::Center;
    stage.foreColor = QStringLiteral("#4A2C17");
    stage.fontSize = 18;
    ui.petname = &stage;

    // Hidden holders of the lion's looks, in the order of Look; Vexo takes the
    // picture of one.
    struct LookHolder {
        Look look;
        const char* name;
        Rect rect;
        const char* picture;
    };
    static constexpr LookHolder lookHolders[] = {
        {Look::Well, "Image1", {1320, 1560, 1095, 765}, "lion"},
        {Look::Dirty, "Image2", {1320, 2400, 1095, 765}, "lion_dirty"},
        {Look::Hungry, "Image3", {1320, 3360, 1095, 765}, "lion_hungry"},
        {Look::Sad, "Image4", {1320, 4320, 1095, 765}, "lion_sad"},
    };
    static_assert(std::size(lookHolders) == lookCount, "one holder for every Look");
    static_assert([] {
        for (size_t i = 0; i < lookCount; ++i)
            if (lookHolders[i].look != Look(i))
                return false;
        return true;
    }(), "the holders must follow the order of Look");
    const QString wellPicture = QString::fromUtf8(lookHolders[size_t(Look::Well)].picture);

    Control& lion = addImage(QStringLiteral("Vexo"), {5280, 5900, 3495, 2325}, wellPicture);
    ui.vexo = &lion;
    lion.cursor = Cursor::SizeAll;
    lion.onMouseDown = [this](MouseButton b, int x, int y) { Vexo_MouseDown(b, x, y); };
    lion.onMouseMove = [this](MouseButton b, int x, int y) { Vexo_MouseMove(b, x, y); };
    lion.onMouseUp = [this](MouseButton b, int x, int y) { Vexo_MouseUp(b, x, y); };

    for (const LookHolder& h : lookHolders) {
        Control& c = addImage(QString::fromUtf8(h.name), h.rect, QString::fromUtf8(h.picture));
        c.visible = false;
        ui.lookHolders[size_t(h.look)] = &c;
    }
    // The well look facing left, kept beside its holder.
    Control& mirror = addImage(QStringLiteral("re2"), {2520, 1800, 735, 495}, wellPicture);
    mirror.picture.mirrored = true;
    mirror.visible = false;

    ui.imageGift = &addImage(QStringLiteral("ImageGift"), {5520, 1920, 2700, 2700}, QStringLiteral("gift_box"));
    ui.imageGift->visible = false;

    Control& question = addLabel(QStringLiteral("nopettxt"), {4560, 4440, 4575, 615}, QStringLiteral("是否使用「獅子禮物盒」"));
    question.visible = false;
    question.align = Align::Center;
    question.foreColor = QStringLiteral("#4A2C17");
    question.fontSize = 18;
    ui.nopettxt = &question;

    struct ValueLabel {
        const char* name;
        Rect rect;
        const char* caption;
        const char* color;
    };
    const ValueLabel values[] = {
        {"foodtxt", {4800, 7680, 2895, 615}, "飽食度:100%", "#B97A57"},
        {"happytxt", {7920, 7680, 2895, 615}, "心情值:50%", "#FFFF00"},
        {"lovetxt", {11040, 7680, 2895, 615}, "親密度:10%", "#FF7FBF"},
    };
    for (const ValueLabel& v : values) {
        Control& c = addLabel(QString::fromUtf8(v.name), v.rect, QString::fromUtf8(v.caption));
        c.backColor = QString::fromUtf8(v.color);
        c.align = Align::Center;
        c.fontSize = 17;
    }
    ui.foodtxt = &control(QStringLiteral("foodtxt"));
    ui.happytxt = &control(QStringLiteral("happytxt"));
    ui.lovetxt = &control(QStringLiteral("lovetxt"));

    ui.notice = addAchievementNotice(*this);

    const ButtonSpec<PetScreen> buttons[] = {
        {"use", {6000, 5040, 1867, 767}, "btn_use", "使用獅子禮物盒", &PetScreen::use_Click},
        {"Food", {240, 7680, 735, 735}, "btn_food", "餵食", &PetScreen::Food_Click},
        {"Play", {1200, 7680, 735, 735}, "btn_play_pet", "玩樂", &PetScreen::Play_Click},
        {"clear", {2160, 7680, 735, 735}, "btn_clean", "清理", &PetScreen::clear_Click},
        {"Close", {13080, 240, 735, 735}, "btn_close", "關閉", &PetScreen::Close_Click},
    };
    addButtons(*this, buttons);
    ui.use = &control(QStringLiteral("use"));
    ui.food = &control(QStringLiteral("Food"));
    ui.play = &control(QStringLiteral("Play"));
    ui.clear = &control(QStringLiteral("clear"));
    ui.use->visible = false;
    control(QStringLiteral("Close")).backColor = QStringLiteral("#FF8080");

    addTimer(QStringLiteral("Timer1"), true, 67, [this] { Timer1_Timer(); });
    addTimer(QStringLiteral("Timer2"), true, 1670, [this] { Timer2_Timer(); });
    ui.timersleep = &addTimer(QStringLiteral("Timersleep"), false, sleepMs, [this] { Timersleep_Timer(); });

    stackFrontToBack({QStringLiteral("avdatxt"), QStringLiteral("re2"), QStringLiteral("nopettxt"),
                      QStringLiteral("ImageGift"), QStringLiteral("lovetxt"), QStringLiteral("happytxt"),
                      QStringLiteral("foodtxt"), QStringLiteral("Image4"), QStringLiteral("Image3"),
                      QStringLiteral("Image2"), QStringLiteral("Image1"), QStringLiteral("Vexo"),
                      QStringLiteral("petname"), QStringLiteral("Title")});
}

void PetScreen::readPetValues()
{
    SettingsStore& store = sv.store;
    food = toInt16(store.get(keys::food));
    clean = toInt16(store.get(keys::clear));
    mood = toInt16(store.get(keys::happy));
    closeness = toInt16(store.get(keys::loveer));
}

bool PetScreen::adult() const
{
    return petState == Adult;
}

void PetScreen::onLoad()
{
    SettingsStore& store = sv.store;

    // Every opening starts with an awake lion facing right; a new window has
    // no mouse button held on it.
    walkDir = 1;
    sleeping = false;
    dragging = false;

    const QDateTime now = sv.clock.now();
    const QDate today = now.date();
    const QTime openTime(now.time().hour(), now.time().minute());
    todayYear = toInt16(today.year());
    todayMonth = toInt16(today.month());
    todayDay = toInt16(today.day());
    openHour = toInt16(openTime.hour());
    openMinute = toInt16(openTime.minute());

    store.ensure(keys::happy, 50);
    store.ensure(keys::food, 50);
    store.ensure(keys::clear, 2);
    store.ensure(keys::loveer, 10);
    store.ensure(keys::stau, NoLion);

    for (const char* sound : {"BTNSOUND", "VEXO", "AWWREAL", "HAPPY", "AWWKID", "EAT", "WATER"})
        sv.sound.preload(QString::fromUtf8(sound));

    soundOpt = SoundOption(store.get(keys::soundOpt));
    readPetValues();
    petState = toInt16(store.get(keys::stau));
    giftCount = store.get(keys::gift);

    store.ensure(keys::year, todayYear);
    store.ensure(keys::month, todayMonth);
    store.ensure(keys::day, todayDay);
    store.ensure(keys::pYear, todayYear);
    store.ensure(keys::pMonth, todayMonth);
    store.ensure(keys::pDay, todayDay);
    store.ensure(keys::hour, openHour);
    store.ensure(keys::minute, openMinute);

    auto stored16 = [&store](const StoreKey& key) {
        return toInt16(store.get(key));
    };
    // Only an imported save can hold a date or time that does not exist; it
    // counts as today and now, so nothing is charged for it.
    const QDate lastDate = dateOr(stored16(keys::year), stored16(keys::month), stored16(keys::day), today);
    const QTime lastTime = timeOr(stored16(keys::hour), stored16(keys::minute), openTime);
    const QDate storedBirth = QDate(stored16(keys::pYear), stored16(keys::pMonth), stored16(keys::pDay));
    const QDate birthDate = storedBirth.isValid() ? storedBirth : today;
    if (!storedBirth.isValid()) {
        // Repair it, or a lion with a broken birth date would never grow up.
        store.saveAll({{keys::pYear, todayYear},
                       {keys::pMonth, todayMonth},
                       {keys::pDay, todayDay}});
    }

    // Only the two clock times count, not the dates: the days between are
    // handled by the daily closeness change and the absence rule below.
    awayMinutes = (openTime.hour() * 60 + openTime.minute()) - (lastTime.hour() * 60 + lastTime.minute());

    const qint32 daysSinceLastVisit = DaysBetween(lastDate, today);
    if (daysSinceLastVisit >= 1)
        applyNewDay();

    if (closeness <= runawayCloseness) {
        petState = RanAway;
        store.save(keys::stau, RanAway);
    }

    ShowPet();
    if (petState == Adult)
        ui.vexo->top -= room::adultLift;

    ApplyAwayMinutes();

    // The adult stage is derived afresh at every opening and never stored.
    if (DaysBetween(birthDate, today) >= daysToGrowUp) {
        if (petState == Cub) {
            petState = Adult;
            // Stand as tall as an adult that was already one: feet on the floor.
            ui.vexo->top -= room::adultLift;
        }
        ShowPet();
    }

    // Gone for this visit only: the stored stage comes back at the next
    // opening on the same day.
    if (daysSinceLastVisit >= daysToLeave) {
        petState = RanAway;
        ShowPet();
    }
}

void PetScreen::applyNewDay()
{
    closeness = closenessAfterNewDay(closeness, food, mood);
    sv.store.save(keys::loveer, closeness);
}

void PetScreen::ApplyAwayMinutes()
{
    // Before the clock time of the previous opening (a later day, earlier in
    // the day) nothing falls.
    if (awayMinutes >= foodFallsAfter) {
        food = afterTimeAway(food, awayMinutes, foodMinutesPerPoint);
        ShowPet();
        sv.store.save(keys::food, food);
    }
    if (awayMinutes >= moodFallsAfter) {
        mood = afterTimeAway(mood, awayMinutes, moodMinutesPerPoint);
        ShowPet();
        sv.store.save(keys::happy, mood);
    }
}

void PetScreen::lookTo(Look look)
{
    // The look comes from its holder, the facing from the way the lion walks.
    Picture& shown = ui.vexo->picture;
    shown = ui.lookHolders[size_t(look)]->picture;
    shown.mirrored = walkDir == -1;
}

void PetScreen::ShowPet()
{
    // The last look that applies wins: sad over dirty over hungry.
    lookTo(Look::Well);
    isWell = true;
    if (food <= 20) {
        lookTo(Look::Hungry);
        isWell = false;
    }
    if (clean == 1) {
        lookTo(Look::Dirty);
        isWell = false;
    }
    if (mood <= 20) {
        lookTo(Look::Sad);
        isWell = false;
    }

    const bool hasLion = petState == Cub || petState == Adult;
    const bool noLion = petState == NoLion || petState == RanAway;
    // Any other stage (only an import can bring one) leaves the room as it is.
    if (hasLion || noLion) {
        Control& lion = *ui.vexo;
        lion.visible = hasLion;
        if (petState == Cub) {
            lion.width = 2995;
            lion.height = 1825;
        } else if (petState == Adult) {
            lion.width = 3495;
            lion.height = 2325;
        }
        ui.petname->caption = petState == Cub     ? QStringLiteral("目前有幼年獅子")
                                                     : petState == Adult ? QStringLiteral("目前有成年獅子")
                                                     : petState == NoLion ? QStringLiteral("目前沒有獅子")
                                                                          : QStringLiteral("獅子離家出走");
        for (Control* c : {ui.foodtxt, ui.happytxt, ui.lovetxt, ui.food, ui.play, ui.clear})
            c->visible = hasLion;
        for (Control* c : {ui.imageGift, ui.nopettxt, ui.use})
            c->visible = noLion;
    }

    ui.foodtxt->caption = QStringLiteral("飽食度:%1%").arg(food);
    ui.happytxt->caption = QStringLiteral("心情值:%1%").arg(mood);
    ui.lovetxt->caption = QStringLiteral("親密度:%1%").arg(closeness);

    if (hasLion)
        unlockAchievement(*this, ui.notice, AchievementId::Pet);
    if (petState == RanAway)
        unlockAchievement(*this, ui.notice, AchievementId::PetExit);

    if (hasLion) {
        sv.store.ensure(keys::pYear, todayYear);
        sv.store.ensure(keys::pMonth, todayMonth);
        sv.store.ensure(keys::pDay, todayDay);
    }
}

void PetScreen::beforeLeaving()
{
    // The time of opening, not of leaving, is what the next opening compares
    // with: time spent on the screen counts as time away.
    sv.store.saveAll({{keys::year, todayYear},
                      {keys::month, todayMonth},
                      {keys::day, todayDay},
                      {keys::minute, openMinute},
                      {keys::hour, openHour}});
}

} // namespace tarovin
