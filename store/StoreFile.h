#pragma once

#include <QByteArray>
#include <QString>

namespace tarovin {

// Whether the text of an INI file can be read whole: UTF-8 without NUL
// bytes, every line a [section], a comment, a key=value pair or blank.
bool iniReadsWhole(const QByteArray& text);

// Looks after the store file before the game first touches it. A file that
// reads whole is copied to "<file>.bak" (the last good store, one step back);
// a damaged one is copied aside to "<file>.damaged-<date>-<time>" so that no
// write of the game can destroy what was in it. Returns the path of that copy
// of a damaged file, or the empty text.
QString safeguardStoreFile(const QString& path, const QString& stamp);

} // namespace tarovin
