#pragma once

// What File > Client History... needs of the history window. The window itself, with Qt Charts,
// lives in a module of its own (obrix-history) that is loaded the first time the command is
// chosen, so that starting the program never loads the charting libraries.

#include "scoring/calculation.h"
#include "services/services.h"

#include <QString>

#include <functional>

class QWidget;

namespace obrix::ui {

class HistoryWindow {
public:
    virtual ~HistoryWindow() = default;

    // The window, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    // Shows the history of the client with this identifier from the folder and starts reading.
    virtual void showClient(const QString& identifier, const QString& folder) = 0;
    // The folder last shown; empty before any.
    virtual const QString& folder() const = 0;
    // Lets the user pick another folder and reads it.
    virtual void cmdFolder_Click() = 0;

protected:
    HistoryWindow() = default;
    HistoryWindow(const HistoryWindow&) = default;
    HistoryWindow& operator=(const HistoryWindow&) = default;
};

// The module's one entry point, looked up by kCreateHistoryWindowSymbol: a new window over
// `parent`, or nullptr. group gives the main window's comparison group whenever a read starts.
using CreateHistoryWindow = HistoryWindow* (*)(const services::Services& services,
                                               std::function<scoring::ComparisonGroup()> group,
                                               QWidget* parent);
inline constexpr const char* kCreateHistoryWindowSymbol = "obrixCreateHistoryWindow";

} // namespace obrix::ui
