#pragma once

#include "store/Keys.h"

#include <QList>
#include <QPair>
#include <QSettings>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace tarovin {

// The outcome of a write: ok, or a reason in words the player can read.
struct WriteResult {
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
};

// All that the game remembers, as integers under (section, key), kept in the
// per-user INI file of the application "TAROVIN". Nothing is cached: every read
// and write goes to the file, and every write is synced at once. Each write
// reports on itself alone, and a write the disk refused is taken back, so
// that what every screen reads is what the disk holds.
class SettingsStore {
public:
    using Rows = QList<QPair<QString, QString>>;

    // The INI file at path; defaultPath() is the player's own store.
    explicit SettingsStore(const QString& path);
    ~SettingsStore();
    static QString defaultPath();
    QString path() const;

    // The stored value, or def for a missing key or text that is not a
    // number. Fractions round half to even; numbers beyond 32 bits are clamped.
    qint32 getInt(const QString& section, const QString& key, qint32 def) const;
    WriteResult saveInt(const QString& section, const QString& key, qint32 value);
    // Writes value only when the key is missing or does not hold a number.
    void ensureInt(const QString& section, const QString& key, qint32 value);

    // The same through the schema: a key of Keys.h, read with its default.
    qint32 get(const StoreKey& key) const { return getInt(key.section, key, key.byDefault); }
    // Read with another default than the schema's, where a screen needs one.
    qint32 get(const StoreKey& key, qint32 whenMissing) const { return getInt(key.section, key, whenMissing); }
    WriteResult save(const StoreKey& key, qint32 value) { return saveInt(key.section, key, value); }
    void ensure(const StoreKey& key, qint32 value) { ensureInt(key.section, key, value); }
    // Removes every section and key of the application.
    WriteResult deleteApp();
    // The keys of one section with their texts; nothing for a section that
    // does not exist or has no keys.
    std::optional<Rows> getAll(const QString& section) const;

    struct Entry {
        Entry(const QString& section, const QString& key, qint32 value) : section(section), key(key), value(value) {}
        Entry(const StoreKey& key, qint32 value) : section(key.section), key(key), value(value) {}
        QString section;
        QString key;
        qint32 value;
    };
    // Writes many keys in one go and syncs once: all of them or, when a name
    // is refused, none.
    WriteResult saveAll(const QList<Entry>& entries);

    // Why a section or key name cannot be stored, or the empty text when it
    // can. Empty names and names with '/', '\', '=' or control characters are
    // refused: QSettings would read a '/' as a nested group and let a key
    // escape its section.
    static QString nameProblem(const QString& name);

private:
    // What the disk held under each address before a write: its value, or
    // nothing for a key that was not there.
    using Previous = QList<QPair<QString, std::optional<QVariant>>>;

    QString readText(const QString& section, const QString& key, bool* found) const;
    void reopen();
    Previous previousValues(const QStringList& addresses) const;
    WriteResult syncAndCheck(const Previous& previous);

    QString path_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace tarovin
