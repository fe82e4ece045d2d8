#pragma once

// Stands in for the user choosing "Print to File (PDF)" with a number of copies.

#include "report/print_dialog.h"

#include <QPrinter>
#include <QString>

#include <utility>

namespace obrix::testing {

class PdfDialog : public report::PrintDialog {
public:
    explicit PdfDialog(QString fileName, int copies = 1)
        : fileName_(std::move(fileName))
        , copies_(copies) {}
    report::PrintDialogResult exec(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName_);
        printer.setCopyCount(copies_);
        return {report::PrintDialogResult::Outcome::Accepted, copies_, {}};
    }

private:
    QString fileName_;
    int copies_;
};

} // namespace obrix::testing
