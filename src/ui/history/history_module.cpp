// The entry point of the obrix-history module: the program finds it by name and makes the history
// window through it.

#include "ui/history/frmHistory.h"

#include <QtGlobal>

#include <type_traits>
#include <utility>

extern "C" Q_DECL_EXPORT obrix::ui::HistoryWindow*
obrixCreateHistoryWindow(const obrix::services::Services& services,
                         std::function<obrix::scoring::ComparisonGroup()> group, QWidget* parent) {
    return new obrix::ui::frmHistory(services, std::move(group), parent);
}

static_assert(std::is_same_v<decltype(&obrixCreateHistoryWindow), obrix::ui::CreateHistoryWindow>);
