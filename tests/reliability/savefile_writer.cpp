// A second process for the save-file test: exports a save file again and
// again until it is killed.
//   savefile_writer PATH   round n sets the forty keys K1..K40 to n in a
//                          store of its own, then exports it to PATH
#include "screens/settings/SaveFile.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: savefile_writer PATH\n", stderr);
        return 2;
    }
    QTemporaryDir dir;
    tarovin::SettingsStore store(dir.filePath(QStringLiteral("store.ini")));
    std::puts("ready");
    std::fflush(stdout);
    for (int n = 1;; ++n) {
        QList<tarovin::SettingsStore::Entry> batch;
        for (int k = 1; k <= 40; ++k)
            batch.append({QStringLiteral("ITEMS"), QStringLiteral("K%1").arg(k), n});
        store.saveAll(batch);
        const QString error = tarovin::savefile::writeWhole(
            args[1], tarovin::savefile::exportText(store, QDate(2026, 12, 10)));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
}
