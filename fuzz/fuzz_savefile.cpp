// Feeds arbitrary bytes to the save-file reader, which must answer every
// input with a result or a clear failure, never a crash or a hang.
#include "screens/settings/SaveFile.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)tarovin::savefile::parse(bytes);
    return 0;
}
