#pragma once

// File > Client History...: opens the one history window for the client the main window shows,
// in the folder of the record's own file, or in a folder the user picks when the record has no
// file yet. Choosing the command again brings the window up to date with the main window.

#include <QPointer>

namespace obrix::ui {

class frmHistory;
class frmMain;

class HistoryCommand {
public:
    explicit HistoryCommand(frmMain& window);
    HistoryCommand(const HistoryCommand&) = delete;
    HistoryCommand& operator=(const HistoryCommand&) = delete;

    void open();
    frmHistory* window() const;

private:
    frmMain& main_;
    QPointer<frmHistory> history_;
};

} // namespace obrix::ui
