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
// The version file names the latest version on its first line ("1.0.6", or
// "v1.0.6"); further lines are free for notes. Returns that version when it is
// newer than running, else the empty text; a text that is not a version file
// (an error page, a login page of a hotel network) announces nothing.
QString newerVersionIn(const QString& fetched, const QString& running);

} // namespace tarovin
