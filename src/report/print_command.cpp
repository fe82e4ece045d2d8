#include "report/print_command.h"

namespace obrix::report {

PrintCommand::PrintCommand(ReportForm& window, std::unique_ptr<ReportPrinting> printing)
    : window_(window)
    , printing_(std::move(printing)) {}

PrintCommand::~PrintCommand() = default;

PrintOutcome PrintCommand::print() {
    // Everything is read before the dialog opens: the group on paper is the one selected now.
    return printing_->print(window_.reportInput());
}

} // namespace obrix::report
