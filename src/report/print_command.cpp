#include "report/print_command.h"

namespace obrix::report {

QString printFailureMessage(const QString& description) {
    return QStringLiteral("Are you sure you've got the correct printer set as the default? "
                          "Something went very wrong and resulted in the following error\r\n") +
           description;
}

PrintCommand::PrintCommand(ReportForm& window, std::unique_ptr<ReportPrinter> printing)
    : window_(window)
    , printing_(std::move(printing)) {}

PrintCommand::~PrintCommand() = default;

PrintOutcome PrintCommand::print() {
    // Everything is read before the dialog opens: the group on paper is the one selected now.
    return printing_->print(window_.reportInput());
}

} // namespace obrix::report
