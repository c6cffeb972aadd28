#include "StoreOnDisk.h"

#include <QFile>

namespace tarovin::test {

QStringList storeOnDisk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    QString section;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(u'='))
            keys << section + u'/' + line.section(u'=', 0, 0).trimmed() + u'=' + line.section(u'=', 1).trimmed();
    }
    keys.sort();
    return keys;
}

bool writeDamagedStore(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = "[SETTINGS]\nSOUNDOPT=1\nthis line is broken\n[ITEMS\nTOTEM=3\n";
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tarovin::test
