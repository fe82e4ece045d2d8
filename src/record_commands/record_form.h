#pragma once

// What the record commands need of the window that shows the record: its identifier box, date
// picker and item boxes as a ClientRecord, the result boxes, the two panels and the changed
// flags. The main window implements it; the commands never see its controls.

#include "records/client_record.h"

#include <QString>

#include <string>

namespace obrix::records {

class RecordForm {
public:
    virtual ~RecordForm() = default;

    // The record the window shows: identifier, date and item texts as they stand.
    virtual ClientRecord record() const = 0;
    // Why the window cannot show the record exactly; empty when it can (the date picker holds a
    // limited range of dates, the boxes a limited length of text).
    virtual std::string showRecordProblem(const ClientRecord& record) const = 0;
    // Puts the identifier, the date and item n's text into their controls, in that order; each
    // write raises its control's changed flag. Call only when showRecordProblem found nothing.
    virtual void ShowRecord(const ClientRecord& record) = 0;
    // Empties the identifier box and the 21 result boxes (the fixed texts stay).
    virtual void emptyNameAndResults() = 0;
    // Empties the 18 item boxes; they keep their lists.
    virtual void emptyItems() = 0;
    // Hides the results, shows the instructions and puts `warning` into the warning box.
    virtual void showInstructions(const QString& warning) = 0;
    // True when at least one changed flag was raised when the call began; Reset clears them all.
    virtual bool RecordChanged(bool Reset) = 0;

protected:
    RecordForm() = default;
    RecordForm(const RecordForm&) = default;
    RecordForm& operator=(const RecordForm&) = default;
};

} // namespace obrix::records
