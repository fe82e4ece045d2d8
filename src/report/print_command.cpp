#include "report/print_command.h"

#include "ui/main_window.h"
#include "ui/message_box.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>

namespace obrix::report {

ReportInput readReportInput(const ui::frmMain& window) {
    ReportInput input;
    input.identifier = window.txtName->text();
    input.date = window.DTPicker->date();
    input.generalPopulation = window.OpGeneral->isChecked();
    const auto rows = window.resultRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        input.rows[row].raw = rows[row].raw->text();
        input.rows[row].zScore = rows[row].zScore->text();
        input.rows[row].percentile = rows[row].percentile->text();
    }
    return input;
}

PrintCommand::PrintCommand(ui::frmMain& window)
    : PrintCommand(window,
                   std::make_unique<ReportPrinting>(
                       [](const QString& text) { ui::MessageBoxes::show(text); }, &window)) {}

PrintCommand::PrintCommand(ui::frmMain& window, std::unique_ptr<ReportPrinting> printing)
    : window_(window)
    , printing_(std::move(printing)) {
    window_.setCommandHandler(ui::frmMain::Command::Print, [this] { print(); });
}

PrintCommand::~PrintCommand() = default;

PrintOutcome PrintCommand::print() {
    // Everything is read before the dialog opens: the group on paper is the one selected now.
    return printing_->print(readReportInput(window_));
}

} // namespace obrix::report
