#pragma once

// A calendar date without a time of day: the date of the test as the date picker holds it.

#include <optional>
#include <string>
#include <string_view>

namespace obrix::records {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// True for a real day of the Gregorian calendar in the years 1 to 9999.
bool isValidDate(const CalendarDate& date);

// "2026-03-14": four-digit year, two-digit month and day, whatever the regional settings.
std::string formatIsoDate(const CalendarDate& date);

// Reads "yyyy-mm-dd", optionally followed by a blank and a 24-hour time "hh:mm:ss" (or "hh:mm"),
// which is checked and then dropped. Month, day and hour may have one digit. Blanks and tabs
// around the whole text are allowed. Anything else, including dates that do not exist such as
// 30 February, gives nothing.
std::optional<CalendarDate> parseIsoDateTime(std::string_view text);

} // namespace obrix::records
