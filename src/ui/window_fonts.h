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

// The scoring note's font: the window font where that is "MS Sans Serif" itself; where it is a
// stand-in, the same face at 7.5 point. The stand-ins' letters are wider, so at the design size two
// of the note's hand-broken lines wrap and the last reference falls below the box, which has no
// scroll bar; at 7.5 point all 27 lines show with their breaks where the author put them.
QFont noteFont();

// "Calibri" 18 point bold: the main window's title.
QFont titleFont();

} // namespace obrix::ui
