#include "SaveFile.h"

#include "store/Keys.h"
#include "store/Numbers.h"
#include "store/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace tarovin::savefile {

namespace {

// The reader removes the space character only; a tab stays part of the text.
QString trimSpaces(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    return s.sliced(begin, end - begin).toString();
}

QString withoutSpaces(QString s)
{
    return s.remove(u' ');
}

// Save files are written in the platform's 8-bit code page, Big5 where the
// game is at home, and the export writes plain ASCII. Text that is not UTF-8
// is therefore read as Big5. Should Qt come without a Big5 decoder (it takes
// it from ICU), the UTF-8 reading stands: an unknown byte then becomes a
// replacement character on its own line, and the lines around it still read.
QString decodedText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder big5("Big5");
    return big5.isValid() ? big5.decode(bytes) : text;
}

// The store the format comes from ignored the case of section names, so a
// hand-written "class pet" meant the pet. The game's four sections are found
// in any case; any other name is kept as written.
QString sectionName(const QString& written)
{
    for (const QString& section : keys::allSections)
        if (written.compare(section, Qt::CaseInsensitive) == 0)
            return section;
    return written;
}

// A stored text with a line break (only a hand-edited store has one) would
// split its key line in two and let the second half pass for a line of its
// own; the export keeps every record on its line.
QString oneLine(QString s)
{
    return s.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

QByteArray exportText(const SettingsStore& store, const QDate& date)
{
    QByteArray out;
    const auto line = [&out](const QString& text) {
        out += text.toUtf8();
        out += "\r\n";
    };
    line(QStringLiteral("MANIFEST"));
    line(QStringLiteral("    CRE_DATE = %1,%2,%3").arg(date.year(), 4, 10, QChar(u'0')).arg(date.month()).arg(date.day()));
    line(QStringLiteral("END MANIFEST"));
    line(QString());
    line(QStringLiteral("REG"));
    for (const StoreSection& section : keys::sections) {
        const std::optional<SettingsStore::Rows> rows = store.getAll(section);
        if (!rows)
            continue;
        line(QStringLiteral("  CLASS ") + section);
        for (const auto& [key, value] : *rows)
            line(QStringLiteral("        ") + oneLine(key) + QStringLiteral(" = ") + oneLine(value));
        line(QStringLiteral("  END CLASS"));
        // "END REG" follows the last block directly.
        if (section != keys::avda)
            line(QString());
    }
    line(QStringLiteral("END REG"));
    return out;
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    // QSaveFile writes beside the target and renames only after everything
    // went well, so a full disk never leaves half a save behind. A folder
    // that takes no new file can still hold a save that may be written: that
    // one is written in place rather than refused.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("無法建立檔案「%1」(%2)").arg(path, file.errorString());
    // The bytes wait in QSaveFile's buffer, and commit() renames the file
    // even when the flush that writes them fails (a full disk): it would put
    // a cut-off save in place of the old one and call that a success. So
    // the flush comes first, and is checked.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return QStringLiteral("無法寫入檔案「%1」(%2)").arg(path, why);
    }
    if (!file.commit())
        return QStringLiteral("無法寫入檔案「%1」(%2)").arg(path, file.errorString());
    return {};
}

Reading parse(const QByteArray& bytes)
{
    if (bytes.size() > maxFileBytes)
        return {QStringLiteral("檔案太大 (超過 %1 KB)，不是咕嚕果的存檔").arg(maxFileBytes / 1024), {}};
    QString text = decodedText(bytes);
    // Some editors put a byte-order mark in front of the first line.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    // Split first, so that a monster line is refused before anything is asked.
    QList<QStringView> lines;
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        const bool atEnd = i == all.size();
        if (!atEnd && all[i] != u'\r' && all[i] != u'\n')
            continue;
        if (!atEnd || i > start) {
            if (i - start > maxLineChars)
                return {QStringLiteral("第 %1 行太長 (超過 %2 個字元)").arg(lines.size() + 1).arg(maxLineChars), {}};
            lines.append(all.sliced(start, i - start));
        }
        // CR LF is one line end; CR and LF alone end a line each.
        if (!atEnd && all[i] == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }

    Reading reading;
    QString section;
    QString dateText;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        // A NUL never occurs in text: its line is none the reader understands.
        if (lines[n].contains(QChar(0)))
            continue;
        const QString line = trimSpaces(lines[n]);
        // A CRE_DATE line inside a class block is a key line as well.
        if (line.left(8).toUpper() == u"CRE_DATE") {
            const qsizetype eq = line.indexOf(u'=');
            dateText = withoutSpaces(eq < 0 ? line : line.mid(eq + 1));
        }
        if (line.left(6).toUpper() == u"CLASS ") {
            section = sectionName(withoutSpaces(line.mid(6)));
        } else if (line.toUpper() == u"END CLASS") {
            section.clear();
        } else if (!section.isEmpty() && line.contains(u'=')) {
            const qsizetype eq = line.indexOf(u'=');
            if (reading.keyLines.size() == maxKeyLines)
                return {QStringLiteral("檔案的資料行太多 (超過 %1 行)，不是咕嚕果的存檔").arg(maxKeyLines), {}};
            reading.keyLines.append(
                {int(n + 1), section, withoutSpaces(line.left(eq)), withoutSpaces(line.mid(eq + 1)), dateText});
        }
    }
    return reading;
}

Reading readFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        return {QStringLiteral("「%1」是資料夾，不是檔案").arg(path), {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("無法開啟檔案「%1」(%2)").arg(path, file.errorString()), {}};
    // One byte more than allowed is enough to know the file is too big.
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {QStringLiteral("無法讀取檔案「%1」(%2)").arg(path, file.errorString()), {}};
    return parse(bytes);
}

std::optional<qint64> numericValue(const QString& value)
{
    return parseDecimal(value);
}

} // namespace tarovin::savefile
