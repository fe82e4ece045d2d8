#pragma once

// Prints the client progress report, or saves it as PDF, through the printer dialog the report
// command uses. One print job; the copies the dialog asks for are the print system's to make.

#include "report/print_dialog.h"
#include "report/report_printer.h"
#include "services/message_boxes.h"
#include "ui/history/progress_report.h"

class QPrinter;

namespace obrix::ui {

// Cancelling the dialog prints nothing and says nothing; a failure is told in one message, the
// report command's sentence followed by the failure's description.
report::PrintOutcome printProgressReport(report::PrintDialog& dialog, QPrinter& printer,
                                         services::MessageBoxes& messages,
                                         const ProgressReportInput& input);

} // namespace obrix::ui
