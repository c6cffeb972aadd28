#include "frontend/QtWeb.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace tarovin;

namespace {

// A tiny HTTP server on the loopback address that answers every request the
// way a test asks: a whole response, or nothing at all, or a byte now and then.
class LoopbackServer : public QObject {
public:
    enum class Mode { Answer, Silent, Trickle };

    explicit LoopbackServer(Mode mode, QByteArray response = {}) : mode_(mode), response_(std::move(response))
    {
        QVERIFY(server_.listen(QHostAddress::LocalHost, 0));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { received(socket); });
            }
        });
    }

    QString url(const QString& path = QStringLiteral("/api/tarovinver.txt")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

    int requests = 0;
    QByteArray lastRequest;

private:
    void received(QTcpSocket* socket)
    {
        lastRequest += socket->readAll();
        if (!lastRequest.contains("\r\n\r\n"))
            return;
        ++requests;
        switch (mode_) {
        case Mode::Answer:
            socket->write(response_);
            socket->disconnectFromHost();
            break;
        case Mode::Silent:
            break;
        case Mode::Trickle: {
            // Headers at once, then one byte of a long body every 50 ms: the
            // transfer never stalls, so only an overall deadline ends it.
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000\r\n\r\n");
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write("1"); });
            drip->start(50);
            break;
        }
        }
    }

    Mode mode_;
    QByteArray response_;
    QTcpServer server_;
};

QByteArray response(int status, const QByteArray& reason, const QByteArray& body,
                    const QByteArray& type = "text/plain; charset=utf-8")
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + type
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Runs one fetch and waits for its answer; the answer must come exactly once.
struct Fetch {
    std::optional<QString> text;
    int answers = 0;
    qint64 elapsedMs = 0;

    Fetch(QtWeb& web, const QString& url, int waitMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        web.httpGetText(url, [this, &clock](const QString& t) {
            ++answers;
            text = t;
            elapsedMs = clock.elapsed();
        });
        QTRY_VERIFY_WITH_TIMEOUT(text.has_value(), waitMs);
        QTest::qWait(100); // a second answer would arrive here
    }
    QString result() const { return text.value_or(QStringLiteral("<no answer>")); }
};

} // namespace

// The real fetch behind the menu's update check, against servers on 127.0.0.1.
class TestHttpGet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Straight to the loopback server, whatever proxy the machine names.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    void answersAreDecodedOrEmpty_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("expected");
        const QByteArray chinese = QStringLiteral("1.0.6\r\n新版本：小獅會跳舞了！🦁").toUtf8();
        QTest::newRow("200 with Chinese UTF-8 text") << response(200, "OK", chinese)
                                                     << QStringLiteral("1.0.6\r\n新版本：小獅會跳舞了！🦁");
        QTest::newRow("200 with a byte order mark") << response(200, "OK", "\xEF\xBB\xBF" "1.0.6")
                                                    << QStringLiteral("1.0.6");
        QTest::newRow("200 with no charset named is still UTF-8")
            << response(200, "OK", QStringLiteral("獅子").toUtf8(), "application/octet-stream") << QStringLiteral("獅子");
        QTest::newRow("200 empty") << response(200, "OK", "") << QString();
        QTest::newRow("404 with a page") << response(404, "Not Found", "<html>not here</html>") << QString();
        QTest::newRow("500") << response(500, "Internal Server Error", "1.0.6") << QString();
        QTest::newRow("204 is not 200") << QByteArray("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n")
                                        << QString();
        QTest::newRow("bytes that are not UTF-8") << response(200, "OK", "1.0.6 \xC0\xFF\xFE") << QString();
        QTest::newRow("a body far too long for a version file")
            << response(200, "OK", QByteArray(QtWeb::maxBodyBytes + 1, '1')) << QString();
        QTest::newRow("not HTTP at all") << QByteArray("hello, this is not a web server\r\n") << QString();
    }

    void answersAreDecodedOrEmpty()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, expected);
        LoopbackServer server(LoopbackServer::Mode::Answer, reply);
        QtWeb web;
        Fetch fetch(web, server.url());
        QCOMPARE(fetch.result(), expected);
        QCOMPARE(fetch.answers, 1);
        QVERIFY(server.requests >= 1); // a garbled answer makes Qt try again
        QVERIFY(server.lastRequest.startsWith("GET /api/tarovinver.txt HTTP/1.1\r\n"));
    }

    void aClosedPortGivesTheEmptyText()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        } // closed again: nobody listens there now
        QtWeb web(3000);
        Fetch fetch(web, QStringLiteral("http://127.0.0.1:%1/api/tarovinver.txt").arg(port));
        QCOMPARE(fetch.result(), QString());
        QCOMPARE(fetch.answers, 1);
        QVERIFY2(fetch.elapsedMs < 2500, "a refused connection must not wait for the time-out");
    }

    void aServerThatNeverAnswersEndsAtTheTimeOut_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("accepts and stays silent") << int(LoopbackServer::Mode::Silent);
        QTest::newRow("sends a byte every 50 ms") << int(LoopbackServer::Mode::Trickle);
    }

    void aServerThatNeverAnswersEndsAtTheTimeOut()
    {
        QFETCH(int, mode);
        LoopbackServer server{LoopbackServer::Mode(mode)};
        const int timeoutMs = 300;
        QtWeb web(timeoutMs);
        Fetch fetch(web, server.url(), 5000);
        QCOMPARE(fetch.result(), QString());
        QCOMPARE(fetch.answers, 1);
        QCOMPARE(server.requests, 1);
        QVERIFY2(fetch.elapsedMs >= timeoutMs - 20, qPrintable(QString::number(fetch.elapsedMs)));
        QVERIFY2(fetch.elapsedMs < timeoutMs + 2000, qPrintable(QString::number(fetch.elapsedMs)));
    }

    void theEventLoopRunsWhileAFetchWaits()
    {
        // The menu must keep working meanwhile: timers fire during the fetch.
        LoopbackServer server(LoopbackServer::Mode::Silent);
        QtWeb web(400);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        Fetch fetch(web, server.url());
        QCOMPARE(fetch.result(), QString());
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    }

    void urlsThatAreNotWebAddressesAnswerEmptyAndLater_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("empty") << QString();
        QTest::newRow("a file") << QStringLiteral("file:///etc/hostname");
        QTest::newRow("no scheme") << QStringLiteral("tarovinver.txt");
    }

    void urlsThatAreNotWebAddressesAnswerEmptyAndLater()
    {
        QFETCH(QString, url);
        QtWeb web;
        int answers = 0;
        QString text = QStringLiteral("untouched");
        web.httpGetText(url, [&](const QString& t) { ++answers, text = t; });
        QCOMPARE(answers, 0); // never inside the call itself
        QTRY_COMPARE(answers, 1);
        QCOMPARE(text, QString());
    }

    void aFetchStillRunningWhenTheProgramEndsCallsNobody()
    {
        LoopbackServer server(LoopbackServer::Mode::Silent);
        int answers = 0;
        {
            QtWeb web;
            web.httpGetText(server.url(), [&answers](const QString&) { ++answers; });
            QTRY_COMPARE(server.requests, 1);
        }
        QTest::qWait(100);
        QCOMPARE(answers, 0);
    }
};

QTEST_GUILESS_MAIN(TestHttpGet)
#include "test_httpget.moc"
