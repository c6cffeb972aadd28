#include "SettingsScreen.h"

#include "SaveFile.h"
#include "screens/ScreenNames.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Navigator.h"
#include "toolkit/Platform.h"
#include "toolkit/Services.h"
#include "services/SoundPlayer.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"

#include <limits>
#include <optional>

namespace tarovin {

namespace {

const QString click = QStringLiteral("BTNSOUND");
const QStringList saveFilters = {QStringLiteral("咕果存檔 (*.tvd)"), QStringLiteral("所有檔案 (*.*)")};

constexpr SoundOption soundOn = SoundOption::On;
constexpr SoundOption soundOff = SoundOption::Off;

// Keeps a box readable when a hand-edited file carries a very long key or value.
QString shortened(const QString& text)
{
    constexpr int most = 60;
    return text.size() <= most ? text : text.left(most) + QStringLiteral("…");
}

bool fitsInt32(qint64 n)
{
    return n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

} // namespace

SettingsScreen::SettingsScreen(Services& services) : MenuChild(services, screen::settings, formSize::standard) {}

void SettingsScreen::design()
{
    background.name = QStringLiteral("bg_settings");

    struct LabelSpec {
        const char* name;
        Rect rect;
        const char* caption;
        const char* color;
    };
    const LabelSpec labels[] = {
        {"Title", {6360, 480, 1215, 735}, "設定", "#FFFF80"},
        {"soundlb", {6480, 1200, 975, 615}, "聲音", "#404040"},
        {"Soundonftxt", {1440, 1920, 1215, 735}, "音效", "#000000"},
        {"Label4", {6240, 2760, 1455, 615}, "檔案", "#404040"},
        {"Label2", {6480, 6720, 975, 615}, "危險", "#C00000"},
    };
    for (const LabelSpec& l : labels) {
        Control& c = addLabel(QString::fromUtf8(l.name), l.rect, QString::fromUtf8(l.caption));
        c.foreColor = QString::fromUtf8(l.color);
        c.align = Align::Center;
    }
    control(QStringLiteral("Title")).fontSize = 24;
    control(QStringLiteral("Soundonftxt")).align = Align::Left;

    Control& on = addImage(QStringLiteral("Swich1"), {2400, 1800, 1290, 855}, QStringLiteral("switch_on"));
    on.onClick = [this] { Swich1_Click(); };
    on.tooltip = QStringLiteral("音效：開");
    ui.swich1 = &on;
    Control& off = addImage(QStringLiteral("Swich1_2"), {2400, 1800, 1290, 855}, QStringLiteral("switch_off"));
    off.onClick = [this] { Swich1_2_Click(); };
    off.tooltip = QStringLiteral("音效：關");
    off.visible = false;
    ui.swich1_2 = &off;

    const ButtonSpec<SettingsScreen> buttons[] = {
        {"download", {6120, 3480, 735, 735}, "btn_export", "下載存檔", &SettingsScreen::download_Click},
        {"in", {7080, 3480, 735, 735}, "btn_import", "載入存檔", &SettingsScreen::in_Click},
        {"Delcookie", {5760, 7320, 2415, 855}, "btn_wipe", "清空所有資料", &SettingsScreen::Delcookie_Click},
        {"Close", {13080, 240, 735, 735}, "btn_close", "關閉", &SettingsScreen::Close_Click},
    };
    addButtons(*this, buttons);
    control(QStringLiteral("Close")).backColor = QStringLiteral("#FF8080");
}

void SettingsScreen::onLoad()
{
    sv.sound.preload(click);
    soundOpt = SoundOption(sv.store.get(keys::soundOpt));
    showSwitch();
}

// Exactly one switch picture is shown; anything but 2 counts as off.
void SettingsScreen::showSwitch()
{
    const bool on = soundOpt == soundOn;
    ui.swich1->visible = on;
    ui.swich1_2->visible = !on;
}

void SettingsScreen::setSoundOption(SoundOption value)
{
    sv.store.save(keys::soundOpt, qint32(value));
    ui.swich1->visible = value == soundOn;
    ui.swich1_2->visible = value != soundOn;
    // Read back rather than assumed: the click is heard only when the store
    // really holds "on", so turning sound on confirms itself audibly.
    soundOpt = SoundOption(sv.store.get(keys::soundOpt));
    playSound(click);
}

void SettingsScreen::Swich1_Click() { setSoundOption(soundOff); }
void SettingsScreen::Swich1_2_Click() { setSoundOption(soundOn); }

void SettingsScreen::Delcookie_Click()
{
    playSound(click);
    if (sv.dialogs.messageBox(QStringLiteral("是否清空所有遊玩資訊"), MsgButtons::OkCancel, MsgIcon::Exclamation, gameTitle)
        != MsgOk)
        return;
    const WriteResult wiped = sv.store.deleteApp();
    if (!wiped) {
        // Ending now would let the player believe the progress is gone.
        sv.dialogs.messageBox(QStringLiteral("清空資料時發生錯誤: ") + wiped.error, MsgButtons::Ok, MsgIcon::Critical,
                              gameTitle);
        return;
    }
    sv.navigator.endAtOnce();
}

void SettingsScreen::Close_Click()
{
    playSound(click);
    sv.navigator.switchTo(screen::start, *this);
}


void SettingsScreen::download_Click()
{
    playSound(click);
    const QString path = sv.dialogs.saveFileName(gameTitle, saveFilters, QStringLiteral("tvd"));
    if (path.isEmpty())
        return;
    const QString problem = savefile::writeWhole(path, savefile::exportText(sv.store, sv.clock.now().date()));
    if (!problem.isEmpty()) {
        sv.dialogs.messageBox(QStringLiteral("儲存檔案時發生錯誤: ") + problem, MsgButtons::Ok, MsgIcon::Critical,
                              gameTitle);
        return;
    }
    sv.dialogs.messageBox(QStringLiteral("儲存成功!"), MsgButtons::Ok, MsgIcon::Information, gameTitle);
}

void SettingsScreen::importFailed(const QString& why)
{
    sv.dialogs.messageBox(QStringLiteral("讀取檔案時發生錯誤: ") + why + QStringLiteral("\r\n沒有載入任何資料。"),
                          MsgButtons::Ok, MsgIcon::Critical, gameTitle);
}

// An import is all or nothing: the whole file is read and checked first, the
// boxes come in the order of its lines, and the keys are written in one batch
// only when nothing failed and the player said Yes. A save half merged into
// the current progress would mix two games.
void SettingsScreen::in_Click()
{
    playSound(click);
    const QString path = sv.dialogs.openFileName(gameTitle, saveFilters);
    if (path.isEmpty())
        return;
    const savefile::Reading reading = savefile::readFile(path);
    if (!reading.ok()) {
        importFailed(reading.error);
        return;
    }
    // A picture or a letter picked by mistake has no key line at all.
    if (reading.keyLines.isEmpty()) {
        sv.dialogs.messageBox(QStringLiteral("這個檔案裡沒有咕嚕果的存檔資料，沒有載入任何資料。"), MsgButtons::Ok,
                              MsgIcon::Exclamation, gameTitle);
        return;
    }

    std::optional<int> answer;
    QList<SettingsStore::Entry> entries;
    for (const savefile::KeyLine& line : reading.keyLines) {
        const std::optional<qint64> number = savefile::numericValue(line.value);
        if (!number) {
            sv.dialogs.messageBox(QStringLiteral("讀取錯誤: ") + shortened(line.key) + QStringLiteral(" 的值不是整數 --> ")
                                      + shortened(line.value),
                                  MsgButtons::Ok, MsgIcon::Exclamation, gameTitle);
            continue;
        }
        // One question per import, dated by the CRE_DATE lines read so far.
        if (!answer)
            answer = sv.dialogs.messageBox(QStringLiteral("是否覆蓋？\r\n存檔日期: ") + line.dateText, MsgButtons::YesNo,
                                           MsgIcon::Question, gameTitle);
        if (*answer != MsgYes)
            continue;
        if (!fitsInt32(*number)) {
            importFailed(QStringLiteral("第 %1 行 %2 的值 %3 超出整數範圍")
                             .arg(line.lineNumber)
                             .arg(shortened(line.key), shortened(line.value)));
            return;
        }
        QString refused = SettingsStore::nameProblem(line.section);
        if (refused.isEmpty())
            refused = SettingsStore::nameProblem(line.key);
        if (!refused.isEmpty()) {
            importFailed(QStringLiteral("第 %1 行: %2").arg(line.lineNumber).arg(refused));
            return;
        }
        entries.append({line.section, line.key, qint32(*number)});
    }
    if (entries.isEmpty())
        return;
    const WriteResult written = sv.store.saveAll(entries);
    if (!written)
        importFailed(written.error);
}

} // namespace tarovin
