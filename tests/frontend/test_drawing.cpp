#include "frontend/FrontEnd.h"
#include "tests/frontend/Windows.h"
#include "tests/support/Harness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace tarovin;
using namespace tarovin::test;

namespace {

// A plain screen with one red square that the test moves about.
class Board final : public Form {
public:
    explicit Board(Services& services, const QString& name = QStringLiteral("Board"), int width = 9000, int height = 6000)
        : Form(services, name, {width, height})
    {
    }

protected:
    void design() override
    {
        Control& dot = addLabel(QStringLiteral("Dot"), {0, 0, 600, 600}, QString());
        dot.backColor = QStringLiteral("#FF0000");
    }
};

// What the window last put on the screen: the display's own copy, not a
// fresh paint, so a stale picture left behind shows.
QImage onScreen(QWidget* window)
{
    return window->screen()->grabWindow(window->winId()).toImage();
}

// The colour on screen at a point of the screen in twips.
QColor colourAt(QWidget* window, const Form& form, int xTwips, int yTwips)
{
    const QImage shot = onScreen(window);
    const double sx = double(window->width()) / form.widthTwips();
    const double sy = double(window->height()) / form.heightTwips();
    const double s = std::min(sx, sy);
    const double ox = (window->width() - form.widthTwips() * s) / 2;
    const double oy = (window->height() - form.heightTwips() * s) / 2;
    const QPoint at(int(ox + xTwips * s), int(oy + yTwips * s));
    return shot.pixelColor(at * shot.devicePixelRatio());
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private:
    struct Screen {
        Harness h;
        Board& board = h.add<Board>();
        QElapsedTimer clock;
        std::unique_ptr<FrontEnd> frontEnd;
        QWidget* window = nullptr;
        PaintCounter counter;

        Screen()
        {
            clock.start();
            frontEnd = std::make_unique<FrontEnd>(h.scheduler, h.navigator, clock);
            h.start(QStringLiteral("Board"));
            window = onlyWindow();
            if (window) {
                window->installEventFilter(&counter);
                QVERIFY(QTest::qWaitForWindowExposed(window));
            }
        }
        Control& dot() { return board.control(QStringLiteral("Dot")); }
        void moveDot(int left, int top)
        {
            dot().left = left;
            dot().top = top;
            frontEnd->afterEvent();
        }
    };

private slots:
    void changesFasterThanTheDisplayAreDrawnAtItsPace()
    {
        Screen s;
        QVERIFY(s.window);
        QTest::qWait(100);
        s.counter.paints = 0;
        // A change every millisecond for half a second, as a busy screen makes.
        QElapsedTimer run;
        run.start();
        int step = 0;
        while (run.elapsed() < 500) {
            s.moveDot(100 + (step % 80) * 100, 2000);
            ++step;
            QTest::qWait(1);
        }
        const int paints = s.counter.paints;
        QVERIFY2(paints <= 45, qPrintable(QStringLiteral("%1 paints in 500 ms").arg(paints)));
        QVERIFY2(paints >= 10, qPrintable(QStringLiteral("only %1 paints in 500 ms").arg(paints)));

        // The last change always reaches the screen, and nothing stays behind.
        s.moveDot(6000, 4000);
        QTest::qWait(60);
        QCOMPARE(colourAt(s.window, s.board, 6300, 4300), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(colourAt(s.window, s.board, 300, 2300), QColor(0xFF, 0xF4, 0xD6));
        QCOMPARE(colourAt(s.window, s.board, 4300, 2300), QColor(0xFF, 0xF4, 0xD6));
    }

    void aChangeAfterAQuietSpellIsDrawnAtOnceTheNextAtTheNextRefresh()
    {
        Screen s;
        QVERIFY(s.window);
        QTest::qWait(100);
        const int before = s.counter.paints;
        s.moveDot(3000, 3000);
        QCoreApplication::processEvents();
        QCOMPARE(s.counter.paints, before + 1);
        QCOMPARE(colourAt(s.window, s.board, 3300, 3300), QColor(0xFF, 0x00, 0x00));

        // The next change right after it waits for the next refresh.
        s.moveDot(1000, 1000);
        QCoreApplication::processEvents();
        QCOMPARE(s.counter.paints, before + 1);
        QTRY_COMPARE_WITH_TIMEOUT(s.counter.paints, before + 2, 100);
        QCOMPARE(colourAt(s.window, s.board, 1300, 1300), QColor(0xFF, 0x00, 0x00));
    }

    void aWiderWindowKeepsTheScreenInProportion()
    {
        Screen s;
        QVERIFY(s.window);
        s.moveDot(8400, 5400);
        s.window->resize(1200, 400);
        QTest::qWait(60);
        // Bars either side, the screen itself scaled whole between them.
        const QImage shot = onScreen(s.window);
        QCOMPARE(shot.pixelColor(QPoint(2, 200) * shot.devicePixelRatio()), QColor(0x4A, 0x2C, 0x17));
        QCOMPARE(colourAt(s.window, s.board, 8700, 5700), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(colourAt(s.window, s.board, 100, 100), QColor(0xFF, 0xF4, 0xD6));
    }

    void aPictureTheProgramDoesNotHaveIsReportedAsAnError()
    {
        Screen s;
        QVERIFY(s.window);
        QTest::ignoreMessage(QtCriticalMsg, "the program has no picture named no_such_picture");
        s.board.background.name = QStringLiteral("no_such_picture");
        const int before = s.counter.paints;
        s.moveDot(1200, 1200);
        QTRY_VERIFY_WITH_TIMEOUT(s.counter.paints > before, 200);
    }

    void theNextScreenOpensWhereAndAsLargeAsTheLastWas()
    {
        Screen s;
        QVERIFY(s.window);
        // A wider screen comes next, so it is letterboxed in the same window.
        s.h.add<Board>(QStringLiteral("Wide"), 14370, 8640);
        s.h.add<Board>(QStringLiteral("Third"));
        s.window->setGeometry(40, 30, 1100, 700);
        QTest::qWait(20);
        const QRect placed = s.window->geometry();

        s.h.navigator.switchTo(QStringLiteral("Wide"), s.board);
        QWidget* next = onlyWindow();
        QVERIFY(next && next != s.window);
        QCOMPARE(next->geometry(), placed);

        next->showMaximized();
        QTRY_VERIFY(next->isMaximized());
        s.h.navigator.switchTo(QStringLiteral("Third"), s.h.current());
        QWidget* third = onlyWindow();
        QVERIFY(third && third != next);
        QVERIFY(third->isMaximized());
    }
};

QTEST_MAIN(TestDrawing)
#include "test_drawing.moc"
