#include "app/startup.h"

#include "app/app_resources.h"
#include "app/association/system_backend.h"
#include "app/deferred_icon_style.h"
#include "ui/enter_presses_button.h"
#include "ui/main_window.h"

#include <QApplication>

namespace obrix::app {

void prepareApplication(QApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Obrix"));
    installDeferredIconStyle();
    // Lets the desktop match the windows to the desktop entry the registration writes.
    QGuiApplication::setDesktopFileName(QStringLiteral("obrix"));
    QApplication::setWindowIcon(applicationIcon());
    app.setQuitOnLastWindowClosed(true);
    ui::installEnterPressesFocusedButton(app);
}

StartupSteps programStartupSteps(std::unique_ptr<ui::frmMain>& owner) {
    StartupSteps steps;
    steps.loadMainWindow = [&owner]() -> QWidget* {
        // Constructing the window runs its load handler, which opens a record named on the
        // command line; the window is not shown yet.
        owner = std::make_unique<ui::frmMain>();
        return owner.get();
    };
    steps.registerFileType = [] {
        association::registerFileTypeForThisProgram();
    };
    return steps;
}

} // namespace obrix::app
