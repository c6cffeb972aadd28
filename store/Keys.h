#pragma once

#include <QString>
#include <QStringList>

// Every section and key that the game keeps in its store.
namespace tarovin::keys {

inline const QString settings = QStringLiteral("SETTINGS");
inline const QString items = QStringLiteral("ITEMS");
inline const QString pet = QStringLiteral("PET");
inline const QString avda = QStringLiteral("AVDA");

// The sections in the order a save file lists them.
inline const QStringList allSections = {settings, items, pet, avda};

// SETTINGS
inline const QString soundOpt = QStringLiteral("SOUNDOPT"); // 2 on, 1 off, 0/missing not yet set
inline const QString diamond = QStringLiteral("DIAMOND");   // 16-bit wallet
inline const QString iron = QStringLiteral("IRON");         // 16-bit wallet
inline const QString maxScore = QStringLiteral("MAXSCORE"); // 32-bit best score
inline const QString year = QStringLiteral("YEAR");         // last opening of the pet screen
inline const QString month = QStringLiteral("MONTH");
inline const QString day = QStringLiteral("DAY");
inline const QString hour = QStringLiteral("HOUR");
inline const QString minute = QStringLiteral("MINUTE");

// ITEMS, in the order the menu ensures them and the shop stores them.
inline const QString nightUi = QStringLiteral("NIGHTUI");
inline const QString scoreX = QStringLiteral("SCOREX");
inline const QString noTnt = QStringLiteral("NOTNT");
inline const QString slowLion = QStringLiteral("SLOWLION");
inline const QString totem = QStringLiteral("TOTEM");
inline const QString autoFood = QStringLiteral("AUTOFOOD");
inline const QString gift = QStringLiteral("GIFT");
inline const QStringList allItems = {nightUi, scoreX, noTnt, slowLion, totem, autoFood, gift};

// PET
inline const QString food = QStringLiteral("FOOD");
inline const QString happy = QStringLiteral("HAPPY");
inline const QString loveer = QStringLiteral("LOVEER");
inline const QString clear = QStringLiteral("CLEAR");
inline const QString stau = QStringLiteral("STAU");
inline const QString pYear = QStringLiteral("PYEAR");
inline const QString pMonth = QStringLiteral("PMONTH");
inline const QString pDay = QStringLiteral("PDAY");

} // namespace tarovin::keys
