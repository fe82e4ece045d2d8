#include "report/report_document.h"

#include <QPrinter>

namespace obrix::report {

QPainter* PrinterDocument::begin(QPrinter& printer, QString& error) {
    // A copy left open by an interrupted run must not block the next one.
    if (painter_.isActive())
        painter_.end();
    if (!painter_.begin(&printer) || printer.printerState() == QPrinter::Error) {
        if (painter_.isActive())
            painter_.end();
        error = QStringLiteral("The printer could not be started.");
        return nullptr;
    }
    printer_ = &printer;
    return &painter_;
}

bool PrinterDocument::end(QString& error) {
    const bool ended = painter_.end();
    const bool failed = !ended || (printer_ && printer_->printerState() == QPrinter::Error);
    printer_ = nullptr;
    if (failed)
        error = QStringLiteral("The printer reported an error while printing.");
    return !failed;
}

} // namespace obrix::report
