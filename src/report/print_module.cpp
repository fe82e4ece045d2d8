// The module obrix-print: the report printing on Qt's print support, which the program loads at
// the first print.

#include "report/report_printing.h"

extern "C" __attribute__((visibility("default"))) obrix::report::ReportPrinter*
obrixCreateReportPrinting(obrix::services::MessageBoxes& messages, QWidget* dialogParent) {
    return new obrix::report::ReportPrinting(messages, dialogParent);
}

// The entry point has the type the program calls it with.
[[maybe_unused]] constexpr obrix::report::CreateReportPrintingEntry kCreateEntry =
    &obrixCreateReportPrinting;
