#pragma once

// The printer dialog behind the print command, as a seam: production shows QPrintDialog on the
// program's printer, tests script the answer.

#include <QPointer>
#include <QString>
#include <QWidget>

class QPrinter;

namespace obrix::report {

struct PrintDialogResult {
    enum class Outcome { Accepted, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    int copies = 0; // copies asked for, when accepted
    QString error;  // description, when failed
};

class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // Lets the user choose printer, paper, orientation and copies; the choice is stored in the
    // printer itself.
    virtual PrintDialogResult exec(QPrinter& printer) = 0;
};

// QPrintDialog, without page ranges or selection: the report is always one whole page.
class SystemPrintDialog : public PrintDialog {
public:
    explicit SystemPrintDialog(QWidget* parent = nullptr)
        : parent_(parent) {}
    PrintDialogResult exec(QPrinter& printer) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace obrix::report
