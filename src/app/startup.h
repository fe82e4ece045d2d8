#pragma once

#include "app/frmSplash.h"
#include "app/main_window_parts.h"

#include <functional>
#include <memory>

class QApplication;

// What main() does before the event loop starts.
namespace obrix::app {

// Settings made once, before any window: the program's name and the icon every window shows.
// The program ends when its last window closes: a scoring-note window left open keeps it running
// after the main window has gone, and the splash never counts. Enter presses the focused button
// in every window.
void prepareApplication(QApplication& app);

// Starts `registration` on a thread of Qt's global pool and returns at once: asking the desktop
// reads its MIME and application databases (or the registry), which must never hold up the
// windows. The application object waits for the pool when it is destroyed, so quitting while the
// registration runs lets it finish rather than cutting it off halfway through a write.
void registerInBackground(std::function<void()> registration);

// The real start-up steps: the main window with its commands, made into `owner` (which keeps it
// for the whole run, since the splash does not) on `services`, and the record file-type
// registration for this system, in the background.
StartupSteps programStartupSteps(const services::Services& services,
                                 std::unique_ptr<MainWindowParts>& owner);

} // namespace obrix::app
