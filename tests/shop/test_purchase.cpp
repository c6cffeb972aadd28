#include "ShopFixture.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;
using namespace tarovin::test::shop;

// Choosing items, their quantity, buying them, the awards the shop gives and
// leaving the shop.
class TestPurchase : public QObject {
    Q_OBJECT

private slots:
    void designStateAtLoad()
    {
        Harness h;
        openShop(h, 12, 34);
        QCOMPARE(h.current().widthTwips(), 14220);
        QCOMPARE(h.ctl("ListPoc").items,
                 (QStringList{"午夜主題包", "雙倍獅幣", "移除炸藥獅", "慢速獅子", "免死金牌", "自動餵食器", "獅子禮物盒"}));
        QCOMPARE(h.ctl("ListPoc").listIndex, -1);
        QCOMPARE(h.ctl("dmtxt").caption, QString("12"));
        QCOMPARE(h.ctl("irontxt").caption, QString("34"));
        QCOMPARE(h.ctl("Pocname").caption, QString("商品名稱"));
        QCOMPARE(h.ctl("Pocdes").caption, QString("商品敘述:請在左側選擇商品"));
        QCOMPARE(h.ctl("Poccoin").caption, QString("0$"));
        QCOMPARE(h.ctl("Pocpcs").caption, QString("1"));
        QVERIFY(!h.ctl("avdatxt").visible);
        QVERIFY(h.audio.played.isEmpty());
    }

    void selectingShowsTheItem_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("picture");
        QTest::newRow("午夜主題包") << 0 << "將背景主題換成午夜，需要到主題更換區設置。*沒功能" << "1$" << "item_nightui";
        QTest::newRow("雙倍獅幣") << 1 << "多一次使用「雙倍獅幣」的機會" << "3$" << "item_scorex";
        QTest::newRow("移除炸藥獅") << 2 << "多一次使用「移除炸藥獅」的機會" << "3$" << "item_notnt";
        QTest::newRow("慢速獅子") << 3 << "多一次使用「慢速獅子」的機會" << "2$" << "item_slowlion";
        QTest::newRow("免死金牌") << 4 << "使用該道具後可以救你一命。" << "5$" << "item_totem";
        QTest::newRow("自動餵食器") << 5 << "可以防止處物離家出走。 *沒功能" << "4$" << "item_autofood";
        QTest::newRow("獅子禮物盒") << 6 << "買下獅子陪伴你!" << "5$" << "item_gift";
    }

    void selectingShowsTheItem()
    {
        QFETCH(int, item);
        QFETCH(QString, description);
        QFETCH(QString, price);
        QFETCH(QString, picture);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 0);
        h.store.saveInt(keys::items, keys::allItems.at(item), 30 + item);
        h.start("Shop");
        select(h, item);
        QCOMPARE(h.ctl("Pocname").caption, h.ctl("ListPoc").items.at(item));
        QCOMPARE(h.ctl("Pocdes").caption, description);
        QCOMPARE(h.ctl("Poccoin").caption, price);
        QCOMPARE(h.ctl("Pocmepcs").caption, QString::number(30 + item));
        QCOMPARE(h.ctl("Pocimg").picture.name, picture);
        QCOMPARE(h.audio.played, QStringList{"BTNSOUND"});
    }

    void buying_data()
    {
        QTest::addColumn<int>("diamonds");
        QTest::addColumn<int>("owned");     // of the item bought
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("quantity");  // presses of Pocadd before, +1
        QTest::addColumn<int>("diamondsAfter");
        QTest::addColumn<int>("ownedAfter");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::newRow("the whole balance") << 6 << 1 << 1 << 2 << 0 << 3 << "VEXOOK" << "";
        QTest::newRow("one gift box") << 9 << 0 << 6 << 1 << 4 << 1 << "VEXOOK" << "";
        QTest::newRow("one diamond short") << 9 << 2 << 4 << 2 << 9 << 2 << "VEXONO" << "獅頭鑽不足";
        QTest::newRow("the first theme pack") << 1 << 0 << 0 << 1 << 0 << 1 << "VEXOOK" << "";
        QTest::newRow("a second theme pack") << 5 << 1 << 0 << 1 << 5 << 1 << "VEXONO" << "此物品只能擁有一個";
        QTest::newRow("a second theme pack, no diamonds") << 0 << 1 << 0 << 1 << 0 << 1 << "VEXONO" << "獅頭鑽不足";
        QTest::newRow("no diamonds at all") << 0 << 0 << 3 << 1 << 0 << 0 << "VEXONO" << "獅頭鑽不足";
        QTest::newRow("a negative balance buys nothing") << -3 << 0 << 0 << 1 << -3 << 0 << "VEXONO" << "獅頭鑽不足";
    }

    void buying()
    {
        QFETCH(int, diamonds);
        QFETCH(int, owned);
        QFETCH(int, item);
        QFETCH(int, quantity);
        QFETCH(int, diamondsAfter);
        QFETCH(int, ownedAfter);
        QFETCH(QString, sound);
        QFETCH(QString, message);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, diamonds);
        const QString key = keys::allItems.at(item);
        h.store.saveInt(keys::items, key, owned);
        h.start("Shop");
        select(h, item);
        for (int i = 1; i < quantity; ++i)
            h.click("Pocadd");
        h.audio.clear();
        if (!message.isEmpty())
            h.dialogs.expectMessage(MsgOk);
        h.click("Pocbuy");

        QCOMPARE(h.audio.played, QStringList{sound});
        QCOMPARE(boxes(h), message.isEmpty() ? QStringList() : QStringList{message + "@購買物品"});
        // An OK-only refusal carries no icon.
        if (!message.isEmpty()) {
            QCOMPARE(h.dialogs.shown.front().buttons, MsgButtons::Ok);
            QCOMPARE(h.dialogs.shown.front().icon, MsgIcon::None);
        }
        QCOMPARE(h.stored(keys::settings, keys::diamond), diamondsAfter);
        QCOMPARE(h.stored(keys::items, key), ownedAfter);
        QCOMPARE(h.ctl("dmtxt").caption, QString::number(diamondsAfter));
        QCOMPARE(h.ctl("Pocmepcs").caption, QString::number(ownedAfter));
        // The other six counts are written back as they were.
        for (const QString& other : keys::allItems)
            if (other != key)
                QCOMPARE(h.storedText(keys::items, other), QString("0"));
    }

    void buyingWithNothingSelectedOnlyStoresTheCounts()
    {
        Harness h;
        h.add<ShopScreen>();
        h.store.saveAll({{keys::settings, keys::soundOpt, 2}, {keys::settings, keys::diamond, 40}, {keys::items, keys::totem, 3}});
        h.start("Shop");
        h.click("Pocadd");
        h.click("Pocbuy");
        h.audio.clear();
        h.click("Pocbuy");
        QVERIFY(h.audio.played.isEmpty());
        QVERIFY(h.dialogs.shown.empty());
        QCOMPARE(h.stored(keys::settings, keys::diamond), 40);
        for (const QString& item : keys::allItems)
            QCOMPARE(h.storedText(keys::items, item), QString(item == keys::totem ? "3" : "0"));
        QCOMPARE(h.ctl("Pocname").caption, QString("商品名稱"));
        QCOMPARE(h.ctl("Pocpcs").caption, QString("2"));
    }

    void quantityCarriesOverButNotToTheThemePack()
    {
        Harness h;
        auto& shop = openShop(h, 20);
        h.click("Pocdel");
        QCOMPARE(h.ctl("Pocpcs").caption, QString("1")); // never below 1
        select(h, 1);
        for (int i = 0; i < 3; ++i)
            h.click("Pocadd");
        select(h, 3);
        QCOMPARE(h.ctl("Pocpcs").caption, QString("4"));
        h.click("Pocbuy"); // 4 × 2 diamonds
        QCOMPARE(h.stored(keys::settings, keys::diamond), 12);
        QCOMPARE(h.stored(keys::items, keys::slowLion), 4);
        QCOMPARE(h.ctl("Pocpcs").caption, QString("4")); // ready to buy the same again
        h.click("Pocdel");
        QCOMPARE(shop.buyCount, qint16(3));

        select(h, 0);
        QCOMPARE(h.ctl("Pocpcs").caption, QString("1"));
        h.click("Pocadd");
        QCOMPARE(h.ctl("Pocpcs").caption, QString("1"));
        QCOMPARE(shop.buyCount, qint16(1));
        h.click("Pocbuy");
        QCOMPARE(h.stored(keys::items, keys::nightUi), 1);
        QCOMPARE(h.stored(keys::settings, keys::diamond), 11);

        // The next visit starts again at one.
        select(h, 2);
        h.click("Pocadd");
        h.click("Cmdexit");
        h.navigator.switchTo("Shop", h.current());
        QCOMPARE(shop.buyCount, qint16(1));
        QCOMPARE(h.ctl("Pocpcs").caption, QString("1"));
    }

    void aLargeQuantityNeverWrapsIntoACheapOne_data()
    {
        QTest::addColumn<int>("startQuantity");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("diamonds");
        // 13108 × 5 is 65540, which 16 bits would make 4.
        QTest::newRow("16-bit total would wrap to 4") << 13107 << 1 << 13108 << 100;
        // 32767 × 5 would wrap to 32763, within a full wallet.
        QTest::newRow("the top quantity, a full wallet") << 32765 << 5 << 32767 << 32767;
    }

    void aLargeQuantityNeverWrapsIntoACheapOne()
    {
        QFETCH(int, startQuantity);
        QFETCH(int, presses);
        QFETCH(int, quantity);
        QFETCH(int, diamonds);
        Harness h;
        auto& shop = openShop(h, diamonds);
        select(h, 4);
        shop.buyCount = qint16(startQuantity);
        for (int i = 0; i < presses; ++i)
            h.click("Pocadd");
        QCOMPARE(int(shop.buyCount), quantity);
        QCOMPARE(h.ctl("Pocpcs").caption, QString::number(quantity));
        h.dialogs.expectMessage(MsgOk);
        h.click("Pocbuy");
        QCOMPARE(boxes(h), QStringList{"獅頭鑽不足@購買物品"});
        QCOMPARE(h.stored(keys::settings, keys::diamond), diamonds);
        QCOMPARE(h.stored(keys::items, keys::totem), 0);
    }

    void balancesOutsideSixteenBitsAreHeldAtTheEnds()
    {
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 99999, -70000);
        h.start("Shop");
        QCOMPARE(h.ctl("dmtxt").caption, QString("32767"));
        QCOMPARE(h.ctl("irontxt").caption, QString("-32768"));
        select(h, 6);
        h.click("Pocbuy");
        QCOMPARE(h.stored(keys::settings, keys::diamond), 32762);
        QCOMPARE(h.stored(keys::items, keys::gift), 1);
    }

    void anItemCountNeverWraps()
    {
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 10);
        h.store.saveInt(keys::items, keys::scoreX, 2147483647);
        h.start("Shop");
        select(h, 1);
        h.click("Pocbuy");
        QCOMPARE(h.stored(keys::items, keys::scoreX), 2147483647);
    }

    void awardsAtLoad_data()
    {
        QTest::addColumn<int>("diamonds");
        QTest::addColumn<int>("totems");
        QTest::addColumn<QStringList>("awarded");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("color");
        QTest::newRow("19 diamonds") << 19 << 9 << QStringList{} << "" << "";
        QTest::newRow("20 diamonds") << 20 << 0 << QStringList{"TWENTY"} << "獲得成就:聚沙成塔" << "#40A9FF";
        QTest::newRow("49 diamonds") << 49 << 0 << QStringList{"TWENTY"} << "獲得成就:聚沙成塔" << "#40A9FF";
        QTest::newRow("50 diamonds: both, the second shows") << 50 << 0 << QStringList{"TWENTY", "FIFTY"} << "獲得成就:金玉滿堂" << "#CF7DF2";
        QTest::newRow("ten totems") << 0 << 10 << QStringList{"TENTM"} << "獲得成就:金身不壞" << "#FF00FF";
        QTest::newRow("all three") << 60 << 12 << QStringList{"TENTM", "TWENTY", "FIFTY"} << "獲得成就:金玉滿堂" << "#CF7DF2";
    }

    void awardsAtLoad()
    {
        QFETCH(int, diamonds);
        QFETCH(int, totems);
        QFETCH(QStringList, awarded);
        QFETCH(QString, notice);
        QFETCH(QString, color);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, diamonds);
        h.store.saveInt(keys::items, keys::totem, totems);
        arm(h, {"TENTM", "TWENTY", "FIFTY"});
        h.start("Shop");
        for (const QString& key : QStringList{"TENTM", "TWENTY", "FIFTY"})
            QCOMPARE(h.stored(keys::avda, key), awarded.contains(key) ? 2 : 1);
        QCOMPARE(h.audio.played, QStringList(awarded.size(), "VEXO"));
        QCOMPARE(h.ctl("avdatxt").visible, !awarded.isEmpty());
        if (!awarded.isEmpty()) {
            QCOMPARE(h.ctl("avdatxt").caption, notice);
            QCOMPARE(h.ctl("avdatxt").backColor, color);
            h.advance(1999);
            QVERIFY(h.ctl("avdatxt").visible);
            h.advance(1);
            QVERIFY(!h.ctl("avdatxt").visible);
        }
    }

    void unarmedAchievementsAreNotAwarded()
    {
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 80);
        h.store.saveInt(keys::items, keys::totem, 10);
        h.store.saveInt(keys::avda, "FIFTY", 2);
        h.start("Shop");
        QCOMPARE(h.storedText(keys::avda, "TWENTY"), QString("<missing>"));
        QCOMPARE(h.storedText(keys::avda, "TENTM"), QString("<missing>"));
        QVERIFY(!h.ctl("avdatxt").visible);
        QVERIFY(h.audio.played.isEmpty());
    }

    void aTotemPurchaseChecksTheTotemsEvenWhenRefused_data()
    {
        QTest::addColumn<int>("diamonds");
        QTest::addColumn<int>("owned");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<int>("tentm");
        QTest::newRow("refused with ten owned") << 0 << 10 << QStringList{"VEXONO", "VEXO"} << 2;
        QTest::newRow("the tenth bought") << 5 << 9 << QStringList{"VEXOOK", "VEXO"} << 2;
        QTest::newRow("refused with nine owned") << 0 << 9 << QStringList{"VEXONO"} << 1;
    }

    void aTotemPurchaseChecksTheTotemsEvenWhenRefused()
    {
        QFETCH(int, diamonds);
        QFETCH(int, owned);
        QFETCH(QStringList, sounds);
        QFETCH(int, tentm);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, diamonds);
        h.store.saveInt(keys::items, keys::totem, owned);
        h.start("Shop");
        arm(h, {"TENTM"}); // armed only now, so the load's own check gave nothing
        select(h, 4);
        h.audio.clear();
        if (diamonds == 0)
            h.dialogs.expectMessage(MsgOk);
        h.click("Pocbuy");
        QCOMPARE(h.audio.played, sounds);
        QCOMPARE(h.stored(keys::avda, "TENTM"), tentm);
        QCOMPARE(h.ctl("avdatxt").visible, tentm == 2);
    }

    void buyingAwardsNoDiamondAchievement()
    {
        Harness h;
        openShop(h, 60);
        arm(h, {"TWENTY", "FIFTY", "TENTM"});
        select(h, 1);
        h.click("Pocbuy");
        select(h, 4);
        h.click("Pocbuy");
        QCOMPARE(h.stored(keys::settings, keys::diamond), 52);
        for (const QString& key : QStringList{"TWENTY", "FIFTY", "TENTM"})
            QCOMPARE(h.stored(keys::avda, key), 1);
        QVERIFY(!h.ctl("avdatxt").visible);
    }

    void leavingStopsEverySound_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("Cmdexit") << true << QStringList{"BTNSOUND", "STOP"};
        QTest::newRow("close box") << false << QStringList{"STOP"};
    }

    void leavingStopsEverySound()
    {
        QFETCH(bool, byButton);
        QFETCH(QStringList, events);
        Harness h;
        openShop(h, 0);
        h.audio.clear();
        if (byButton)
            h.click("Cmdexit");
        else
            h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.audio.events, events);
    }

    void soundOffIsSilent()
    {
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, 3);
        h.store.saveInt(keys::settings, keys::soundOpt, 1);
        h.start("Shop");
        select(h, 1);
        h.click("Pocadd");
        h.click("Pocdel");
        h.click("Pocbuy");
        h.dialogs.expectMessage(MsgOk);
        h.click("Pocbuy");
        QVERIFY(h.audio.played.isEmpty());
        QCOMPARE(h.stored(keys::items, keys::scoreX), 1);
    }
};

QTEST_GUILESS_MAIN(TestPurchase)
#include "test_purchase.moc"
