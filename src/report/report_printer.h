#pragma once

// What the print command prints with. ReportPrinting (report_printing.h) is the real one: the
// system's printer dialog and printer.

#include "report/report_lines.h"

#include <QLocale>
#include <QString>

namespace obrix::report {

enum class PrintOutcome {
    Printed,   // every copy went to the printer
    Nothing,   // zero (or fewer) copies were asked for
    Cancelled, // the dialog was cancelled; nothing is shown
    Failed,    // the printer or the dialog failed; the message was shown once
};

// The message shown when printing fails: the fixed sentence, CR LF and the failure's description.
QString printFailureMessage(const QString& description);

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // Prints the report of `input`, which the caller reads from the window before anything else
    // happens (the group shown on paper is the one selected when the command started).
    virtual PrintOutcome print(const ReportInput& input, const QLocale& locale = QLocale()) = 0;
};

} // namespace obrix::report
