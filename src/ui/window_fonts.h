#pragma once

// The typefaces the windows are designed for, with metric-compatible stand-ins where the machine
// lacks them: Liberation Sans for "MS Sans Serif" and Arial, Carlito for "Calibri".

#include <QFont>

namespace obrix::ui {

// Registers the stand-ins with Qt's font matching. Idempotent; called by every window that uses
// these faces, before its first font is made.
void installFontSubstitutes();

// "MS Sans Serif" 8.25 point: the default font of the windows' controls.
QFont windowFont();

// "Calibri" 18 point bold: the main window's title.
QFont titleFont();

} // namespace obrix::ui
