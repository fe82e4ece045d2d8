#pragma once

// Exporting a history: the two charts as one PNG image or one PDF page, the table as CSV with
// the columns of obrix-score --history --format csv. Each writer returns the system's
// description of a failure, empty on success; a failed export leaves no partial file behind.

#include "history/client_history.h"

#include <QString>

#include <string>
#include <vector>

class QChartView;

namespace obrix::ui {

QString exportChartsPng(const QString& path, QChartView& total, QChartView& subscales);
QString exportChartsPdf(const QString& path, const QString& title, QChartView& total,
                        QChartView& subscales);

// RFC 4180 text: a header row and one row per administration, CR LF line ends; decimalSeparator
// goes into the numbers.
std::string historyCsv(const std::vector<history::Administration>& administrations,
                       scoring::ComparisonGroup group, const std::string& decimalSeparator);
QString exportBytes(const QString& path, const std::string& bytes);

} // namespace obrix::ui
