#pragma once

#include "app/toolkit/Platform.h"

#include <QNetworkAccessManager>

namespace tarovin {

// Links through the desktop's browser and mail program; the version file
// through QNetworkAccessManager, in the background, ending after ten seconds
// at the latest.
class QtWeb final : public Web {
public:
    static constexpr int timeoutMs = 10000;

    void openUrl(const QString& url) override;
    void httpGetText(const QString& url, std::function<void(const QString&)> done) override;
    bool fileDialogsAvailable() const override { return true; }

private:
    QNetworkAccessManager network_;
};

} // namespace tarovin
