// A second process for the store tests: writes keys through the game's store
// until it is killed or done.
//   store_writer sequence PATH        saveInt K1..K5 = n, then n + 1, ... forever,
//                                     going on from what the file holds
//   store_writer keys PATH PREFIX N   saveInt PREFIX1..PREFIXN = 1..N, then exit
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == "sequence") {
        tarovin::SettingsStore store(args[2]);
        std::puts("ready");
        std::fflush(stdout);
        // K5 is written last: a killed round left it at the older value.
        for (int n = store.getInt("SETTINGS", "K5", 0) + 1;; ++n)
            for (int k = 1; k <= 5; ++k)
                store.saveInt("SETTINGS", QStringLiteral("K%1").arg(k), n);
    }
    if (args.size() >= 5 && args[1] == "keys") {
        tarovin::SettingsStore store(args[2]);
        const int n = args[4].toInt();
        for (int i = 1; i <= n; ++i)
            if (!store.saveInt("ITEMS", args[3] + QString::number(i), i))
                return 1;
        return 0;
    }
    std::fputs("usage: store_writer sequence PATH | keys PATH PREFIX N\n", stderr);
    return 2;
}
