#pragma once

// Moving a client record between a ClientRecord and the main window's controls: the identifier
// box, the date picker and the 18 item boxes. Nothing else of the window is read or written here.

#include "records/client_record.h"

#include <string>

namespace obrix::ui {
class frmMain;
}

namespace obrix::records {

// The record the window shows: txtName, DTPicker and Combo1 to Combo18 as they stand.
ClientRecord windowRecord(const ui::frmMain& window);

// Why the window cannot show the record exactly; empty when it can. The date picker holds a
// limited range of dates and would silently move a date outside it to the nearest end.
std::string showRecordProblem(const ui::frmMain& window, const ClientRecord& record);

// Puts the identifier into txtName, the date into DTPicker and item n's text into Combo n, in
// that order; the item boxes keep their lists. Each write raises its control's changed flag.
// Call only when showRecordProblem found nothing.
void ShowRecord(ui::frmMain& window, const ClientRecord& record);

// Empties txtName and the 21 result boxes (the fixed texts stay).
void emptyNameAndResults(ui::frmMain& window);

} // namespace obrix::records
