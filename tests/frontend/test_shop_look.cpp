#include "frontend/FrontEnd.h"
#include "tests/frontend/Windows.h"
#include "tests/shop/ShopFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace tarovin;
using namespace tarovin::test;
using namespace tarovin::test::shop;

namespace {

// Inside the cream tag that the shop's background draws at the right end of
// the bar, to the right of its little bag, in twips.
const QRect tagInside(11580, 1500, 1515, 420);

} // namespace

// What the player reads in the shop, drawn by the real front end.
class TestShopLook : public QObject {
    Q_OBJECT

private slots:
    void theOwnedCountSitsInItsTagClearOfThePicture_data()
    {
        QTest::addColumn<int>("owned");
        QTest::newRow("none") << 0;
        QTest::newRow("a few") << 12;
        QTest::newRow("the largest") << 2147483647;
    }

    void theOwnedCountSitsInItsTagClearOfThePicture()
    {
        QFETCH(int, owned);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 10);
        h.store.saveInt(keys::items, keys::scoreX, owned);
        QElapsedTimer clock;
        clock.start();
        FrontEnd frontEnd(h.scheduler, h.navigator, clock);
        h.start(QStringLiteral("Shop"));
        QWidget* window = onlyWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        select(h, 1);
        QCOMPARE(h.ctl("Pocmepcs").caption, QString::number(owned));

        const auto shot = [&] {
            frontEnd.afterEvent();
            QTest::qWait(60);
            QImage image = window->screen()->grabWindow(window->winId()).toImage();
            image.setDevicePixelRatio(1);
            return image.scaled(window->size());
        };
        const QImage withCount = shot();
        h.ctl("Pocmepcs").caption.clear();
        const QImage without = shot();

        // Where the count's pixels are: everything that changes when it goes.
        QRect drawn;
        int darkest = 255;
        for (int y = 0; y < withCount.height(); ++y)
            for (int x = 0; x < withCount.width(); ++x)
                if (withCount.pixel(x, y) != without.pixel(x, y)) {
                    drawn |= QRect(x, y, 1, 1);
                    darkest = std::min(darkest, withCount.pixelColor(x, y).value());
                }
        // The screen scales whole into the window, centred between bars.
        const Form& form = h.current();
        const double scale = std::min(double(window->width()) / form.widthTwips(),
                                      double(window->height()) / form.heightTwips());
        const QPointF origin((window->width() - form.widthTwips() * scale) / 2,
                             (window->height() - form.heightTwips() * scale) / 2);
        const auto pixels = [&](const Rect& r) {
            return QRectF(origin + QPointF(r.left, r.top) * scale, QSizeF(r.width, r.height) * scale).toAlignedRect();
        };
        const QRect tag = pixels({tagInside.x(), tagInside.y(), tagInside.width(), tagInside.height()});
        const QString where = QStringLiteral("count drawn at %1,%2 %3x%4")
                                  .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height());
        QVERIFY2(!drawn.isEmpty(), "the count is not drawn");
        QVERIFY2(tag.contains(drawn), qPrintable(where));
        QVERIFY2(!drawn.intersects(pixels(h.ctl("Pocimg").rect())), qPrintable(where));
        // Dark figures on the cream tag.
        QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
    }
};

QTEST_MAIN(TestShopLook)
#include "test_shop_look.moc"
