#pragma once

// Per-control "data changed" flags, read by the record life cycle to decide whether the record on
// show has unsaved changes.
//
// Mechanism: a tracked control carries the dynamic property "DataChanged" (bool). Tracking
// connects the control's own value-change signal (QLineEdit::textChanged,
// QComboBox::editTextChanged, QPlainTextEdit::textChanged, QDateTimeEdit::dateChanged) so that
// every change of its value raises the flag, whether the user typed or picked it or the program
// wrote it. Nothing lowers a flag except setDataChanged(widget, false), which the main window's
// RecordChanged(true) does for all of them. A control without the property takes no part.

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace obrix::ui {

inline constexpr char kDataChangedProperty[] = "DataChanged";

// Gives the control a flag (initially clear) and raises it on every change of its value.
void trackDataChanged(QLineEdit* box);
void trackDataChanged(QComboBox* box);
void trackDataChanged(QPlainTextEdit* box);
void trackDataChanged(QDateEdit* picker);

bool hasDataChangedFlag(const QWidget* control);
// False for a control without a flag.
bool dataChanged(const QWidget* control);
// Ignored for a control without a flag.
void setDataChanged(QWidget* control, bool changed);

} // namespace obrix::ui
