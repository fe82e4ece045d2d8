#pragma once

// Screen readers select an option button through its "toggle" action. Qt's own accessible button
// carries that out with QAbstractButton::toggle(), which checks the button without emitting
// clicked(); a window that recomputes on clicked() would then show the new sample selected above
// results that still belong to the old one. For the buttons handed to clickOnToggle the toggle
// (and press) action clicks the button instead, exactly as the mouse or the keyboard does.

class QRadioButton;

namespace obrix::ui {

// Best called while the window is being built: an interface Qt made for the button earlier is
// replaced, and a screen reader that already held it would have to look the button up again.
void clickOnToggle(QRadioButton& button);

} // namespace obrix::ui
