#include "services/url_opener.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#endif

namespace obrix::services {

// No browser, or one that refuses the page, leaves nothing for the user to act on; the click
// simply has no visible effect, so the outcome is not examined.
void DesktopUrlOpener::openUrl(const QUrl& url) {
#ifdef _WIN32
    // The shell's "open" verb on the address, shown normally, with no owner window.
    const std::wstring address = url.toString(QUrl::FullyEncoded).toStdWString();
    static_cast<void>(ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr,
                                    SW_SHOWNORMAL));
#else
    static_cast<void>(QDesktopServices::openUrl(url));
#endif
}

} // namespace obrix::services
