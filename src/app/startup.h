#pragma once

#include "app/frmSplash.h"
#include "app/main_window_parts.h"

#include <functional>
#include <memory>

class QApplication;
class QString;

// What main() does before the event loop starts.
namespace obrix::app {

// Settings made once, before any window: the program's name and the icon every window shows.
// The program ends when its last window closes: a scoring-note window left open keeps it running
// after the main window has gone, and the splash never counts. Enter presses the focused button
// in every window.
void prepareApplication(QApplication& app);

// Starts `helper`, a program that runs the record file-type registration on its own, in the
// background; runs `inProcess` instead when the helper cannot be started. Asking the desktop
// loads its libraries and reads its MIME and application databases, which this program then
// never holds in memory.
void registerInHelperOrHere(const QString& helper, const std::function<void()>& inProcess);

// The real start-up steps: the main window with its commands, made into `owner` (which keeps it
// for the whole run, since the splash does not) on `services`, and the record file-type
// registration for this system: on Linux by obrix-register beside the program, on Windows in
// the program itself.
StartupSteps programStartupSteps(const services::Services& services,
                                 std::unique_ptr<MainWindowParts>& owner);

} // namespace obrix::app
