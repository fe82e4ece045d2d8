#include "app/printing_in_module.h"

#include "loading/program_module.h"

namespace obrix::app {

PrintingInModule::PrintingInModule(services::MessageBoxes& messages, QWidget* dialogParent)
    : messages_(messages)
    , dialogParent_(dialogParent) {}

PrintingInModule::~PrintingInModule() = default;

report::PrintOutcome PrintingInModule::print(const report::ReportInput& input,
                                             const QLocale& locale) {
    if (!printing_) {
        std::string error;
        const auto create = reinterpret_cast<report::CreateReportPrintingEntry>(
            loading::programModuleSymbol(OBRIX_PRINT_MODULE_NAME,
                                         report::kCreateReportPrintingEntry, error));
        if (create == nullptr) {
            messages_.show(report::printFailureMessage(QString::fromLocal8Bit(error)));
            return report::PrintOutcome::Failed;
        }
        printing_.reset(create(messages_, dialogParent_));
    }
    return printing_->print(input, locale);
}

} // namespace obrix::app
