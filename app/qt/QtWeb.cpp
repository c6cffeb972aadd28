#include "QtWeb.h"

#include <QDesktopServices>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace tarovin {

void QtWeb::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void QtWeb::httpGetText(const QString& url, std::function<void(const QString&)> done)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network_.get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        done(reply->error() == QNetworkReply::NoError && status == 200 ? QString::fromUtf8(reply->readAll()) : QString());
    });
}

} // namespace tarovin
