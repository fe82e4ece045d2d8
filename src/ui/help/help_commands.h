#pragma once

// The main window's help commands: Scoring Note (button, Help menu, Ctrl+T) opens the modeless
// note window; About (Ctrl+B) opens the credits window modally over the main window.

#include "ui/help/url_opener.h"

#include <memory>

namespace obrix::ui {

class frmMain;

class HelpCommands {
public:
    // Web pages of the credits window open through `opener` (the desktop's browser by default).
    explicit HelpCommands(frmMain& window,
                          std::unique_ptr<UrlOpener> opener = std::make_unique<DesktopUrlOpener>());

    HelpCommands(const HelpCommands&) = delete;
    HelpCommands& operator=(const HelpCommands&) = delete;

private:
    std::unique_ptr<UrlOpener> opener_;
};

} // namespace obrix::ui
