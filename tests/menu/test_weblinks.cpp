#include "screens/menu/MenuScreen.h"
#include "screens/menu/WebLinks.h"
#include "store/Keys.h"
#include "tests/support/Harness.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace tarovin;
using namespace tarovin::test;

namespace {
// A build configured for release; the tests answer for its server.
const MakerSite releaseSite{QStringLiteral("tarovin.test"), QStringLiteral("bugs@tarovin.test")};
// A build that kept the defaults.
const MakerSite placeholderSite{QStringLiteral("wuduo.example"), QStringLiteral("wuduo@wuduo.example")};
} // namespace

// The menu's links to the outside, its update check and the questions about
// the file-dialog component.
class TestWebLinks : public QObject {
    Q_OBJECT

private slots:
    void theErrorReportMailReadsTheSameInEveryMailProgram()
    {
        const QString link = releaseSite.errorReportMailto();
        // Only plain ASCII reaches the mail program: the Chinese words and the
        // blank travel percent-encoded as UTF-8.
        for (QChar c : link)
            QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7F, qPrintable(link));
        QCOMPARE(link, QString("mailto:bugs@tarovin.test?subject="
                               "%E3%80%8A%E5%92%95%E5%9A%95%E6%9E%9C%E3%80%8B%20%E9%8C%AF%E8%AA%A4%E5%9B%9E%E5%A0%B1"
                               "&body=%E8%AB%8B%E8%BC%B8%E5%85%A5%E9%8C%AF%E8%AA%A4%E5%85%A7%E5%AE%B9"));
        const QUrl url(link);
        QCOMPARE(url.scheme(), QString("mailto"));
        QCOMPARE(url.path(), releaseSite.mail);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), QString("《咕嚕果》 錯誤回報"));
        QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded), QString("請輸入錯誤內容"));
    }

    void thePageAndTheVersionFileLiveOnTheMakersHost()
    {
        const QUrl page(releaseSite.pageUrl());
        const QUrl version(releaseSite.versionFileUrl());
        QCOMPARE(page.scheme(), QString("https"));
        QCOMPARE(page.host(), releaseSite.host);
        QCOMPARE(page.path(), QString("/apppage/tarovin.html"));
        QCOMPARE(version.scheme(), QString("https"));
        QCOMPARE(version.host(), releaseSite.host);
        QCOMPARE(version.path(), QString("/api/tarovinver.txt"));
    }

    void onlyReservedNamesArePlaceholders_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("the default") << "wuduo.example" << true;
        QTest::newRow("in capitals") << "WuDuo.EXAMPLE" << true;
        QTest::newRow("the invalid domain") << "games.invalid" << true;
        QTest::newRow("a real host") << "wuduo.com.tw" << false;
        QTest::newRow("a test host, for a server of one's own") << "tarovin.test" << false;
        QTest::newRow("example as a name, not the domain") << "myexample.org" << false;
        QTest::newRow("example.org is a real server") << "example.org" << false;
        QTest::newRow("example inside the name") << "wuduo.example.tw" << false;
    }

    void onlyReservedNamesArePlaceholders()
    {
        QFETCH(QString, host);
        QFETCH(bool, placeholder);
        QCOMPARE((MakerSite{host, "bugs@" + host}.isPlaceholder()), placeholder);
    }

    // A build that kept the placeholder has no server to ask. Its update
    // button does exactly what a release build's does when the network is
    // down: the click, then nothing, and the menu goes on.
    void withThePlaceholderTheUpdateButtonActsAsWithNoNetwork_data()
    {
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("placeholder host") << true;
        QTest::newRow("release host, no network") << false;
    }

    void withThePlaceholderTheUpdateButtonActsAsWithNoNetwork()
    {
        QFETCH(bool, placeholder);
        Harness h;
        h.add<MenuScreen>(placeholder ? placeholderSite : releaseSite);
        h.store.saveInt(keys::settings, keys::soundOpt, 2);
        h.start("Start");
        for (int press = 0; press < 2; ++press) {
            h.click("Newver");
            // No network: every request fails with the empty text.
            while (!h.web.pending.empty())
                h.web.answer(QString());
        }
        QCOMPARE(h.web.requests.size(), placeholder ? 0 : 2);
        QCOMPARE(h.audio.played, (QStringList{"BTNSOUND", "BTNSOUND"}));
        QVERIFY(h.dialogs.shown.empty());
        QCOMPARE(h.currentName(), QString("Start"));

        // The page and the mail still go to the browser and the mail program,
        // which say themselves what they make of the address.
        h.click("Quorelnet");
        h.click("Email");
        const MakerSite& site = placeholder ? placeholderSite : releaseSite;
        QCOMPARE(h.web.opened, (QStringList{site.pageUrl(), site.errorReportMailto()}));
    }

    void onlyANewerVersionFileAnnouncesAnything_data()
    {
        QTest::addColumn<QString>("fetched");
        QTest::addColumn<QString>("newer");
        QTest::newRow("next patch") << "1.0.6" << "1.0.6";
        QTest::newRow("two-digit patch beats 5") << "1.0.10" << "1.0.10";
        QTest::newRow("next minor") << "1.1" << "1.1";
        QTest::newRow("next major with notes") << "2.0.0\r\n新功能：寵物會說話" << "2.0.0";
        QTest::newRow("with a v") << "v1.0.6" << "1.0.6";
        QTest::newRow("blanks and a byte order mark") << QString(QChar(0xFEFF)) + "  1.0.6 \n" << "1.0.6";
        QTest::newRow("four parts") << "1.0.5.1" << "1.0.5.1";
        QTest::newRow("the same version") << "1.0.5" << "";
        QTest::newRow("the same version with a zero") << "1.0.5.0" << "";
        QTest::newRow("older") << "1.0.4" << "";
        QTest::newRow("much older") << "0.9.9" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("a web page") << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>登入</html>" << "";
        QTest::newRow("words before the number") << "最新版本 2.0.0" << "";
        QTest::newRow("words after the number") << "2.0.0 beta" << "";
        QTest::newRow("a single number") << "2" << "";
        QTest::newRow("a number too big to be a version") << "99999999999.0" << "";
        QTest::newRow("the version on a later line only") << "hello\n2.0.0" << "";
    }

    void onlyANewerVersionFileAnnouncesAnything()
    {
        QFETCH(QString, fetched);
        QFETCH(QString, newer);
        QCOMPARE(newerVersionIn(fetched, "1.0.5"), newer);
    }

    void webButtonsClickAndOpenTheirLinks_data()
    {
        QTest::addColumn<int>("soundOpt");
        QTest::newRow("sound on") << 2;
        QTest::newRow("sound off") << 1;
    }

    void webButtonsClickAndOpenTheirLinks()
    {
        QFETCH(int, soundOpt);
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.store.saveInt(keys::settings, keys::soundOpt, soundOpt);
        h.start("Start");
        h.click("Quorelnet");
        h.click("Email");
        h.click("Newver");
        QCOMPARE(h.web.opened, (QStringList{releaseSite.pageUrl(), releaseSite.errorReportMailto()}));
        QCOMPARE(h.web.requests, QStringList{releaseSite.versionFileUrl()});
        const QStringList clicks = soundOpt == 2 ? QStringList{"BTNSOUND", "BTNSOUND", "BTNSOUND"} : QStringList{};
        QCOMPARE(h.audio.played, clicks);
        QVERIFY(h.dialogs.shown.empty());
        QCOMPARE(h.currentName(), QString("Start"));
    }

    void theUpdateCheckSpeaksOnlyOfANewerVersion_data()
    {
        QTest::addColumn<QString>("fetched");
        QTest::addColumn<bool>("told");
        QTest::newRow("newer") << "1.0.6" << true;
        QTest::newRow("same") << "1.0.5" << false;
        QTest::newRow("no answer: no network, time-out, 404") << "" << false;
        QTest::newRow("not a version file") << "<html>Wi-Fi 登入</html>" << false;
    }

    void theUpdateCheckSpeaksOnlyOfANewerVersion()
    {
        QFETCH(QString, fetched);
        QFETCH(bool, told);
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.start("Start");
        h.click("Newver");
        // The menu does not wait for the answer: it keeps taking clicks.
        QCOMPARE(h.web.pending.size(), size_t(1));
        h.dialogs.expectMessage(MsgOk);
        h.click("Cmdskin");
        QCOMPARE(h.dialogs.shown.size(), size_t(1));

        if (told)
            h.dialogs.expectMessage(MsgOk);
        h.web.answer(fetched);
        QCOMPARE(h.dialogs.shown.size(), size_t(told ? 2 : 1));
        if (told) {
            const auto& box = h.dialogs.shown.back();
            QVERIFY2(box.text.contains("1.0.6") && box.text.contains("1.0.5"), qPrintable(box.text));
            QCOMPARE(box.title, QString("咕嚕果"));
            QCOMPARE(box.buttons, MsgButtons::Ok);
        }
        QCOMPARE(h.currentName(), QString("Start"));
        QCOMPARE(h.dialogs.pending(), 0);
    }

    void anAnswerAfterLeavingTheMenuIsDropped()
    {
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.start("Start");
        h.click("Newver");
        h.click("Play"); // off to a game before the answer comes
        QCOMPARE(h.currentName(), QString("Gamepage"));
        h.web.answer("9.9.9");
        QVERIFY(h.dialogs.shown.empty());
        QCOMPARE(h.currentName(), QString("Gamepage"));

        // Back on the menu, a new check speaks again.
        h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
        h.click("Newver");
        h.dialogs.expectMessage(MsgOk);
        h.web.answer("9.9.9");
        QCOMPARE(h.dialogs.shown.size(), size_t(1));
    }

    void pressesDuringACheckStartNoSecondOne()
    {
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.start("Start");
        h.click("Newver");
        h.click("Newver");
        h.click("Newver");
        QCOMPARE(h.web.requests.size(), 1);
        h.dialogs.expectMessage(MsgOk);
        h.web.answer("9.9.9");
        QCOMPARE(h.dialogs.shown.size(), size_t(1));

        // Once the answer is in, the button checks again.
        h.click("Newver");
        QCOMPARE(h.web.requests.size(), 2);
    }

    void theProbeShowsTheInstallButtonOnlyWithoutFileDialogs()
    {
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.start("Start");
        QVERIFY(!h.ctl("ErrComdlg").visible);

        h.web.dialogsAvailable = false; // checked again at every return to the menu
        h.click("Play");
        h.closeBox();
        QVERIFY(h.ctl("ErrComdlg").visible);

        h.web.dialogsAvailable = true;
        h.click("Play");
        h.closeBox();
        QVERIFY(!h.ctl("ErrComdlg").visible);
    }

    void theInstallerAsksItsQuestionAndNeitherAnswerFails_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("answer");
        const QString fix = QStringLiteral("您的錯誤是缺少COMDLG32.OCX嗎?\r\n是否安裝");
        const QString missing = QStringLiteral("因為您的系統沒有COMDLG32.OCX，\r\n是否安裝");
        QTest::newRow("repair, yes") << "fixgame" << fix << int(MsgYes);
        QTest::newRow("repair, no") << "fixgame" << fix << int(MsgNo);
        QTest::newRow("missing component, yes") << "ErrComdlg" << missing << int(MsgYes);
        QTest::newRow("missing component, no") << "ErrComdlg" << missing << int(MsgNo);
    }

    void theInstallerAsksItsQuestionAndNeitherAnswerFails()
    {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(int, answer);
        Harness h;
        h.add<MenuScreen>(releaseSite);
        h.web.dialogsAvailable = false; // so that ErrComdlg can be pressed
        h.start("Start");
        QVERIFY(h.ctl("ErrComdlg").visible);
        const auto before = h.store.getAll(keys::settings);

        h.dialogs.expectMessage(answer);
        h.click(button);
        QCOMPARE(h.dialogs.shown.size(), size_t(1)); // nothing further: no error box after Yes
        const auto& box = h.dialogs.shown.front();
        QCOMPARE(box.text, question);
        QCOMPARE(box.title, QString("咕嚕果"));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Question);
        QVERIFY(h.audio.played.isEmpty()); // these two buttons make no click sound
        QCOMPARE(h.currentName(), QString("Start"));
        QVERIFY(!h.navigator.ended());
        QVERIFY(h.web.opened.isEmpty() && h.web.requests.isEmpty());
        QCOMPARE(h.store.getAll(keys::settings), before);
        QVERIFY(h.ctl("ErrComdlg").visible); // stays until the menu is next loaded
    }
};

QTEST_GUILESS_MAIN(TestWebLinks)
#include "test_weblinks.moc"
