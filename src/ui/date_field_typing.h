#pragma once

// What typing a character into one field of the date picker does, as the platform's date picker
// does it: the field takes the typed number (or, for the month, the month whose name begins with a
// typed letter) and the date changes at once; a field never holds anything but a valid date.
//
// Digits gather in the field: in the day and month "1" then "2" gives 12, while "1" then "3" in the
// month (13 is no month) starts again at 3; a third digit starts again too. A lone "0" waits for
// the next digit. The year takes effect once all four digits are typed. A letter in the month picks
// the next month after the current one whose name in the locale begins with it (case ignored), so
// "j" steps January, June, July. Changing the month keeps the day where the new month has it and
// otherwise takes the month's last day; so does changing the year away from 29 February.

#include <QDate>
#include <QLocale>
#include <QString>

namespace obrix::ui {

enum class DateField { Day, Month, Year };

struct FieldTyping {
    QDate date;      // the date after the character; unchanged when the character does nothing
    QString pending; // the digits gathered in the field so far, for the next character
};

FieldTyping typeIntoDateField(QDate date, DateField field, const QString& pending, QChar typed,
                              const QLocale& locale);

} // namespace obrix::ui
