#pragma once

#include <QUrl>

namespace obrix::services {

// Hands a web address to the desktop to open in the user's default browser. Windows that open
// web pages take one of these so that tests can watch the requests instead of starting a browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // One request per call. Fire and forget: whether a browser actually opens is not reported.
    virtual void openUrl(const QUrl& url) = 0;

protected:
    UrlOpener() = default;
    UrlOpener(const UrlOpener&) = default;
    UrlOpener& operator=(const UrlOpener&) = default;
};

// Opens addresses in the desktop's registered browser: the shell's open verb on Windows,
// QDesktopServices elsewhere.
class DesktopUrlOpener final : public UrlOpener {
public:
    void openUrl(const QUrl& url) override;
};

} // namespace obrix::services
