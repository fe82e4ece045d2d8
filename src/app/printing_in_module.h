#pragma once

// The program's report printing: ReportPrinting, made in the module obrix-print at the first
// print and kept for the run (with it the printer chosen last). Should the module not load, that
// print fails with the print failure message.

#include "report/report_printer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace obrix::app {

class PrintingInModule final : public report::ReportPrinter {
public:
    PrintingInModule(services::MessageBoxes& messages, QWidget* dialogParent);
    ~PrintingInModule() override;

    report::PrintOutcome print(const report::ReportInput& input, const QLocale& locale) override;

private:
    services::MessageBoxes& messages_;
    QPointer<QWidget> dialogParent_;
    std::unique_ptr<report::ReportPrinter> printing_;
};

} // namespace obrix::app
