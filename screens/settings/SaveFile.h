#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tarovin {

class SettingsStore;

// The ".tvd" save file: a small text file that mirrors the store's four
// sections, one line per key. The writer always produces the same rigid
// layout; the reader is lenient about indentation, keyword case and lines it
// does not understand, so a file edited by hand still imports.
namespace savefile {

// A real save holds a few dozen short lines. Anything far beyond these
// bounds is not a save of this game, and refusing it early keeps a stray
// pick in the open dialog from stalling the program.
inline constexpr qint64 maxFileBytes = 1024 * 1024;
inline constexpr int maxLineChars = 4096;
// Each key line may bring a box of its own; a file with more of them than any
// save holds keys is refused before the first box.
inline constexpr int maxKeyLines = 1000;

// The whole file the export writes for the store as it is now, dated date:
// the header, one class block per section that has keys, CR LF after every
// line.
QByteArray exportText(const SettingsStore& store, const QDate& date);

// Replaces the file at path with bytes, all at once: the old file stays as it
// was unless the new one was written completely. Returns the reason in words
// the player can read, or the empty text on success.
QString writeWhole(const QString& path, const QByteArray& bytes);

// One "KEY = VALUE" line found inside a class block, with the date text that
// the CRE_DATE lines before it gave.
struct KeyLine {
    int lineNumber = 0;
    QString section;
    QString key;
    QString value;
    QString dateText;
};

struct Reading {
    QString error; // empty when the whole file could be read
    QList<KeyLine> keyLines;
    bool ok() const { return error.isEmpty(); }
};

// Applies the reader's grammar to the bytes of a file, read as UTF-8 or, when
// they are not, as Big5: every line (ending in CR LF, CR or LF) trimmed of
// spaces, then the CRE_DATE, CLASS, END CLASS and key-line tests. Lines with
// a NUL are skipped like any line the grammar does not know; the game's four
// section names are matched in any case. A file beyond maxFileBytes, a line
// beyond maxLineChars or more than maxKeyLines key lines give an error and
// no key lines.
Reading parse(const QByteArray& bytes);
// Opens, reads and parses the file at path.
Reading readFile(const QString& path);

// The value of a key line as the store understands numbers: a fraction is
// rounded half to even. Nothing for text that is not a number; the result
// may lie beyond 32 bits, which the caller must refuse.
std::optional<qint64> numericValue(const QString& value);

} // namespace savefile
} // namespace tarovin
