#pragma once

// File > Print Report of the main window: reads the identifier, date, group and result boxes as
// they stand and hands them to the report printing, which keeps the chosen printer for the run.

#include "report/report_printing.h"

#include <memory>

namespace obrix::ui {
class frmMain;
}

namespace obrix::report {

// What the report prints, read from the window's controls (no computation, no validation).
ReportInput readReportInput(const ui::frmMain& window);

class PrintCommand {
public:
    // The system's printer dialog and print jobs; failures shown in the program's message box.
    explicit PrintCommand(ui::frmMain& window);
    // Tests pass a printing object with scripted dialog and document.
    PrintCommand(ui::frmMain& window, std::unique_ptr<ReportPrinting> printing);
    ~PrintCommand();

    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

    PrintOutcome print();

private:
    ui::frmMain& window_;
    std::unique_ptr<ReportPrinting> printing_;
};

} // namespace obrix::report
