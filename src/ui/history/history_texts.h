#pragma once

// The texts a client's history is shown with, shared by the window's table and the progress
// report so that both say the same.

#include "history/client_history.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace obrix::ui {

QString fromUtf8(std::string_view text);

// The date of test in the window's date form.
QString historyDate(const records::CalendarDate& date);

// "+5", "-3", "0"; empty for the first administration.
QString signedChange(const std::optional<int>& change);

// "Improved", "Deteriorated", "None"; empty for the first administration.
QString reliableChangeText(const std::optional<history::ReliableChange>& change);

// "Yes", "No"; empty for the first administration.
QString recoveredText(const std::optional<bool>& recovered);

// "OCD cut-off 12, Quillane et al. (2015)" for the legends of the cut-off lines.
QString splitCutoffName(const history::SplitScaleInfo& scale);

// Every figure the cut-offs and markers use with its source, numbers in the user's decimal
// separator.
QStringList figureLines();

// The change rules in words with their figures, and where the figures come from.
QStringList ruleLines();

// The sources' full references.
QStringList referenceLines();

} // namespace obrix::ui
