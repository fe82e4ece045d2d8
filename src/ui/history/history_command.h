#pragma once

// File > Client History...: opens the one history window for the client the main window shows,
// in the folder of the record's own file, or in a folder the user picks when the record has no
// file yet. Choosing the command again brings the window up to date with the main window.

#include "services/services.h"
#include "ui/history/frmHistory.h"

#include <QPointer>

namespace obrix::records {
class RecordCommands;
}

namespace obrix::ui {

class frmMain;

class HistoryCommand {
public:
    HistoryCommand(frmMain& window, const records::RecordCommands& records,
                   const services::Services& services);
    HistoryCommand(const HistoryCommand&) = delete;
    HistoryCommand& operator=(const HistoryCommand&) = delete;

    void open();

private:
    frmMain& main_;
    const records::RecordCommands& records_;
    services::Services services_;
    QPointer<frmHistory> history_;
};

} // namespace obrix::ui
