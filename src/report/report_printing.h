#pragma once

// The print command behind File > Print Report: asks for printer and copies, then prints the
// report once per copy, each copy as a print job of its own. Keeps the printer for the whole
// run, so the printer picked last time is offered (and used) again.

#include "report/print_dialog.h"
#include "report/report_document.h"
#include "report/report_lines.h"
#include "report/report_printer.h"
#include "services/message_boxes.h"

#include <QLocale>
#include <QString>

#include <memory>

class QPrinter;

namespace obrix::report {

// Copy counts beyond a 16-bit count are refused as a failure rather than printed.
inline constexpr int kMaxCopies = 32767;

// The file a copy is written to when the printer prints to a file: the first copy to the chosen
// name, the others beside it with the copy number ("report.pdf", "report-2.pdf", ...), so that
// each copy stays a document of its own instead of overwriting the one before.
QString copyOutputFileName(const QString& fileName, int copy);

class ReportPrinting final : public ReportPrinter {
public:
    // The system's printer dialog over dialogParent and real print jobs; failures go to messages.
    explicit ReportPrinting(services::MessageBoxes& messages, QWidget* dialogParent = nullptr);
    ReportPrinting(std::unique_ptr<PrintDialog> dialog, std::unique_ptr<ReportDocument> document,
                   services::MessageBoxes& messages);
    ~ReportPrinting() override;

    ReportPrinting(const ReportPrinting&) = delete;
    ReportPrinting& operator=(const ReportPrinting&) = delete;

    PrintOutcome print(const ReportInput& input, const QLocale& locale = QLocale()) override;

    // The program's printer, created on first use.
    QPrinter& printer();

private:
    PrintOutcome printCopies(const QList<ReportLine>& lines, int copies);
    PrintOutcome fail(const QString& description);

    std::unique_ptr<PrintDialog> dialog_;
    std::unique_ptr<ReportDocument> document_;
    services::MessageBoxes& messages_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace obrix::report
