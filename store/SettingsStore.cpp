#include "SettingsStore.h"

#include "Numbers.h"

#include <QStringList>

namespace tarovin {

SettingsStore::SettingsStore(const QString& path)
    : path_(path), settings_(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultPath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TAROVIN"), QStringLiteral("TAROVIN"))
        .fileName();
}

QString SettingsStore::path() const
{
    return settings_->fileName();
}

QString SettingsStore::nameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("名稱是空的");
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u'=')
            return QStringLiteral("名稱「%1」含有不能使用的字元「%2」").arg(name, c);
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("名稱含有控制字元");
    }
    return {};
}

QString SettingsStore::readText(const QString& section, const QString& key, bool* found) const
{
    *found = false;
    if (!nameProblem(section).isEmpty() || !nameProblem(key).isEmpty())
        return {};
    // Another copy of the game may have written meanwhile; sync picks that up.
    settings_->sync();
    const QString address = section + u'/' + key;
    if (!settings_->contains(address))
        return {};
    *found = true;
    const QVariant v = settings_->value(address);
    // A hand-edited value with commas comes back as a list; keep its text.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

qint32 SettingsStore::getInt(const QString& section, const QString& key, qint32 def) const
{
    bool found = false;
    const QString text = readText(section, key, &found);
    if (!found)
        return def;
    const std::optional<qint64> n = parseDecimal(text);
    return n ? toInt32(*n) : def;
}

// Qt shares one parsed copy of the file between all its objects, with every
// change that has not reached the disk yet; a new object finds it again, and
// its opening tries once more to write what is still waiting.
void SettingsStore::reopen()
{
    settings_.reset();
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

SettingsStore::Previous SettingsStore::previousValues(const QStringList& addresses) const
{
    // Another copy of the game may have written meanwhile; what a refused
    // write puts back is what the disk holds now.
    settings_->sync();
    Previous previous;
    for (const QString& address : addresses) {
        std::optional<QVariant> value;
        if (settings_->contains(address))
            value = settings_->value(address);
        previous.append({address, value});
    }
    return previous;
}

WriteResult SettingsStore::syncAndCheck(const Previous& previous)
{
    settings_->sync();
    // An object keeps the first error it ever met, and reading a damaged file
    // is one, so its status says little about this write. A fresh object
    // tries again whatever this write left waiting: if it opens without an
    // error, the write is on the disk.
    if (settings_->status() != QSettings::NoError)
        reopen();
    const QSettings::Status status = settings_->status();
    if (status == QSettings::NoError)
        return {};
    // Qt would keep the refused values, show them to every screen and write
    // them at the next sync that succeeds. Put back what the disk holds.
    for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
        if (it->second)
            settings_->setValue(it->first, *it->second);
        else
            settings_->remove(it->first);
    }
    if (status == QSettings::FormatError)
        return {false, QStringLiteral("設定檔 %1 的格式有誤").arg(settings_->fileName())};
    return {false, QStringLiteral("無法寫入設定檔 %1").arg(settings_->fileName())};
}

WriteResult SettingsStore::saveInt(const QString& section, const QString& key, qint32 value)
{
    return saveAll({Entry{section, key, value}});
}

WriteResult SettingsStore::saveAll(const QList<Entry>& entries)
{
    QStringList addresses;
    for (const Entry& e : entries) {
        QString problem = nameProblem(e.section);
        if (problem.isEmpty())
            problem = nameProblem(e.key);
        if (!problem.isEmpty())
            return {false, problem};
        addresses << e.section + u'/' + e.key;
    }
    const Previous previous = previousValues(addresses);
    for (qsizetype i = 0; i < entries.size(); ++i)
        settings_->setValue(addresses[i], QString::number(entries[i].value));
    return syncAndCheck(previous);
}

void SettingsStore::ensureInt(const QString& section, const QString& key, qint32 value)
{
    bool found = false;
    const QString text = readText(section, key, &found);
    if (!found || !parseDecimal(text))
        saveInt(section, key, value);
}

WriteResult SettingsStore::deleteApp()
{
    settings_->sync();
    const Previous previous = previousValues(settings_->allKeys());
    settings_->clear();
    return syncAndCheck(previous);
}

std::optional<SettingsStore::Rows> SettingsStore::getAll(const QString& section) const
{
    if (!nameProblem(section).isEmpty())
        return std::nullopt;
    settings_->sync();
    settings_->beginGroup(section);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    if (keys.isEmpty())
        return std::nullopt;
    Rows rows;
    for (const QString& key : keys) {
        bool found = false;
        rows.append({key, readText(section, key, &found)});
    }
    return rows;
}

} // namespace tarovin
