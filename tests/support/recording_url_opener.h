#pragma once

#include "services/url_opener.h"

#include <QList>
#include <QUrl>

namespace obrix::testing {

// Stands in for the desktop: records every address it is asked to open, opens nothing.
class RecordingUrlOpener final : public services::UrlOpener {
public:
    void openUrl(const QUrl& url) override { requests.append(url); }

    QList<QUrl> requests;
};

} // namespace obrix::testing
