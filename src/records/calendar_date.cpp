#include "records/calendar_date.h"

#include <charconv>

namespace obrix::records {

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Consumes minDigits to maxDigits decimal digits (no sign) from the front of text.
std::optional<int> takeNumber(std::string_view& text, std::size_t minDigits,
                              std::size_t maxDigits) {
    std::size_t length = 0;
    while (length < text.size() && length < maxDigits && text[length] >= '0' && text[length] <= '9')
        ++length;
    if (length < minDigits)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    return value;
}

bool takeChar(std::string_view& text, char expected) {
    if (text.empty() || text.front() != expected)
        return false;
    text.remove_prefix(1);
    return true;
}

// "hh:mm:ss" or "hh:mm" on a 24-hour clock; the whole text must be used.
bool isValidTime(std::string_view text) {
    const auto hour = takeNumber(text, 1, 2);
    if (!hour || *hour > 23 || !takeChar(text, ':'))
        return false;
    const auto minute = takeNumber(text, 2, 2);
    if (!minute || *minute > 59)
        return false;
    if (!text.empty()) {
        if (!takeChar(text, ':'))
            return false;
        const auto second = takeNumber(text, 2, 2);
        if (!second || *second > 59)
            return false;
    }
    return text.empty();
}

void appendPadded(std::string& out, int value, int width) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0)
        out += '-';
    for (int pad = width - static_cast<int>(digits.size()); pad > 0; --pad)
        out += '0';
    out += digits;
}

} // namespace

bool isValidDate(const CalendarDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

std::string formatIsoDate(const CalendarDate& date) {
    std::string text;
    appendPadded(text, date.year, 4);
    text += '-';
    appendPadded(text, date.month, 2);
    text += '-';
    appendPadded(text, date.day, 2);
    return text;
}

std::optional<CalendarDate> parseIsoDateTime(std::string_view text) {
    text = trimBlanks(text);
    CalendarDate date;
    const auto year = takeNumber(text, 4, 4);
    if (!year || !takeChar(text, '-'))
        return std::nullopt;
    const auto month = takeNumber(text, 1, 2);
    if (!month || !takeChar(text, '-'))
        return std::nullopt;
    const auto day = takeNumber(text, 1, 2);
    if (!day)
        return std::nullopt;
    date = {*year, *month, *day};
    if (!isValidDate(date))
        return std::nullopt;
    if (text.empty())
        return date;
    // The time of day must be separated by blanks; it is validated but not kept.
    if (!isBlank(text.front()) || !isValidTime(trimBlanks(text)))
        return std::nullopt;
    return date;
}

} // namespace obrix::records
