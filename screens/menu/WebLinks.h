#pragma once

#include <QString>

namespace tarovin {

// Where the menu's links lead: the maker's site, which serves the game's page
// and the version file, and the mail address for error reports. The program
// uses the addresses its build was configured with.
struct MakerSite {
    QString host;
    QString mail;

    static MakerSite configured();

    // Whether the host is a name in the reserved "example" or "invalid"
    // domains (RFC 2606), as the default of a build is: no such server
    // exists, so nothing is asked of it.
    bool isPlaceholder() const;

    QString pageUrl() const;        // the game's page on the maker's site
    QString versionFileUrl() const; // plain text naming the latest version
    // A mailto link with the prepared subject and body, percent-encoded as
    // UTF-8 so that every mail program reads them.
    QString errorReportMailto() const;
};

// The version file names the latest version on its first line ("1.0.6", or
// "v1.0.6"); further lines are free for notes. Returns that version when it is
// newer than running, else the empty text; a text that is not a version file
// (an error page, a login page of a hotel network) announces nothing.
QString newerVersionIn(const QString& fetched, const QString& running);

} // namespace tarovin
