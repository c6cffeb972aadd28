#pragma once

#include "toolkit/Platform.h"

#include <QNetworkAccessManager>

namespace tarovin {

// Links through the desktop's browser and mail program; the version file
// through QNetworkAccessManager, in the background. A fetch always ends: with
// the text, or with the empty text on any failure and at the latest when the
// time-out has passed since it started.
class QtWeb final : public Web {
public:
    static constexpr int defaultTimeoutMs = 10000;
    // A version file is a line or two; anything much longer is not one.
    static constexpr qint64 maxBodyBytes = 64 * 1024;

    explicit QtWeb(int timeoutMs = defaultTimeoutMs);
    ~QtWeb() override;

    void openUrl(const QString& url) override;
    void httpGetText(const QString& url, std::function<void(const QString&)> done) override;
    bool fileDialogsAvailable() const override { return true; }

private:
    int timeoutMs_;
    QNetworkAccessManager network_;
};

} // namespace tarovin
