#include "WebLinks.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVersionNumber>

namespace tarovin {

QString makerPageUrl()
{
    return QStringLiteral("https://") + makerHost + QStringLiteral("/apppage/tarovin.html");
}

QString versionFileUrl()
{
    return QStringLiteral("https://") + makerHost + QStringLiteral("/api/tarovinver.txt");
}

QString errorReportMailto()
{
    return QStringLiteral("mailto:") + makerMail + QStringLiteral("?subject=")
        + QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("《咕嚕果》 錯誤回報")))
        + QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("請輸入錯誤內容")));
}

QString newerVersionIn(const QString& fetched, const QString& running)
{
    static const QRegularExpression version(QStringLiteral("\\d+(?:\\.\\d+)+"));
    const QVersionNumber current = QVersionNumber::fromString(running);
    QVersionNumber best;
    auto it = version.globalMatch(fetched);
    while (it.hasNext()) {
        const QVersionNumber v = QVersionNumber::fromString(it.next().captured());
        if (v > current && v > best)
            best = v;
    }
    return best.isNull() ? QString() : best.toString();
}

} // namespace tarovin
