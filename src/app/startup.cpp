#include "app/startup.h"

#include "app/app_resources.h"
#include "app/association/system_backend.h"
#include "ui/enter_presses_button.h"

#include <QApplication>
#include <QThreadPool>

#include <utility>

namespace obrix::app {

void prepareApplication(QApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Obrix"));
    // Lets the desktop match the windows to the desktop entry the registration writes.
    QGuiApplication::setDesktopFileName(QStringLiteral("obrix"));
    QApplication::setWindowIcon(applicationIcon());
    app.setQuitOnLastWindowClosed(true);
    ui::installEnterPressesFocusedButton(app);
}

void registerInBackground(std::function<void()> registration) {
    QThreadPool::globalInstance()->start(std::move(registration));
}

StartupSteps programStartupSteps(const services::Services& services,
                                 std::unique_ptr<MainWindowParts>& owner) {
    StartupSteps steps;
    steps.loadMainWindow = [services, &owner]() -> QWidget* {
        // Constructing the window runs its load handler; then the record named on the command
        // line is opened. The window is not shown yet.
        owner = std::make_unique<MainWindowParts>(services);
        owner->openStartupRecord();
        return &owner->window();
    };
    steps.registerFileType = [] {
        registerInBackground(&association::registerFileTypeForThisProgram);
    };
    return steps;
}

} // namespace obrix::app
