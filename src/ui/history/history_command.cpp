#include "ui/history/history_command.h"

#include "loading/program_module.h"
#include "record_commands/record_commands.h"
#include "services/message_boxes.h"
#include "ui/main_window.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace obrix::ui {

HistoryCommand::HistoryCommand(frmMain& window, const records::RecordCommands& records,
                               const services::Services& services)
    : main_(window)
    , records_(records)
    , services_(services) {}

CreateHistoryWindow loadHistoryWindowModule(QString& error) {
    std::string reason;
    // Never unloaded: the window's code must stay for as long as the window.
    const auto create = reinterpret_cast<CreateHistoryWindow>(loading::programModuleSymbol(
        OBRIX_HISTORY_MODULE_NAME, kCreateHistoryWindowSymbol, reason));
    if (create == nullptr) {
        error = QString::fromLocal8Bit(reason);
    }
    return create;
}

void HistoryCommand::open() {
    if (!widget_) {
        QString error;
        const CreateHistoryWindow create = loadHistoryWindowModule(error);
        history_ = create ? create(services_,
                                   [this] {
                                       return main_.OpGeneral->isChecked()
                                                  ? scoring::ComparisonGroup::GeneralPopulation
                                                  : scoring::ComparisonGroup::Ocd;
                                   },
                                   &main_)
                          : nullptr;
        if (history_ == nullptr) {
            services_.messages.show(QStringLiteral("The client history cannot be opened: ") +
                                        error,
                                    services::MessageButtons::Ok, services::MessageIcon::Critical);
            return;
        }
        widget_ = history_->widget();
    }
    QWidget* window = widget_;
    window->show();
    window->raise();
    window->activateWindow();
    const QString& file = records_.recordFile();
    if (file.isEmpty()) {
        // No file of its own yet: the folder chosen earlier, or one the user picks now.
        history_->showClient(main_.txtName->text(), history_->folder());
        if (history_->folder().isEmpty())
            history_->cmdFolder_Click();
        return;
    }
    history_->showClient(main_.txtName->text(), QFileInfo(file).absolutePath());
}

} // namespace obrix::ui
