#pragma once

// Names and descriptions for screen readers (Orca over AT-SPI, Narrator and NVDA over UI
// Automation). Qt announces a control without a name by its kind or by whatever it shows, so an
// item box would be read as "combo box" and a result box as a bare number; these functions give
// every control that takes the focus or shows a value a name of its own. Nothing visible changes:
// captions, texts, tab order and changed flags stay as they are.
//
// Each window calls its function once, from its constructor, after its controls exist:
//
//     applyAccessibleNames(*this);
//
// The functions may be called again (they only set names), so tests can apply them to a window
// built before the call was wired in.
//
// Names given:
// - main window: item boxes "Question 1" ... "Question 18" (on the combo box and on its edit
//   field, which is what a screen reader reads while typing), "Client Name", "Date of Test", the
//   21 result boxes "<Scale> raw score", "<Scale> z-score" and "<Scale> percentile" (Scale one of
//   Washing, Checking, Ordering, Obsessing, Hoarding, Neutralising, Total), the buttons and
//   option buttons by their captions, "Warning", "Sample question", "Reference note", and the
//   panels "Results" and "Instructions". Question, name and date labels are tied to their boxes.
//   The option buttons' toggle action clicks them (see option_button_accessible.h), so choosing a
//   sample with a screen reader recomputes like a mouse click.
// - scoring-note window: "Scoring note".
// - credits window: the buttons by their captions, "Programme citation", "Paper citation" and
//   "License" (the heading label is tied to the licence box).
// - splash window: "Obrix is starting", described by its captions; the logo "Obrix logo".

#include <QString>

class QWidget;

namespace obrix::ui {

class frmCredits;
class frmMain;
class frmNote;

void applyAccessibleNames(frmMain& window);
void applyAccessibleNames(frmNote& window);
void applyAccessibleNames(frmCredits& window);

// The splash belongs to the start-up layer; its controls are found by their object names
// (fraMainFrame's labels and picLogo). Controls that are missing are skipped.
void applySplashAccessibleNames(QWidget& splash);

// A caption as a screen reader should say it: the access-key marker "&" goes, "&&" stands for
// one "&" ("Start &Again" is "Start Again").
QString spokenCaption(const QString& caption);

} // namespace obrix::ui
