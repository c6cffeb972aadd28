// Feeds arbitrary text to the store's reading of numbers, straight and as a
// value inside a real INI file read through the store.
#include "store/Numbers.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString scratchPath()
{
    static QTemporaryDir dir;
    static int n = 0;
    // A new file name each time: QSettings keeps parsed copies of files it saw.
    return dir.filePath(QStringLiteral("f%1.ini").arg(++n % 100000));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    const std::optional<qint64> n = tarovin::parseDecimal(text);

    // Plain integers in range must read as exactly themselves. (Qt's own
    // conversion stops at a NUL, so such texts have no oracle here.)
    bool ok = false;
    const qint64 plain = text.trimmed().toLongLong(&ok);
    if (ok && !text.contains(QChar(0)) && !text.trimmed().startsWith(u'+') && (!n || *n != plain))
        std::abort();

    const QString path = scratchPath();
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write("[SETTINGS]\nVALUE=" + bytes + "\n");
        f.close();
        tarovin::SettingsStore store(path);
        const qint32 read = store.getInt(QStringLiteral("SETTINGS"), QStringLiteral("VALUE"), 404);
        (void)read;
        store.getAll(QStringLiteral("SETTINGS"));
        QFile::remove(path);
    }
    return 0;
}
