#include "StoreFile.h"

#include <QFile>
#include <QList>
#include <QStringDecoder>

namespace tarovin {

bool iniReadsWhole(const QByteArray& text)
{
    if (text.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (utf8.hasError())
        return false;
    for (QString line : decoded.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() > 2)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            continue;
        return false;
    }
    return true;
}

namespace {

bool copyReplacing(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

QString safeguardStoreFile(const QString& path, const QString& stamp)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    file.close();
    if (iniReadsWhole(text)) {
        copyReplacing(path, path + QStringLiteral(".bak"));
        return {};
    }
    const QString aside = path + QStringLiteral(".damaged-") + stamp;
    return copyReplacing(path, aside) ? aside : QString();
}

} // namespace tarovin
