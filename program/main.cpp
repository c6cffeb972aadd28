#include "frontend/FrontEnd.h"
#include "frontend/Measurements.h"
#include "frontend/PictureCache.h"
#include "frontend/QtAudio.h"
#include "frontend/QtDialogs.h"
#include "frontend/QtWeb.h"
#include "program/Screens.h"
#include "screens/ScreenNames.h"
#include "toolkit/Navigator.h"
#include "toolkit/Scheduler.h"
#include "toolkit/Services.h"
#include "toolkit/SystemPlatform.h"
#include "services/FrameCounter.h"
#include "services/SoundPlayer.h"
#include "store/SettingsStore.h"
#include "store/StoreFile.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace tarovin;

namespace {

// Qt's own words (OK, Cancel, Yes, No, the file dialog) in Traditional Chinese.
void installChineseTranslations(QApplication& app)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_zh_TW", "qt_zh_TW"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), dir))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

QIcon appIcon(PictureCache& pictures)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(pictures.pixmap({QStringLiteral("app_icon"), false}, QSize(size, size), 1.0));
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TAROVIN"));
    QApplication::setApplicationName(QStringLiteral("TAROVIN"));
    QApplication::setDesktopFileName(QStringLiteral("tw.wuduo.Tarovin"));
    installChineseTranslations(app);

    QElapsedTimer monotonic;
    monotonic.start();
    Scheduler scheduler([&monotonic] { return monotonic.elapsed(); });
    // Before the first write: keep the last good store one step back, and a
    // damaged one aside where no write of the game can reach it.
    const QString damagedCopy = safeguardStoreFile(
        SettingsStore::defaultPath(), QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    SettingsStore store(SettingsStore::defaultPath());
    QtDialogs dialogs;
    QtAudio audio;
    SoundPlayer sound(audio);
    SystemClock clock;
    SystemTicks ticks;
    SystemRandom random;
    FrameCounter frames;
    QtWeb web;
    Navigator navigator;
    Services services{store, sound, dialogs, scheduler, navigator, clock, ticks, random, frames, web};

    FrontEnd frontEnd(scheduler, navigator, monotonic);
    QApplication::setWindowIcon(appIcon(frontEnd.pictures()));
    QApplication::setFont(frontEnd.gameFont());
    Screens screens(services);
    std::unique_ptr<Measurements> measurements;
    if (Measurements::enabled())
        measurements = std::make_unique<Measurements>(navigator);

    navigator.load(screen::start);
    navigator.show(screen::start);
    frontEnd.afterEvent();
    if (!damagedCopy.isEmpty())
        dialogs.messageBox(QStringLiteral("遊戲進度檔損壞了，有些資料無法完整讀取。\r\n"
                                          "原本的檔案已另存一份在：\r\n%1\r\n"
                                          "遊戲會用還讀得到的資料繼續。")
                               .arg(damagedCopy),
                           MsgButtons::Ok, MsgIcon::Exclamation, gameTitle);
    return navigator.ended() ? 0 : app.exec();
}
