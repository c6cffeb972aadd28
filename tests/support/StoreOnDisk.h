#pragma once

#include <QString>
#include <QStringList>

namespace tarovin::test {

// Every key of the INI file at path as "SECTION/KEY=text", sorted, read from
// the bytes on the disk. A QSettings in the same process would not do: Qt
// shares one parsed copy of each file between all its objects, with every
// write still waiting to reach the disk, so it shows memory, not the disk.
// Plain values only (the game writes nothing else); no file gives no keys.
QStringList storeOnDisk(const QString& path);

// Writes a store file that Qt reads with a format error, as a damaged store
// at start: SOUNDOPT=1, a broken line, a broken section header, TOTEM=3.
// Returns false when the file could not be written.
bool writeDamagedStore(const QString& path);

} // namespace tarovin::test
