#include "app/frmSplash.h"
#include "app/startup.h"
#include "services/services.h"

#include <QApplication>
#include <QPointer>

#include <memory>

// The splash window is the start-up object: its load handler brings up the main window and
// registers the record file type; the event loop then carries the program until its last window
// has closed.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    obrix::app::prepareApplication(app);

    obrix::services::DesktopServices desktop;
    std::unique_ptr<obrix::app::MainWindowParts> mainWindow;
    const QPointer<obrix::app::frmSplash> splash =
        new obrix::app::frmSplash(obrix::app::programStartupSteps(desktop.services(), mainWindow));
    splash->Form_Load();

    const int result = QApplication::exec();
    // Still there only when the program ended within the splash's second; it deletes itself
    // otherwise.
    delete splash.data();
    return result;
}
