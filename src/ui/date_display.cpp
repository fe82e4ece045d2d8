#include "ui/date_display.h"

namespace obrix::ui {

QString dateDisplayFormat(const QLocale& locale) {
    // Each run of exactly two 'y' becomes "yyyy"; other runs are left as the locale has them.
    // A plain scan rather than a regular expression, so that start-up needs no regex engine.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString widened;
    widened.reserve(format.size() + 2);
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i;
        while (end < format.size() && format.at(end) == u'y') {
            ++end;
        }
        if (end == i) {
            widened.append(format.at(i++));
            continue;
        }
        widened.append(end - i == 2 ? QStringLiteral("yyyy") : format.mid(i, end - i));
        i = end;
    }
    return widened;
}

} // namespace obrix::ui
