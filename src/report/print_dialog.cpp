#include "report/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#ifdef Q_OS_WIN
#include <QPrinterInfo>
#endif

namespace obrix::report {

PrintDialogResult SystemPrintDialog::exec(QPrinter& printer) {
#ifdef Q_OS_WIN
    // The Windows printer dialog cannot open without a printer, and Qt reports that as a cancel;
    // the user would see nothing happen. There is also no print-to-file fallback on Windows.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return {PrintDialogResult::Outcome::Failed, 0,
                QStringLiteral("No printers are installed.")};
#endif
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
