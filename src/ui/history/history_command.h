#pragma once

// File > Client History...: opens the one history window for the client the main window shows,
// in the folder of the record's own file, or in a folder the user picks when the record has no
// file yet. Choosing the command again brings the window up to date with the main window.

#include "services/services.h"
#include "ui/history/history_window.h"

#include <QPointer>
#include <QString>

namespace obrix::records {
class RecordCommands;
}

namespace obrix::ui {

class frmMain;

// The history window's module, loaded on first use from beside the program (a build tree) or
// from the program's library folder (an installation); nullptr with the reason in `error` when
// neither loads.
CreateHistoryWindow loadHistoryWindowModule(QString& error);

class HistoryCommand {
public:
    HistoryCommand(frmMain& window, const records::RecordCommands& records,
                   const services::Services& services);
    HistoryCommand(const HistoryCommand&) = delete;
    HistoryCommand& operator=(const HistoryCommand&) = delete;

    // Opens the window; when its module cannot be loaded, says so in a message instead.
    void open();

private:
    frmMain& main_;
    const records::RecordCommands& records_;
    services::Services services_;
    QPointer<QWidget> widget_;
    HistoryWindow* history_ = nullptr; // the window behind widget_, valid while that is
};

} // namespace obrix::ui
