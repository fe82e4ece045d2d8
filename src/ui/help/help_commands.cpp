#include "ui/help/help_commands.h"

#include "ui/help/frmCredits.h"
#include "ui/help/frmNote.h"
#include "ui/main_window.h"

namespace obrix::ui {

HelpCommands::HelpCommands(frmMain& window, std::unique_ptr<UrlOpener> opener)
    : opener_(std::move(opener)) {
    window.setCommandHandler(frmMain::Command::ScoringNote, [] { showScoringNote(); });
    window.setCommandHandler(frmMain::Command::About,
                             [this, &window] { showCredits(&window, *opener_); });
}

} // namespace obrix::ui
