#pragma once

#include <QFont>

class QPlainTextEdit;

// The look shared by the help windows: the classic dialog typeface and text boxes drawn like the
// system's plain edit control.
namespace obrix::ui::help {

// Family name the windows ask for. Machines without it get a metric-compatible stand-in through a
// font substitution registered on first use.
inline constexpr const char* kClassicFamily = "MS Sans Serif";
inline constexpr const char* kClassicStandIn = "Liberation Sans";
inline constexpr double kClassicPointSize = 8.25;

// "MS Sans Serif" 8.25 point, regular or bold. Registers the stand-in substitution (once).
QFont classicFont(bool bold);

enum class TextBoxBorder { None, Sunken };
enum class TextBoxBackground { Window, ButtonFace };

// Turns a plain text edit into a multi-line text box without scroll bars: lines wrap at the box's
// width, text below the lower edge is reached by moving the caret, and Tab moves the focus on
// instead of typing a tab character.
void styleTextBox(QPlainTextEdit& box, TextBoxBorder border, TextBoxBackground background);

// Read-only that still lets the user select (mouse and keyboard), copy and tab into the box.
void makeReadOnlySelectable(QPlainTextEdit& box);

} // namespace obrix::ui::help
