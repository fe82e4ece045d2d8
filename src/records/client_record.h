#pragma once

// One client's questionnaire entry as a record file keeps it: the identifier, the date of the
// test and the 18 item texts. Results and the comparison group are never part of it.

#include "records/calendar_date.h"

#include <array>
#include <string>

namespace obrix::records {

inline constexpr int kRecordItemCount = 18;

struct ClientRecord {
    std::string identifier; // UTF-8, any text, possibly empty
    CalendarDate date;
    // Item n's text at index n - 1, UTF-8, exactly as the item box holds it (not validated).
    std::array<std::string, kRecordItemCount> items;

    friend bool operator==(const ClientRecord&, const ClientRecord&) = default;
};

} // namespace obrix::records
