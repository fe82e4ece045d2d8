#include "report/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace obrix::report {

PrintDialogResult SystemPrintDialog::exec(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return {PrintDialogResult::Outcome::Cancelled, 0, {}};
    if (!printer.isValid())
        return {PrintDialogResult::Outcome::Failed, 0,
                QStringLiteral("The chosen printer is not available.")};
    return {PrintDialogResult::Outcome::Accepted, printer.copyCount(), {}};
}

} // namespace obrix::report
