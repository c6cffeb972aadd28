#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <limits>
#include <string_view>

// The schema of the store: every section and every key the game keeps, each
// described once with what it holds, what it reads as when missing, what the
// game itself may ever write into it and who ensures it. The screens read and
// write through these keys (SettingsStore::get, save, ensure); the tests that
// plant hostile values and check what the game wrote read the same table.
namespace tarovin {

// The sound option "SOUNDOPT".
enum class SoundOption : qint32 { NotSet = 0, Off = 1, On = 2 };

struct StoreSection {
    std::string_view name;

    QString text() const { return QString::fromLatin1(name.data(), qsizetype(name.size())); }
    // A section stands for its name where the store is addressed by text.
    operator QString() const { return text(); }
    constexpr bool operator==(const StoreSection&) const = default;
};

// How a screen keeps a value; the range says which values the game writes.
enum class StoreKind {
    Choice,    // one of a few numbered states
    Count16,   // a count every screen keeps in 16 bits
    ItemCount, // an item count: 16 bits in the game, 32 bits in the shop and the pet screen
    Level16,   // a 16-bit percentage that stops at 100 and has no lower bound
    Score32,   // a 32-bit score
    DatePart,  // year, month or day
    TimePart,  // hour or minute
};

// Who writes the key when it is missing (or does not hold a number) at a load.
enum class EnsuredBy { Nobody, Menu, Game, PetScreen, AchievementsScreen };

struct StoreKey {
    StoreSection section;
    std::string_view name;
    StoreKind kind;
    qint32 byDefault; // what a missing or non-numeric value reads as
    qint64 low;       // the least and the greatest value that the game itself
    qint64 high;      // may ever write
    EnsuredBy ensuredBy;

    QString text() const { return QString::fromLatin1(name.data(), qsizetype(name.size())); }
    // A key stands for its name where the store is addressed by text.
    operator QString() const { return text(); }
    // "SECTION/KEY", how the store's file and the tests name it.
    QString address() const { return section.text() + u'/' + text(); }
    constexpr bool operator==(const StoreKey& other) const
    {
        return section == other.section && name == other.name;
    }
};

namespace keys {

inline constexpr StoreSection settings{"SETTINGS"};
inline constexpr StoreSection items{"ITEMS"};
inline constexpr StoreSection pet{"PET"};
inline constexpr StoreSection avda{"AVDA"};

namespace detail {
constexpr qint64 int16min = std::numeric_limits<qint16>::min();
constexpr qint64 int16max = std::numeric_limits<qint16>::max();
constexpr qint64 int32max = std::numeric_limits<qint32>::max();
} // namespace detail

using enum StoreKind;
using enum EnsuredBy;
using detail::int16max;
using detail::int16min;
using detail::int32max;

// SETTINGS
inline constexpr StoreKey soundOpt{settings, "SOUNDOPT", Choice, qint32(SoundOption::NotSet), 1, 2, Menu};
inline constexpr StoreKey diamond{settings, "DIAMOND", Count16, 0, int16min, int16max, Menu};
inline constexpr StoreKey iron{settings, "IRON", Count16, 0, int16min, int16max, Menu};
inline constexpr StoreKey maxScore{settings, "MAXSCORE", Score32, 0, 0, int32max, Game};
// The last opening of the pet screen.
inline constexpr StoreKey year{settings, "YEAR", DatePart, 0, 1, 9999, PetScreen};
inline constexpr StoreKey month{settings, "MONTH", DatePart, 0, 1, 12, PetScreen};
inline constexpr StoreKey day{settings, "DAY", DatePart, 0, 1, 31, PetScreen};
inline constexpr StoreKey hour{settings, "HOUR", TimePart, 0, 0, 23, PetScreen};
inline constexpr StoreKey minute{settings, "MINUTE", TimePart, 0, 0, 59, PetScreen};

// ITEMS, one per article of the shop
inline constexpr StoreKey nightUi{items, "NIGHTUI", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey scoreX{items, "SCOREX", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey noTnt{items, "NOTNT", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey slowLion{items, "SLOWLION", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey totem{items, "TOTEM", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey autoFood{items, "AUTOFOOD", ItemCount, 0, int16min, int32max, Menu};
inline constexpr StoreKey gift{items, "GIFT", ItemCount, 0, int16min, int32max, Menu};

// PET
inline constexpr StoreKey food{pet, "FOOD", Level16, 0, int16min, 100, PetScreen};
inline constexpr StoreKey happy{pet, "HAPPY", Level16, 0, int16min, 100, PetScreen};
inline constexpr StoreKey loveer{pet, "LOVEER", Level16, 0, int16min, 100, PetScreen};
inline constexpr StoreKey clear{pet, "CLEAR", Choice, 0, 1, 2, PetScreen};  // 1 dirty, 2 clean
inline constexpr StoreKey stau{pet, "STAU", Choice, 0, 1, 4, PetScreen};    // the lion's stage of life
inline constexpr StoreKey pYear{pet, "PYEAR", DatePart, 0, 1, 9999, PetScreen}; // the lion's birth date
inline constexpr StoreKey pMonth{pet, "PMONTH", DatePart, 0, 1, 12, PetScreen};
inline constexpr StoreKey pDay{pet, "PDAY", DatePart, 0, 1, 31, PetScreen};

// AVDA, one per achievement: 0 or missing not armed, 1 armed, 2 achieved
inline constexpr StoreKey avdaTitle{avda, "TITLE", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaCbStart{avda, "CBSTART", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaPetExit{avda, "PETEXIT", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaFifty{avda, "FIFTY", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaTenTm{avda, "TENTM", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaAngry{avda, "ANGRY", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaUseAll{avda, "USEALL", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaTotem{avda, "TOTEM", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaPet{avda, "PET", Choice, 0, 1, 2, AchievementsScreen};
inline constexpr StoreKey avdaTwenty{avda, "TWENTY", Choice, 0, 1, 2, AchievementsScreen};

// The sections in the order a save file lists them.
inline constexpr std::array sections{settings, items, pet, avda};

// Every key of the store, section by section in the order of sections.
// The items stand in the order the menu ensures them and the shop stores them.
inline constexpr std::array schema{
    soundOpt, diamond, iron, maxScore, year, month, day, hour, minute,
    nightUi, scoreX, noTnt, slowLion, totem, autoFood, gift,
    food, happy, loveer, clear, stau, pYear, pMonth, pDay,
    avdaTitle, avdaCbStart, avdaPetExit, avdaFifty, avdaTenTm, avdaAngry, avdaUseAll, avdaTotem, avdaPet, avdaTwenty,
};

// The keys of one section, in the schema's order.
template <size_t N>
constexpr std::array<StoreKey, N> keysIn(StoreSection section)
{
    std::array<StoreKey, N> found{};
    size_t n = 0;
    for (const StoreKey& key : schema)
        if (key.section == section)
            found[n++] = key;
    return found;
}
inline constexpr auto itemKeys = keysIn<7>(items);

// The same lists by name, for code that addresses the store by text.
template <typename Named, size_t N>
QStringList namesOf(const std::array<Named, N>& named)
{
    QStringList names;
    for (const Named& n : named)
        names.append(n.text());
    return names;
}
inline const QStringList allSections = namesOf(sections);
inline const QStringList allItems = namesOf(itemKeys);

namespace detail {
constexpr size_t countIn(StoreSection section)
{
    size_t n = 0;
    for (const StoreKey& key : schema)
        n += key.section == section;
    return n;
}

constexpr bool wellFormed()
{
    size_t sectionAt = 0;
    for (size_t i = 0; i < schema.size(); ++i) {
        const StoreKey& key = schema[i];
        while (sectionAt < sections.size() && !(sections[sectionAt] == key.section))
            ++sectionAt; // sections only ever move forward
        if (sectionAt == sections.size() || key.name.empty() || key.low > key.high)
            return false;
        for (size_t j = 0; j < i; ++j)
            if (schema[j] == key)
                return false;
    }
    return true;
}
} // namespace detail

static_assert(detail::wellFormed(), "each key once, sections in save-file order, a range low..high");
static_assert(detail::countIn(items) == itemKeys.size(), "itemKeys holds every ITEMS key");

} // namespace keys

} // namespace tarovin
