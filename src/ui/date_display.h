#pragma once

// How the date picker shows its date: the locale's short date form, widened to a four-digit year
// where the locale uses two, so that no date of the test reads ambiguously.

#include <QLocale>
#include <QString>

namespace obrix::ui {

QString dateDisplayFormat(const QLocale& locale = QLocale());

} // namespace obrix::ui
