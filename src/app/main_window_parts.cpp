#include "app/main_window_parts.h"

#include "report/report_printing.h"
#include "ui/help/frmCredits.h"
#include "ui/help/frmNote.h"
#include "ui/history/history_command.h"

namespace obrix::app {

MainWindowParts::MainWindowParts(const services::Services& services,
                                 std::unique_ptr<report::ReportPrinter> printing)
    : services_(services)
    , window_(std::make_unique<ui::frmMain>(services)) {
    ui::frmMain& window = *window_;
    recordCommands_ = std::make_unique<records::RecordCommands>(window, services_);
    if (!printing) {
        printing = std::make_unique<report::ReportPrinting>(services_.messages, &window);
    }
    printCommand_ = std::make_unique<report::PrintCommand>(window, std::move(printing));

    using Command = ui::frmMain::Command;
    records::RecordCommands& records = *recordCommands_;
    window.setCommandHandler(Command::New, [&records] { records.newRecord(); });
    window.setCommandHandler(Command::Open, [&records] { records.open(); });
    window.setCommandHandler(Command::Save, [&records] { records.save(); });
    window.setCommandHandler(Command::SaveAs, [&records] { records.saveAs(); });
    window.setUnloadHandler([&records](bool& cancel) { records.unload(cancel); });
    window.setCommandHandler(Command::Print, [this] { printCommand_->print(); });
    // Scoring Note opens the modeless note window; About the credits window, modal over the
    // main window.
    window.setCommandHandler(Command::ScoringNote, [] { ui::showScoringNote(); });
    window.setCommandHandler(Command::About,
                             [this, &window] { ui::showCredits(&window, services_.urls); });
    historyCommand_ = std::make_unique<ui::HistoryCommand>(window, records, services_);
    window.setCommandHandler(Command::History, [this] { historyCommand_->open(); });
}

// The window goes first: closing it may still ask the record commands.
MainWindowParts::~MainWindowParts() {
    window_.reset();
}

void MainWindowParts::openStartupRecord() {
    recordCommands_->openStartupRecord(services_.commandLine.startupCommandLine());
}

} // namespace obrix::app
