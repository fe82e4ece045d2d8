#include "app/startup.h"

#include "app/app_resources.h"
#include "app/association/system_backend.h"
#include "app/deferred_icon_style.h"
#include "ui/enter_presses_button.h"

#ifndef _WIN32
#include "loading/program_module.h"
#endif

#include <QApplication>
#include <QProcess>

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

#ifndef _WIN32
namespace {

// The in-process registration runs the GIO backend in the module obrix-gio; without the module
// it is left out, like any other registration failure.
void registerThroughGioModule() {
    std::string error;
    if (const auto entry = reinterpret_cast<association::RegisterFileTypeEntry>(
            loading::programModuleSymbol(OBRIX_GIO_MODULE_NAME,
                                         association::kRegisterFileTypeEntry, error))) {
        entry();
    }
}

} // namespace
#endif

void registerInHelperOrHere(const QString& helper, const std::function<void()>& inProcess) {
    if (!QProcess::startDetached(helper, {})) {
        inProcess();
    }
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
#ifdef _WIN32
        association::registerFileTypeForThisProgram();
#else
        registerInHelperOrHere(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/obrix-register"),
                               &registerThroughGioModule);
#endif
    };
    return steps;
}

} // namespace obrix::app
