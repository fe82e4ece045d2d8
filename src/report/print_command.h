#pragma once

// File > Print Report of the main window: reads the identifier, date, group and result boxes as
// they stand and hands them to the report printing, which keeps the chosen printer for the run.

#include "report/report_form.h"
#include "report/report_printer.h"

#include <memory>

namespace obrix::report {

class PrintCommand {
public:
    // The program passes a ReportPrinting with the system's printer dialog; tests pass one with
    // scripted dialog and document.
    PrintCommand(ReportForm& window, std::unique_ptr<ReportPrinter> printing);
    ~PrintCommand();

    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

    PrintOutcome print();

private:
    ReportForm& window_;
    std::unique_ptr<ReportPrinter> printing_;
};

} // namespace obrix::report
