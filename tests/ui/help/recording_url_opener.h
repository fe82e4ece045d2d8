#pragma once

#include "ui/help/url_opener.h"

#include <QList>
#include <QUrl>

// Stands in for the desktop: records every address it is asked to open, opens nothing.
class RecordingUrlOpener final : public obrix::ui::UrlOpener {
public:
    void openUrl(const QUrl& url) override { requests.append(url); }

    QList<QUrl> requests;
};
