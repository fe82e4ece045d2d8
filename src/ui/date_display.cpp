#include "ui/date_display.h"

#include <QRegularExpression>

namespace obrix::ui {

QString dateDisplayFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

} // namespace obrix::ui
