#pragma once

// What the windows and commands need from the desktop, as one set of references handed to them
// where start-up puts the program together. The program passes DesktopServices; tests pass
// doubles (tests/support) and need no global to save and restore.

#include "services/clock.h"
#include "services/file_dialogs.h"
#include "services/message_boxes.h"
#include "services/settings.h"
#include "services/startup_command_line.h"
#include "services/url_opener.h"

namespace obrix::services {

struct Services {
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    Settings& settings;
    Clock& clock;
    StartupCommandLineSource& commandLine;
    UrlOpener& urls;
};

// The real desktop: Qt's message boxes and file dialogs, the user's settings, the system clock,
// the program's own command line and the default browser. Lives as long as the program.
class DesktopServices {
public:
    DesktopServices() = default;
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    Services services() {
        return {messages_, fileDialogs_, settings_, clock_, commandLine_, urls_};
    }

private:
    DialogMessageBoxes messages_;
    QtFileDialogs fileDialogs_;
    UserSettings settings_;
    SystemClock clock_;
    ProgramCommandLine commandLine_;
    DesktopUrlOpener urls_;
};

} // namespace obrix::services
