#pragma once

#include <QString>

namespace tarovin {

// The maker's site and mail address, in one place.
inline const QString makerHost = QStringLiteral("wuduo.example");
inline const QString makerMail = QStringLiteral("wuduo@wuduo.example");

QString makerPageUrl();    // the game's page on the maker's site
QString versionFileUrl();  // plain text naming the latest version
// A mailto link with the prepared subject and body, percent-encoded as UTF-8
// so that every mail program reads them.
QString errorReportMailto();
// The newest version named in the fetched text when it is newer than
// running, else the empty text.
QString newerVersionIn(const QString& fetched, const QString& running);

} // namespace tarovin
