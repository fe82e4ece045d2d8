#pragma once

// The charts of the history window and the progress report: the Total raw score by date of test
// (0 to 72, with the clinical cut-off and the severity ranges drawn and named with their sources,
// and the reliable changes from the first administration marked), the six subscales (0 to 12),
// and the OCD and Hoarding Disorder scales with their cut-offs. All use a real time axis, so
// uneven gaps between administrations look uneven.

#include "history/client_history.h"

#include <QString>

#include <vector>

class QChart;
class QLineSeries;

namespace obrix::ui {

// Replaces the chart's series and axes with those of the administrations (ordered by date).
void fillTotalChart(QChart& chart, const std::vector<history::Administration>& administrations);
void fillSubscaleChart(QChart& chart, const std::vector<history::Administration>& administrations);
// The OCD scale (0 to 60, left axis) and the Hoarding Disorder subscale (0 to 12, right axis)
// with their cut-off lines.
void fillSplitScaleChart(QChart& chart,
                         const std::vector<history::Administration>& administrations);

// The chart's series of the Total (or of a subscale), found by its name.
QLineSeries* seriesNamed(const QChart& chart, const QString& name);

// What a screen reader says about a chart: how many administrations, over which dates, and the
// scores in date order.
QString chartDescription(const std::vector<history::Administration>& administrations,
                         std::size_t scaleIndex);

// The date of an administration as the chart's axis counts it: milliseconds since the epoch at
// local noon.
qint64 chartTime(const records::CalendarDate& date);

// The legend names of the reference lines.
QString cutoffName();
QString reliableChangeMarkerName(history::ReliableChange change);
QString severityBandName(const history::SeverityBand& band);

} // namespace obrix::ui
