#include "WebLinks.h"

#include "Version.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVersionNumber>

namespace tarovin {

MakerSite MakerSite::configured()
{
    return {QStringLiteral(TAROVIN_MAKER_HOST), QStringLiteral(TAROVIN_MAKER_MAIL)};
}

bool MakerSite::isPlaceholder() const
{
    const QString name = host.toLower();
    for (const QString& reserved : {QStringLiteral("example"), QStringLiteral("invalid")}) {
        if (name == reserved || name.endsWith(QLatin1Char('.') + reserved))
            return true;
    }
    return false;
}

QString MakerSite::pageUrl() const
{
    return QStringLiteral("https://") + host + QStringLiteral("/apppage/tarovin.html");
}

QString MakerSite::versionFileUrl() const
{
    return QStringLiteral("https://") + host + QStringLiteral("/api/tarovinver.txt");
}

QString MakerSite::errorReportMailto() const
{
    return QStringLiteral("mailto:") + mail + QStringLiteral("?subject=")
        + QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("《咕嚕果》 錯誤回報")))
        + QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("請輸入錯誤內容")));
}

QString newerVersionIn(const QString& fetched, const QString& running)
{
    // Only the first line counts, and only when it is a version and nothing
    // else: a page that merely mentions "HTML 4.01" must not look like a
    // release. Short parts keep every number far from overflowing.
    static const QRegularExpression versionLine(QStringLiteral("^[vV]?(\\d{1,5}(?:\\.\\d{1,5}){1,3})$"));
    QString text = fetched;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
    const QString firstLine = text.trimmed().section(lineBreak, 0, 0).trimmed();
    const QRegularExpressionMatch match = versionLine.match(firstLine);
    if (!match.hasMatch())
        return {};
    const QString named = match.captured(1);
    // 1.0.5.0 is the running 1.0.5, not a newer one.
    const QVersionNumber latest = QVersionNumber::fromString(named).normalized();
    const QVersionNumber current = QVersionNumber::fromString(running).normalized();
    return latest > current ? named : QString();
}

} // namespace tarovin
