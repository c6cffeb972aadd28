#include "ShopFixture.h"
#include "screens/shop/Exchange.h"

#include <QSettings>
#include <QTest>

#include <limits>

using namespace tarovin;
using namespace tarovin::test;
using namespace tarovin::test::shop;

namespace {
const QString ask = QStringLiteral("?請輸入您要兌換的獅頭鑽@");
const QString notDigits = QStringLiteral("文字中有非數字字元！@");
} // namespace

// Turning lion iron medals into lion-head diamonds, ten for one.
class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void floorToTen_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<qint64>("floored");
        QTest::newRow("57") << 57 << qint64(50);
        QTest::newRow("50") << 50 << qint64(50);
        QTest::newRow("9") << 9 << qint64(0);
        QTest::newRow("0") << 0 << qint64(0);
        QTest::newRow("-5 goes down") << -5 << qint64(-10);
        QTest::newRow("-10") << -10 << qint64(-10);
        QTest::newRow("the top") << std::numeric_limits<qint32>::max() << qint64(2147483640);
        QTest::newRow("the bottom does not wrap") << std::numeric_limits<qint32>::min() << qint64(-2147483650LL);
    }

    void floorToTen()
    {
        QFETCH(int, value);
        QFETCH(qint64, floored);
        QCOMPARE(FloorToTen(value), floored);
    }

    void exchange_data()
    {
        QTest::addColumn<int>("diamonds");
        QTest::addColumn<int>("iron");
        QTest::addColumn<QStringList>("answers"); // one per question; "" is Cancel or an empty answer
        QTest::addColumn<QString>("offer");
        QTest::addColumn<QStringList>("boxes");   // every box after the first question
        QTest::addColumn<QStringList>("sounds");  // none at all: the player has sound off
        QTest::addColumn<int>("diamondsAfter");
        QTest::addColumn<int>("ironAfter");

        const QStringList ok{"BTNSOUND", "VEXOOK"};
        const QStringList no{"BTNSOUND", "VEXONO"};
        const QStringList tooFewMedals{"獅鐵牌不足@咕嚕果"};
        QTest::newRow("57 medals, the offer taken") << 3 << 57 << QStringList{"5"} << "5" << QStringList{} << ok << 8 << 7;
        QTest::newRow("9 medals, the offer of 0") << 3 << 9 << QStringList{"0"} << "0" << QStringList{} << ok << 3 << 9;
        QTest::newRow("Cancel is 0") << 3 << 57 << QStringList{""} << "5" << QStringList{} << ok << 3 << 57;
        QTest::newRow("exactly 10 × n") << 0 << 30 << QStringList{"3"} << "3" << QStringList{} << ok << 3 << 0;
        QTest::newRow("leading zeros") << 0 << 30 << QStringList{"003"} << "3" << QStringList{} << ok << 3 << 0;
        QTest::newRow("sound off, the offer taken") << 3 << 57 << QStringList{"5"} << "5" << QStringList{} << QStringList{}
                                                    << 8 << 7;
        QTest::newRow("sound off, a refusal and an exchange")
            << 0 << 40 << QStringList{"12a", "3"} << "4" << QStringList{notDigits + "咕嚕果", ask + "咕嚕果"}
            << QStringList{} << 3 << 10;
        QTest::newRow("one too many") << 1 << 39 << QStringList{"4"} << "3" << tooFewMedals << no << 1 << 39;
        QTest::newRow("12a, then 3") << 0 << 40 << QStringList{"12a", "3"} << "4"
                                     << QStringList{notDigits + "咕嚕果", ask + "咕嚕果"}
                                     << QStringList{"BTNSOUND", "VEXONO", "VEXOOK"} << 3 << 10;
        QTest::newRow("a, b, then 2") << 0 << 40 << QStringList{"a", "b", "2"} << "4"
                                      << QStringList{notDigits + "咕嚕果", ask + "咕嚕果", notDigits + "兌換貨幣", ask + "兌換貨幣"}
                                      << QStringList{"BTNSOUND", "VEXONO", "VEXONO", "VEXOOK"} << 2 << 20;
        QTest::newRow("sign, space, point, full-width digit")
            << 0 << 40 << QStringList{"-1", " 1", "1.0", "１", "1"} << "4"
            << QStringList{notDigits + "咕嚕果", ask + "咕嚕果", notDigits + "兌換貨幣", ask + "兌換貨幣",
                           notDigits + "兌換貨幣", ask + "兌換貨幣", notDigits + "兌換貨幣", ask + "兌換貨幣"}
            << QStringList{"BTNSOUND", "VEXONO", "VEXONO", "VEXONO", "VEXONO", "VEXOOK"} << 1 << 30;
        QTest::newRow("a very long number") << 5 << 32767 << QStringList{QString(60, u'9')} << "3276" << tooFewMedals
                                            << no << 5 << 32767;
        // Numbers whose medal price wraps to a small one in 16, 32 or 64 bits.
        QTest::newRow("wraps in 16 bits") << 5 << 100 << QStringList{"6554"} << "10" << tooFewMedals << no << 5 << 100;
        QTest::newRow("wraps in 32 bits") << 5 << 100 << QStringList{"429496730"} << "10" << tooFewMedals << no << 5 << 100;
        QTest::newRow("wraps in 64 bits") << 5 << 100 << QStringList{"1844674407370955162"} << "10" << tooFewMedals << no << 5 << 100;
        QTest::newRow("negative medals") << 5 << -5 << QStringList{"0"} << "0" << tooFewMedals << no << 5 << -5;

        // The diamond balance stops at 32767: the offer is what still fits,
        // and more is refused whole, medals kept.
        const QStringList full{"獅頭鑽最多只能擁有 32767 顆，\r\n這次最多只能兌換 7 顆獅頭鑽，獅鐵牌都還在。@咕嚕果"};
        QTest::newRow("near the top, the offer fits") << 32760 << 200 << QStringList{"7"} << "7" << QStringList{} << ok << 32767 << 130;
        QTest::newRow("near the top, too many") << 32760 << 200 << QStringList{"8"} << "7" << full << no << 32760 << 200;
        QTest::newRow("at the top") << 32767 << 200 << QStringList{"0"} << "0" << QStringList{} << ok << 32767 << 200;
        // A stored balance beyond 16 bits is held at the top and the exchange
        // goes on from there.
        QTest::newRow("medals stored above the top") << 5 << 40000 << QStringList{"3"} << "3276" << QStringList{} << ok
                                                     << 8 << 32737;
        QTest::newRow("too few medals is said first") << 32760 << 20 << QStringList{"9"} << "2" << tooFewMedals << no << 32760 << 20;
    }

    void exchange()
    {
        QFETCH(int, diamonds);
        QFETCH(int, iron);
        QFETCH(QStringList, answers);
        QFETCH(QString, offer);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, sounds);
        QFETCH(int, diamondsAfter);
        QFETCH(int, ironAfter);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, diamonds, iron);
        if (sounds.isEmpty())
            h.store.saveInt(keys::settings, keys::soundOpt, 1);
        // The balances as a hand-edited store may hold them: the same numbers
        // in a text that only a write replaces, so an exchange that stores
        // the balances unchanged is told from one that stores nothing.
        const QString diamondText = QString::number(diamonds) + ".0";
        const QString ironText = QString::number(iron) + ".0";
        {
            QSettings raw(h.store.path(), QSettings::IniFormat);
            raw.setValue(keys::settings + "/" + keys::diamond, diamondText);
            raw.setValue(keys::settings + "/" + keys::iron, ironText);
        }
        h.start("Shop");
        h.audio.clear();
        // The script follows the boxes the player should see.
        int answered = 0;
        h.dialogs.expectInput(answers.value(answered++));
        for (const QString& box : boxes) {
            if (box.startsWith(u'?'))
                h.dialogs.expectInput(answers.value(answered++));
            else
                h.dialogs.expectMessage(MsgOk);
        }
        h.click("CoinToCoin");

        QCOMPARE(shop::boxes(h), QStringList{ask + "咕嚕果"} + boxes);
        for (const auto& box : h.dialogs.shown) {
            QCOMPARE(box.defaultText, box.kind == ScriptedDialogs::Kind::Input ? offer : QString());
            QCOMPARE(box.buttons, box.kind == ScriptedDialogs::Kind::Input ? MsgButtons::OkCancel : MsgButtons::Ok);
            // An OK-only refusal carries no icon.
            QCOMPARE(box.icon, MsgIcon::None);
        }
        QCOMPARE(answered, answers.size());
        QCOMPARE(h.dialogs.pending(), 0);
        QCOMPARE(h.audio.played, sounds);
        // An exchange ends with a question answered; a refusal with its message.
        const bool exchanged = boxes.isEmpty() || boxes.last().startsWith(u'?');
        QCOMPARE(h.storedText(keys::settings, keys::diamond), exchanged ? QString::number(diamondsAfter) : diamondText);
        QCOMPARE(h.storedText(keys::settings, keys::iron), exchanged ? QString::number(ironAfter) : ironText);
        QCOMPARE(h.ctl("dmtxt").caption, QString::number(diamondsAfter));
        QCOMPARE(h.ctl("irontxt").caption, QString::number(ironAfter));
    }

    void theBalancesAreReadAgainAndStoredOnlyOnSuccess()
    {
        Harness h;
        auto& shop = openShop(h, 1, 10);
        // The store moved on while the shop was open; a value beyond 16 bits
        // is held at the top on screen, and left alone in the store unless an
        // exchange succeeds.
        h.store.saveAll({{keys::settings, keys::diamond, 99999}, {keys::settings, keys::iron, 20}});
        h.dialogs.expectInput("3");
        h.dialogs.expectMessage(MsgOk);
        h.click("CoinToCoin");
        QCOMPARE(boxes(h).last(), QString("獅鐵牌不足@咕嚕果"));
        QCOMPARE(shop.diamondCount, qint16(32767));
        QCOMPARE(h.ctl("dmtxt").caption, QString("32767"));
        QCOMPARE(h.ctl("irontxt").caption, QString("20"));
        QCOMPARE(h.storedText(keys::settings, keys::diamond), QString("99999"));

        // Cancel is an exchange of nothing, and a success: both balances are
        // stored as the shop holds them, the medals beyond 16 bits too.
        h.store.saveInt(keys::settings, keys::iron, 70000);
        h.dialogs.expectInput("");
        h.click("CoinToCoin");
        QCOMPARE(h.storedText(keys::settings, keys::diamond), QString("32767"));
        QCOMPARE(h.storedText(keys::settings, keys::iron), QString("32767"));
    }

    void anExchangeRunsTheShopsAwards_data()
    {
        QTest::addColumn<int>("diamonds");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("awarded");
        QTest::addColumn<QString>("notice");
        QTest::newRow("to 20") << 18 << "2" << QStringList{"TENTM", "TWENTY"} << "獲得成就:聚沙成塔";
        QTest::newRow("to 50, all three") << 19 << "31" << QStringList{"TENTM", "TWENTY", "FIFTY"} << "獲得成就:金玉滿堂";
        QTest::newRow("below 20") << 10 << "9" << QStringList{"TENTM"} << "獲得成就:金身不壞";
        QTest::newRow("nothing exchanged still checks") << 25 << "0" << QStringList{"TWENTY", "TENTM"} << "獲得成就:聚沙成塔";
        QTest::newRow("refused: no check") << 25 << "99" << QStringList{} << "";
    }

    void anExchangeRunsTheShopsAwards()
    {
        QFETCH(int, diamonds);
        QFETCH(QString, answer);
        QFETCH(QStringList, awarded);
        QFETCH(QString, notice);
        Harness h;
        h.add<ShopScreen>();
        storeWallet(h, diamonds, 310);
        h.store.saveInt(keys::items, keys::totem, 10);
        h.start("Shop");
        arm(h, {"TENTM", "TWENTY", "FIFTY"}); // armed after the load's own check
        h.dialogs.expectInput(answer);
        if (awarded.isEmpty())
            h.dialogs.expectMessage(MsgOk);
        h.click("CoinToCoin");
        for (const QString& key : QStringList{"TENTM", "TWENTY", "FIFTY"})
            QCOMPARE(h.stored(keys::avda, key), awarded.contains(key) ? 2 : 1);
        QCOMPARE(h.ctl("avdatxt").visible, !awarded.isEmpty());
        if (!awarded.isEmpty())
            QCOMPARE(h.ctl("avdatxt").caption, notice);
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
