#pragma once

// Names and descriptions for screen readers (Orca over AT-SPI, Narrator and NVDA over UI
// Automation). Qt announces a control without a name by its kind or by whatever it shows, so an
// item box would be read as "combo box" and a result box as a bare number; each window gives
// every control that takes the focus or shows a value a name of its own with these functions,
// from its constructor, once its controls exist. Nothing visible changes: captions, texts, tab
// order and changed flags stay as they are. They only set names, so calling them again is
// harmless. Missing (null) controls are skipped.

#include <QString>

#include <initializer_list>

class QAbstractButton;
class QLabel;
class QWidget;

namespace obrix::ui {

void describe(QWidget* control, const QString& name, const QString& description = QString());

// Named by its caption as spoken (spokenCaption), with a description of what it does.
void describeButton(QAbstractButton* button, const QString& description);

// The label becomes what a screen reader offers as the control's "labelled by" relation.
void tie(QLabel* label, QWidget* control);

// A window read as one announcement: its name, then the texts of its non-empty captions in
// the order given (reading order), as its description.
void describeByCaptions(QWidget& window, const QString& name,
                        std::initializer_list<const QLabel*> captions);

// A caption as a screen reader should say it: the access-key marker "&" goes, "&&" stands for
// one "&" ("Start &Again" is "Start Again").
QString spokenCaption(const QString& caption);

} // namespace obrix::ui
