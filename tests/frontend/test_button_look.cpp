#include "frontend/PictureButton.h"
#include "frontend/PictureCache.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace tarovin;

namespace {

const QColor sky(0x9B, 0xD8, 0xF5);

// The menu's big "開始遊戲" button at its size on the menu, on the sky.
// Places are in the picture's own 297 x 73 pixels.
struct Stage {
    PictureCache pictures;
    QWidget window;
    PictureButton* button;
    const QPoint at{60, 60};
    const QPoint face{250, 55};  // cream face below the words
    const QPoint circle{42, 16}; // the green circle above its arrow
    const QRect words{106, 20, 130, 30};

    explicit Stage(bool clickable)
    {
        window.resize(420, 200);
        QPalette palette;
        palette.setColor(QPalette::Window, sky);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        button = new PictureButton(pictures, &window);
        button->setPicture({QStringLiteral("btn_play"), false});
        button->setGeometry(QRect(at, QSize(297, 73)));
        button->setClickable(clickable);
        window.show();
    }
    // A window shown under a mouse left over the last one's button never
    // learns that the mouse is not over its own: leave nothing behind.
    ~Stage()
    {
        if (button->isDown())
            QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
        QTest::mouseMove(&window, QPoint(5, 5));
    }

    // What reached the screen, the glow round the button included.
    QImage shot()
    {
        QTest::qWait(30);
        QImage image = window.screen()->grabWindow(window.winId()).toImage();
        image.setDevicePixelRatio(1);
        return image.scaled(window.size());
    }
    QColor colour(const QImage& shot, QPoint inButton) const { return shot.pixelColor(at + inButton); }
    // The darkest pixel of the words: how much contrast they keep.
    int darkestWord(const QImage& shot) const
    {
        int darkest = 255;
        for (int y = words.top(); y <= words.bottom(); ++y)
            for (int x = words.left(); x <= words.right(); ++x)
                darkest = std::min(darkest, colour(shot, {x, y}).value());
        return darkest;
    }
    QPoint centre() const { return button->geometry().center(); }
    // The mouse well away from the button, and the button knowing it.
    bool away()
    {
        QTest::mouseMove(&window, QPoint(6, 6));
        QTest::mouseMove(&window, QPoint(5, 5));
        return QTest::qWaitFor([this] { return !button->underMouse(); }, 1000);
    }
};

QString describe(const QColor& before, const QColor& after)
{
    return before.name() + QStringLiteral(" -> ") + after.name();
}

} // namespace

// A button under the mouse lights up, livelier and never paler; a pressed one
// sinks in the pressed shade; one that only shows a state does neither.
class TestButtonLook : public QObject {
    Q_OBJECT

private slots:
    void aHoveredButtonLightsUpWithoutLosingContrast()
    {
        Stage s(true);
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QVERIFY(s.away());
        const QImage plain = s.shot();
        QTest::mouseMove(&s.window, s.centre());
        QTRY_VERIFY(s.button->underMouse());
        const QImage lit = s.shot();

        // The face and the coloured parts gain colour and lose no light: paler
        // (towards white) is what a switched-off button looks like.
        for (const QPoint p : {s.face, s.circle}) {
            const QColor before = s.colour(plain, p);
            const QColor after = s.colour(lit, p);
            QVERIFY2(after.hsvSaturation() > before.hsvSaturation() + 8, qPrintable(describe(before, after)));
            QVERIFY2(after.value() >= before.value(), qPrintable(describe(before, after)));
        }
        // The words stay as dark as they were.
        QVERIFY2(s.darkestWord(lit) <= s.darkestWord(plain) + 2,
                 qPrintable(QStringLiteral("%1 -> %2").arg(s.darkestWord(plain)).arg(s.darkestWord(lit))));
        // A warm glow round it: just outside its right edge the sky turns gold.
        const QPoint beside(300, 36);
        const QColor skyThere = s.colour(plain, beside);
        const QColor glow = s.colour(lit, beside);
        QVERIFY2(glow.red() > skyThere.red() + 30 && glow.blue() < skyThere.blue() - 30,
                 qPrintable(describe(skyThere, glow)));

        // Leaving puts it back as it was.
        QVERIFY(s.away());
        QCOMPARE(s.shot(), plain);
    }

    void aPressedButtonSinksInThePressedShade()
    {
        Stage s(true);
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QSignalSpy clicks(s.button, &QAbstractButton::clicked);
        QVERIFY(s.away());
        const QImage plain = s.shot();
        QTest::mouseMove(&s.window, s.centre());
        QTest::mousePress(s.button, Qt::LeftButton, {}, s.button->rect().center());
        const QImage pressed = s.shot();

        // Its top edge has gone down: where the outline was, the sky shows.
        const QPoint top(148, 1);
        QVERIFY2(s.colour(plain, top).value() < 110, qPrintable(s.colour(plain, top).name()));
        QVERIFY2(s.colour(pressed, top).blue() > 200, qPrintable(s.colour(pressed, top).name()));
        // Its lower edge has stayed where it was.
        const QPoint bottom(148, 71);
        QVERIFY2(s.colour(pressed, bottom).value() < 110, qPrintable(s.colour(pressed, bottom).name()));
        // The face is in the pressed button's warmer shade, no glow round it.
        const QColor before = s.colour(plain, s.face);
        const QColor after = s.colour(pressed, s.face);
        QVERIFY2(after.blue() < before.blue() - 20 && after.red() >= before.red() - 4, qPrintable(describe(before, after)));
        QCOMPARE(s.colour(pressed, {300, 36}), s.colour(plain, {300, 36}));
        QVERIFY2(s.darkestWord(pressed) <= s.darkestWord(plain) + 2, "the words lost their contrast");

        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(s.button, Qt::LeftButton, {}, s.button->rect().center());
        QCOMPARE(clicks.count(), 1);
    }

    void aButtonThatOnlyShowsAStateDoesNotLightUp()
    {
        Stage s(false);
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QVERIFY(s.away());
        const QImage plain = s.shot();
        QTest::mouseMove(&s.window, s.centre());
        QTRY_VERIFY(s.button->underMouse());
        QCOMPARE(s.shot(), plain);
    }
};

QTEST_MAIN(TestButtonLook)
#include "test_button_look.moc"
