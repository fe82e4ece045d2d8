#include "services/url_opener.h"

#include <QDesktopServices>

namespace obrix::services {

void DesktopUrlOpener::openUrl(const QUrl& url) {
    // No browser, or one that refuses the page, leaves nothing for the user to act on; the click
    // simply has no visible effect.
    static_cast<void>(QDesktopServices::openUrl(url));
}

} // namespace obrix::services
