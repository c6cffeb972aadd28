#include "screens/achievements/AchievementsScreen.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

namespace {

const QStringList allKeys{"TITLE", "CBSTART", "PETEXIT", "FIFTY", "TENTM", "ANGRY", "USEALL", "TOTEM", "PET", "TWENTY"};

Harness& openWith(Harness& h, const QList<QPair<QString, QString>>& stored = {})
{
    h.add<AchievementsScreen>();
    h.store.saveInt(keys::settings, keys::soundOpt, 2);
    for (const auto& [key, text] : stored) {
        if (auto n = text.toInt(); QString::number(n) == text)
            h.store.saveInt(keys::avda, key, n);
    }
    h.start("Avdacts");
    return h;
}

void select(Harness& h, int entry)
{
    h.ctl("ListAv").listIndex = entry;
    h.click("ListAv");
}

} // namespace

// The achievements screen: arming every achievement, and showing each one.
class TestAvdacts : public QObject {
    Q_OBJECT

private slots:
    void aFreshStoreIsArmed()
    {
        Harness h;
        openWith(h);
        for (const QString& key : allKeys)
            QCOMPARE(h.storedText(keys::avda, key), QString("1"));
        QCOMPARE(h.store.getAll(keys::avda)->size(), 10);
        QVERIFY(h.audio.played.isEmpty());
    }

    void armingKeepsWhatIsThere_data()
    {
        QTest::addColumn<QString>("before"); // stored text; "<missing>" for none
        QTest::addColumn<QString>("after");
        QTest::newRow("missing") << "<missing>" << "1";
        QTest::newRow("achieved stays achieved") << "2" << "2";
        QTest::newRow("armed") << "1" << "1";
        QTest::newRow("an unawardable 3") << "3" << "3";
        QTest::newRow("a stored 0 stays unarmed") << "0" << "0";
        QTest::newRow("a stored 404 stays") << "404" << "404";
    }

    void armingKeepsWhatIsThere()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Harness h;
        openWith(h, {{"TWENTY", before}, {"PET", "2"}});
        QCOMPARE(h.storedText(keys::avda, "TWENTY"), after);
        QCOMPARE(h.storedText(keys::avda, "PET"), QString("2"));
        // A second visit finds every key armed or set and writes nothing,
        // not even the values that are there: the store file keeps the date
        // it is given here.
        h.click("Aboutexit");
        const QDateTime longAgo(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
        {
            QFile file(h.store.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        h.navigator.switchTo("Avdacts", h.current());
        QCOMPARE(QFileInfo(h.store.path()).lastModified().toUTC(), longAgo);
        QCOMPARE(h.storedText(keys::avda, "TWENTY"), after);
        QCOMPARE(h.storedText(keys::avda, "PET"), QString("2"));
    }

    void designState()
    {
        Harness h;
        openWith(h);
        QCOMPARE(h.current().widthTwips(), 14220);
        QCOMPARE(h.ctl("ListAv").items, (QStringList{"妙手偶得", "初試啼聲", "拂袖而去", "金玉滿堂", "金身不壞",
                                                      "怒髮衝冠", "背水一戰", "超越生死", "飼獅成威", "聚沙成塔"}));
        QCOMPARE(h.ctl("ListAv").listIndex, -1);
        QCOMPARE(h.ctl("Avname").caption, QString("成就名稱"));
        QCOMPARE(h.ctl("Avdes").caption, QString("成就敘述:選擇左側的成就"));
        QCOMPARE(h.ctl("Avlv").caption, QString("未知"));
        QCOMPARE(h.ctl("Avlv").backColor, QString("#00FFCC"));
        QCOMPARE(h.ctl("dachentxt").caption, QString("未知"));
        QVERIFY(h.ctl("dachen_true").visible);
        QVERIFY(h.ctl("dachen_false").visible);
    }

    void selectionShowsTheAchievement_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("stored"); // stored text; "<missing>" for none
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("rarity");
        QTest::addColumn<QString>("color");
        QTest::addColumn<bool>("achieved");
        QTest::newRow("妙手偶得 achieved") << 0 << "2" << "連點標題觸發小彩蛋" << "隱藏" << "#FFFF00" << true;
        QTest::newRow("妙手偶得 armed") << 0 << "1" << "?????" << "隱藏" << "#FFFF00" << false;
        QTest::newRow("妙手偶得 unawardable") << 0 << "3" << "?????" << "隱藏" << "#FFFF00" << false;
        QTest::newRow("妙手偶得 unarmed") << 0 << "0" << "?????" << "隱藏" << "#FFFF00" << false;
        QTest::newRow("初試啼聲") << 1 << "2" << "第一次 Combo" << "常見" << "#00FFCC" << true;
        QTest::newRow("拂袖而去") << 2 << "1" << "讓獅子離家出走" << "常見" << "#00FFCC" << false;
        QTest::newRow("金玉滿堂, with its space") << 3 << "2" << "擁有 50 顆獅頭鑽 " << "稀有" << "#CF7DF2" << true;
        QTest::newRow("金身不壞") << 4 << "1" << "擁有 10 個免死金牌" << "傳說" << "#FF00FF" << false;
        QTest::newRow("怒髮衝冠") << 5 << "2" << "觸發惹怒獅子小彩蛋" << "傳說" << "#FF00FF" << true;
        QTest::newRow("背水一戰") << 6 << "1" << "用光所有道具，在道具結束前獲得50分" << "稀有" << "#CF7DF2" << false;
        QTest::newRow("超越生死") << 7 << "2" << "觸發免死金牌" << "普通" << "#40A9FF" << true;
        QTest::newRow("飼獅成威") << 8 << "-2" << "成功養起獅子" << "普通" << "#40A9FF" << false;
        QTest::newRow("聚沙成塔, no space") << 9 << "2" << "擁有 20 顆獅頭鑽" << "普通" << "#40A9FF" << true;
    }

    void selectionShowsTheAchievement()
    {
        QFETCH(int, entry);
        QFETCH(QString, stored);
        QFETCH(QString, description);
        QFETCH(QString, rarity);
        QFETCH(QString, color);
        QFETCH(bool, achieved);
        Harness h;
        openWith(h, {{allKeys.at(entry), stored}});
        select(h, entry);
        QCOMPARE(h.audio.played, QStringList{"BTNSOUND"});
        QCOMPARE(h.ctl("Avname").caption, h.ctl("ListAv").items.at(entry));
        QCOMPARE(h.ctl("Avdes").caption, description);
        QCOMPARE(h.ctl("Avlv").caption, rarity);
        QCOMPARE(h.ctl("Avlv").backColor, color);
        QCOMPARE(h.ctl("dachen_true").visible, achieved);
        QVERIFY(h.ctl("dachen_false").visible);
        QCOMPARE(h.ctl("dachentxt").caption, achieved ? QString("已達成") : QString("未達成"));
        QCOMPARE(h.storedText(keys::avda, allKeys.at(entry)), stored);
    }

    void eachSelectionReplacesTheLast()
    {
        Harness h;
        openWith(h, {{"TITLE", "2"}});
        select(h, 0);
        select(h, 1);
        QVERIFY(!h.ctl("dachen_true").visible);
        QCOMPARE(h.ctl("dachentxt").caption, QString("未達成"));
        select(h, 0);
        QVERIFY(h.ctl("dachen_true").visible);
        QCOMPARE(h.ctl("Avdes").caption, QString("連點標題觸發小彩蛋"));
    }

    void leavingLetsSoundsPlayOn_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<int>("soundOpt");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("Aboutexit") << true << 2 << QStringList{"BTNSOUND"};
        QTest::newRow("Aboutexit, sound off") << true << 1 << QStringList{};
        QTest::newRow("close box") << false << 2 << QStringList{};
    }

    void leavingLetsSoundsPlayOn()
    {
        QFETCH(bool, byButton);
        QFETCH(int, soundOpt);
        QFETCH(QStringList, events);
        Harness h;
        openWith(h);
        h.store.saveInt(keys::settings, keys::soundOpt, soundOpt);
        h.navigator.switchTo("Start", h.current());
        h.navigator.switchTo("Avdacts", h.current());
        h.audio.clear();
        if (byButton)
            h.click("Aboutexit");
        else
            h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.audio.events, events);
    }
};

QTEST_GUILESS_MAIN(TestAvdacts)
#include "test_avdacts.moc"
