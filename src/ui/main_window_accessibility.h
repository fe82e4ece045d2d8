#pragma once

// The main window's names for screen readers: item boxes "Question 1" ... "Question 18" (on the
// combo box and on its edit field, which is what a screen reader reads while typing), "Client
// Name", "Date of Test", the 21 result boxes "<Scale> raw score", "<Scale> z-score" and "<Scale>
// percentile", the buttons and option buttons by their captions, "Warning", "Sample question",
// "Reference note", and the panels "Results" and "Instructions". Question, name and date labels
// are tied to their boxes. The option buttons' toggle action clicks them
// (ui/accessibility/option_button_accessible.h), so choosing a sample with a screen reader
// recomputes like a mouse click.

namespace obrix::ui {

class frmMain;

void applyAccessibleNames(frmMain& window);

} // namespace obrix::ui
