#pragma once

// The main window with the parts that carry out its commands, put together: the record commands
// (New, Open, Save, Save As, the closing question), the print command, the help commands and the client history,
// each connected to the window's buttons and menu items, all using the same services.

#include "record_commands/record_commands.h"
#include "report/print_command.h"
#include "services/services.h"
#include "ui/main_window.h"

#include <memory>

namespace obrix::ui {
class HistoryCommand;
}

namespace obrix::app {

class MainWindowParts {
public:
    // Makes the window (its load handler runs) and connects its commands; the record the command
    // line names is not opened yet (openStartupRecord does that). `services` must outlive this.
    // Printing goes to `printing` (empty: the system's printer dialog and printer).
    explicit MainWindowParts(const services::Services& services,
                             std::unique_ptr<report::ReportPrinter> printing = {});
    ~MainWindowParts();

    MainWindowParts(const MainWindowParts&) = delete;
    MainWindowParts& operator=(const MainWindowParts&) = delete;

    // Opens the last existing record file the program's command line names, if any.
    void openStartupRecord();

    ui::frmMain& window() { return *window_; }
    records::RecordCommands& recordCommands() { return *recordCommands_; }
    report::PrintCommand& printCommand() { return *printCommand_; }

private:
    services::Services services_;
    std::unique_ptr<ui::frmMain> window_;
    std::unique_ptr<records::RecordCommands> recordCommands_;
    std::unique_ptr<report::PrintCommand> printCommand_;
    std::unique_ptr<ui::HistoryCommand> historyCommand_;
};

} // namespace obrix::app
