#pragma once

#include <QString>
#include <QStringList>

// The name of every screen, as the navigator knows it: what one screen opens
// another by, and what the front end and the tests find a window by. The
// composition registers one screen for each; a name it does not have is an
// error, never an empty window.
namespace tarovin::screen {

inline const QString start = QStringLiteral("Start");
inline const QString game = QStringLiteral("Gamepage");
inline const QString pet = QStringLiteral("Petpage");
inline const QString shop = QStringLiteral("Shop");
inline const QString achievements = QStringLiteral("Avdacts");
inline const QString settings = QStringLiteral("Settings");
inline const QString about = QStringLiteral("About");

inline const QStringList all = {start, game, pet, shop, achievements, settings, about};

} // namespace tarovin::screen
