#include "ui/history/progress_report_printing.h"

#include <QPainter>
#include <QPrinter>

namespace obrix::ui {

namespace {

report::PrintOutcome fail(services::MessageBoxes& messages, const QString& description) {
    messages.show(report::printFailureMessage(description));
    return report::PrintOutcome::Failed;
}

} // namespace

report::PrintOutcome printProgressReport(report::PrintDialog& dialog, QPrinter& printer,
                                         services::MessageBoxes& messages,
                                         const ProgressReportInput& input) {
    printer.setDocName(QStringLiteral("%1 progress report").arg(input.identifier.trimmed()));
    const report::PrintDialogResult choice = dialog.exec(printer);
    switch (choice.outcome) {
    case report::PrintDialogResult::Outcome::Cancelled:
        return report::PrintOutcome::Cancelled;
    case report::PrintDialogResult::Outcome::Failed:
        return fail(messages, choice.error);
    case report::PrintDialogResult::Outcome::Accepted:
        break;
    }
    if (choice.copies < 1)
        return report::PrintOutcome::Nothing;
    QPainter painter;
    if (!painter.begin(&printer) || printer.printerState() == QPrinter::Error)
        return fail(messages, QStringLiteral("The printer could not be started."));
    paintProgressReport(painter, printer, input);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(messages, QStringLiteral("The printer reported an error while printing."));
    return report::PrintOutcome::Printed;
}

} // namespace obrix::ui
