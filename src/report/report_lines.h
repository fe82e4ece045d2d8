#pragma once

// The text of one printed copy of the report, as a plain list of lines: what to print, where
// and in which font. Painting them is report_renderer's job.

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>

namespace obrix::report {

inline constexpr int kResultRowCount = 7;

// The three result boxes of one row (Washing ... Neutralising, then Total), as they stand.
struct ResultRow {
    QString raw;        // txtWash ...
    QString zScore;     // txtZScoreWash ... ("Z Score = 1.44")
    QString percentile; // txtPercentWash ... ("92.45 Percentile" or "N/A")
};

// Everything the report prints, read from the main window when the print command starts.
struct ReportInput {
    QString identifier;                            // txtName
    QDate date;                                    // DTPicker
    bool generalPopulation = true;                 // OpGeneral selected; otherwise the OCD sample
    std::array<ResultRow, kResultRowCount> rows{}; // Washing ... Neutralising, Total
};

struct ReportLine {
    bool bold = false;
    int pointSize = 12;
    int column = 1; // print column the text starts at; column 1 is the printable area's edge
    QString text;   // empty for a blank line, which still advances by the font's line spacing

    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

inline constexpr int kReportLineCount = 26;

// "General Population Sample" or "OCD Population Sample".
QString groupName(bool generalPopulation);

// The 26 lines of one copy. The date is written in the locale's short date form; result texts
// are copied unchanged (empty before any computation, hand-edited text as typed).
QList<ReportLine> reportLines(const ReportInput& input, const QLocale& locale);

} // namespace obrix::report
