#include "ui/history/history_command.h"

#include "record_commands/record_commands.h"
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

void HistoryCommand::open() {
    if (!history_) {
        history_ = new frmHistory(
            services_,
            [this] {
                return main_.OpGeneral->isChecked() ? scoring::ComparisonGroup::GeneralPopulation
                                                    : scoring::ComparisonGroup::Ocd;
            },
            &main_);
    }
    QWidget* window = history_;
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
