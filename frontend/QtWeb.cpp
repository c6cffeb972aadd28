#include "QtWeb.h"

#include <QDesktopServices>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace tarovin {

QtWeb::QtWeb(int timeoutMs) : timeoutMs_(timeoutMs) {}

QtWeb::~QtWeb()
{
    // The screens that asked are gone by now: a fetch still running must not
    // call back into them while the network manager tears its replies down.
    for (QNetworkReply* reply : network_.findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
        delete reply;
    }
}

void QtWeb::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void QtWeb::httpGetText(const QString& url, std::function<void(const QString&)> done)
{
    const QUrl target(url);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // Answer later all the same, so a caller never sees its answer arrive
        // before the request call has returned.
        QTimer::singleShot(0, &network_, [done = std::move(done)] { done(QString()); });
        return;
    }

    QNetworkRequest request(target);
    // The transfer time-out alone would let a server that trickles a byte now
    // and then hold the fetch for ever; the deadline below ends it in any case.
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_.get(request);

    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(timeoutMs_);

    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > maxBodyBytes || total > maxBodyBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status != 200) {
            done(QString());
            return;
        }
        // UTF-8, a byte order mark dropped; bytes that are not UTF-8 make the
        // text unreadable, which counts as no answer.
        const QByteArray body = reply->read(maxBodyBytes + 1);
        if (body.size() > maxBodyBytes) {
            done(QString());
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(body);
        done(utf8.hasError() ? QString() : text);
    });
}

} // namespace tarovin
