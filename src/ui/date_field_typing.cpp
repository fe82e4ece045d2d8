#include "ui/date_field_typing.h"

#include <algorithm>

namespace obrix::ui {

namespace {

constexpr int kYearDigits = 4;
constexpr int kDayOrMonthDigits = 2;

// The date with one part replaced, the day pulled back to the end of a shorter month.
QDate withParts(int year, int month, int day) {
    return {year, month, std::min(day, QDate(year, month, 1).daysInMonth())};
}

QDate withField(QDate date, DateField field, int value) {
    switch (field) {
    case DateField::Day:
        return {date.year(), date.month(), value};
    case DateField::Month:
        return withParts(date.year(), value, date.day());
    case DateField::Year:
        return withParts(value, date.month(), date.day());
    }
    return date;
}

int largestValue(QDate date, DateField field) {
    switch (field) {
    case DateField::Day:
        return date.daysInMonth();
    case DateField::Month:
        return 12;
    case DateField::Year:
        return 9999;
    }
    return 0;
}

FieldTyping typeDigit(QDate date, DateField field, const QString& pending, QChar digit) {
    const int width = field == DateField::Year ? kYearDigits : kDayOrMonthDigits;
    QString digits = pending.size() < width ? pending + digit : QString(digit);
    const auto fits = [&](const QString& candidate) {
        const int value = candidate.toInt();
        return value >= 1 && value <= largestValue(date, field);
    };
    if (field != DateField::Year && !fits(digits) && digits.size() > 1)
        digits = QString(digit);
    // A year is whole only with all its digits; a day or month as soon as it names one.
    const bool complete = field == DateField::Year ? digits.size() == kYearDigits : fits(digits);
    if (!complete)
        return {date, digits.toInt() == 0 || field == DateField::Year ? digits : QString()};
    const QDate changed = withField(date, field, digits.toInt());
    return {changed.isValid() ? changed : date, digits.size() == width ? QString() : digits};
}

FieldTyping typeMonthLetter(QDate date, QChar letter, const QLocale& locale) {
    for (int step = 1; step <= 12; ++step) {
        const int month = (date.month() - 1 + step) % 12 + 1;
        if (locale.monthName(month, QLocale::LongFormat).startsWith(letter, Qt::CaseInsensitive))
            return {withParts(date.year(), month, date.day()), {}};
    }
    return {date, {}};
}

} // namespace

FieldTyping typeIntoDateField(QDate date, DateField field, const QString& pending, QChar typed,
                              const QLocale& locale) {
    if (typed >= u'0' && typed <= u'9')
        return typeDigit(date, field, pending, typed);
    if (field == DateField::Month && typed.isLetter())
        return typeMonthLetter(date, typed, locale);
    return {date, pending};
}

} // namespace obrix::ui
