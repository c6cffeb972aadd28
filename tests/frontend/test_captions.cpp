#include "program/Screens.h"
#include "screens/menu/Tips.h"
#include "frontend/FormWindow.h"
#include "frontend/FrontEnd.h"
#include "screens/achievements/Achievements.h"
#include "store/Keys.h"
#include "tests/frontend/Windows.h"
#include "tests/support/Harness.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QWidget>

using namespace tarovin;
using namespace tarovin::test;

// Every caption of every screen, drawn by the front end at the game's fonts,
// stays inside its control's rectangle, and no picture in front of a label
// covers its words. Each label is drawn alone on a plain screen, so the pixels
// it inks are its own.

namespace {

const QColor plain(0xFF, 0xF4, 0xD6); // what the front end fills a screen without a background with

QRect pixelsOf(const Rect& r)
{
    return QRect(QPoint(int(std::floor(r.left / 15.0)), int(std::floor(r.top / 15.0))),
                 QPoint(int(std::ceil((r.left + r.width) / 15.0)) - 1, int(std::ceil((r.top + r.height) / 15.0)) - 1));
}

// Pixels of the art's dark outline colour inside an area: the edge of a
// panel or a sign drawn in the background.
int outlinePixels(const QImage& shot, const QRect& area)
{
    int found = 0;
    const QRect inside = area.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (std::abs(c.red() - 0x4A) + std::abs(c.green() - 0x2C) + std::abs(c.blue() - 0x17) < 60)
                ++found;
        }
    return found;
}

// The bounding box of what differs from the plain fill, or an empty rectangle.
QRect inked(const QImage& shot)
{
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) != plain)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

struct Program {
    Harness h;
    Screens screens{h.services};
    QElapsedTimer clock;
    std::unique_ptr<FrontEnd> frontEnd;

    explicit Program(const std::function<void(Harness&)>& before = {})
    {
        h.dialogs.autoAnswer = [](const ScriptedDialogs::Shown&) { return std::pair<int, QString>(MsgOk, QString()); };
        if (before)
            before(h);
        clock.start();
        frontEnd = std::make_unique<FrontEnd>(h.scheduler, h.navigator, clock);
    }

    // Opens a screen as the menu would, and lets a second pass through its
    // timers settle what it shows.
    Form& open(const QString& name)
    {
        h.start(QStringLiteral("Start"));
        if (name != QLatin1String("Start"))
            h.navigator.switchTo(name, h.current());
        h.advance(50);
        return h.current();
    }
};

// Checks each shown label of the screen as it stands now. Returns the
// complaints, one a line.
QStringList complaintsAbout(Form& form, const QString& state)
{
    QStringList complaints;
    QWidget* window = onlyWindow();
    if (!window)
        return {QStringLiteral("%1: no window").arg(form.name())};
    window->resize(qRound(form.widthTwips() / 15.0), qRound(form.heightTwips() / 15.0));

    struct Saved {
        Control* control;
        bool visible;
    };
    std::vector<Saved> saved;
    for (const auto& c : form.controls())
        saved.push_back({c.get(), c->visible});
    const Picture background = form.background;

    // The background alone, to see what lies behind each label's words.
    for (const Saved& s : saved)
        s.control->visible = false;
    static_cast<FormWindow*>(window)->sync();
    const QImage behind = window->grab().toImage().convertToFormat(QImage::Format_RGB32).scaled(window->size());

    for (size_t i = 0; i < saved.size(); ++i) {
        Control& label = *saved[i].control;
        if (label.kind != ControlKind::Label || !saved[i].visible || label.caption.isEmpty())
            continue;
        for (const Saved& s : saved)
            s.control->visible = s.control == &label;
        const QString fill = std::exchange(label.backColor, QString());
        form.background = {};
        static_cast<FormWindow*>(window)->sync();
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32).scaled(window->size());
        label.backColor = fill;

        const QRect place = pixelsOf(label.rect());
        const QRect words = inked(shot);
        if (!place.adjusted(-1, -1, 1, 1).contains(words)) {
            const QString file = QDir::temp().filePath(QStringLiteral("caption-%1-%2.png").arg(form.name(), label.name));
            shot.save(file);
            complaints << QStringLiteral("%1 (%2): \"%3\" of %4 inks %5,%6 %7x%8 outside its place %9,%10 %11x%12 (%13)")
                              .arg(form.name(), state, label.caption, label.name)
                              .arg(words.x()).arg(words.y()).arg(words.width()).arg(words.height())
                              .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                              .arg(file);
        }
        // The words sit on a calm part of the background, not across the
        // outline of a panel or a sign.
        if (const int edge = outlinePixels(behind, words); edge > 0)
            complaints << QStringLiteral("%1 (%2): %3 outline pixels of the background run behind the words of %4")
                              .arg(form.name(), state).arg(edge).arg(label.name);
        // Pictures in front of the label, shown with it, must keep clear of its words.
        for (size_t j = i + 1; j < saved.size(); ++j) {
            const Control& front = *saved[j].control;
            if (front.kind == ControlKind::Image && saved[j].visible && pixelsOf(front.rect()).intersects(words))
                complaints << QStringLiteral("%1 (%2): the picture %3 covers the words of %4")
                                  .arg(form.name(), state, front.name, label.name);
        }
    }
    for (const Saved& s : saved)
        s.control->visible = s.visible;
    form.background = background;
    static_cast<FormWindow*>(window)->sync();
    return complaints;
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionStaysInsideItsPlace_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("state");
        for (const char* screen : {"Start", "About", "Gamepage", "Shop", "Settings", "Petpage"})
            QTest::newRow(screen) << QString::fromLatin1(screen) << QStringLiteral("as opened");
        QTest::newRow("Gamepage, the largest counts") << QStringLiteral("Gamepage") << QStringLiteral("largest");
        QTest::newRow("Shop, the largest counts") << QStringLiteral("Shop") << QStringLiteral("largest");
        QTest::newRow("Petpage, a lion") << QStringLiteral("Petpage") << QStringLiteral("lion");
    }

    void everyCaptionStaysInsideItsPlace()
    {
        QFETCH(QString, screen);
        QFETCH(QString, state);
        Program p([&](Harness& h) {
            if (state == QLatin1String("largest")) {
                h.store.saveInt(keys::settings, keys::maxScore, 2147483647);
                h.store.saveInt(keys::settings, keys::diamond, 32767);
                h.store.saveInt(keys::settings, keys::iron, 32767);
                for (const char* item : {"NIGHTUI", "SCOREX", "NOTNT", "SLOWLION", "TOTEM", "AUTOFOOD", "GIFT"})
                    h.store.saveInt(keys::items, QString::fromLatin1(item), 32767);
            }
            if (state == QLatin1String("lion"))
                h.store.saveInt(keys::items, QStringLiteral("GIFT"), 1);
        });
        Form& form = p.open(screen);
        if (state == QLatin1String("lion")) {
            p.h.click(QStringLiteral("use"));
            p.h.advance(50);
        }
        const QStringList complaints = complaintsAbout(form, state);
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join(QLatin1Char('\n'))));
    }

    void everyTipAndAchievementFits()
    {
        Program p;
        Form& menu = p.open(QStringLiteral("Start"));
        QStringList complaints;
        for (const QString& tip : tipsOfTheDay()) {
            menu.control(QStringLiteral("Tlips")).caption = tip;
            complaints << complaintsAbout(menu, tip.left(8));
        }

        Form& list = p.open(QStringLiteral("Avdacts"));
        for (int row = 0; row < int(achievementCatalogue().size()); ++row) {
            list.control(QStringLiteral("ListAv")).listIndex = row;
            list.control(QStringLiteral("ListAv")).onClick();
            complaints << complaintsAbout(list, achievementCatalogue()[row].name);
        }
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
