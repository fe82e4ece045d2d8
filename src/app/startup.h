#pragma once

#include "app/frmSplash.h"

#include <memory>

class QApplication;

namespace obrix::ui {
class frmMain;
}

// What main() does before the event loop starts.
namespace obrix::app {

// Settings made once, before any window: the program's name and the icon every window shows.
// The program ends when its last window closes: a scoring-note window left open keeps it running
// after the main window has gone, and the splash never counts. Enter presses the focused button
// in every window.
void prepareApplication(QApplication& app);

// The real start-up steps: the main window, made into `owner` (which keeps it for the whole run,
// since the splash does not), and the record file-type registration for this system.
StartupSteps programStartupSteps(std::unique_ptr<ui::frmMain>& owner);

} // namespace obrix::app
