#pragma once

class QPlainTextEdit;

// Multi-line text boxes of the windows (the help windows' and the main window's), drawn and
// behaving like the system's plain edit control.
namespace obrix::ui {

enum class TextBoxBorder { None, Sunken };
enum class TextBoxBackground { Window, ButtonFace };

// Turns a plain text edit into a multi-line text box in the windows' default font without scroll
// bars: lines wrap at the box's width, text below the lower edge is reached by moving the caret,
// and Tab moves the focus on instead of typing a tab character.
void styleTextBox(QPlainTextEdit& box, TextBoxBorder border, TextBoxBackground background);

// Read-only that still lets the user select (mouse and keyboard), copy and tab into the box.
void makeReadOnlySelectable(QPlainTextEdit& box);

} // namespace obrix::ui
