#include "report/report_lines.h"

namespace obrix::report {

namespace {

constexpr int kHeadingColumn = 15;
constexpr int kBodyColumn = 5;
constexpr int kBodySize = 12;
constexpr int kCitationSize = 10;

// Row captions on paper; the total reads "Total Score:" here, unlike the window's "Total:".
constexpr std::array<const char*, kResultRowCount> kCaptions = {
    "Washing:",  "Checking:",     "Ordering:",   "Obsessing:",
    "Hoarding:", "Neutralising:", "Total Score:"};

constexpr int kTotalRow = kResultRowCount - 1;

const QString kTwoBlanks = QStringLiteral("  ");

QString subscaleLine(int row, const ResultRow& result) {
    return QString::fromLatin1(kCaptions[row]) + kTwoBlanks + QStringLiteral("Score = ") +
           result.raw + QLatin1Char(',') + kTwoBlanks + result.zScore + QLatin1Char(',') +
           kTwoBlanks + result.percentile;
}

} // namespace

QString groupName(bool generalPopulation) {
    return generalPopulation ? QStringLiteral("General Population Sample")
                             : QStringLiteral("OCD Population Sample");
}

QList<ReportLine> reportLines(const ReportInput& input, const QLocale& locale) {
    QList<ReportLine> lines;
    lines.reserve(kReportLineCount);

    // The copy starts bold at 12 points; bold goes off after the heading and the size drops to
    // 10 for the citation. Blank lines carry whatever font is current at that point.
    bool bold = true;
    int size = kBodySize;
    const auto blank = [&](int count) {
        for (int i = 0; i < count; ++i)
            lines.append({bold, size, 1, QString()});
    };
    const auto text = [&](int column, const QString& content) {
        lines.append({bold, size, column, content});
    };

    blank(3);
    text(kHeadingColumn, QStringLiteral("Obrix"));
    bold = false;
    blank(2);
    text(kBodyColumn, QStringLiteral("Client Identifier:") + kTwoBlanks + input.identifier);
    text(kBodyColumn, QStringLiteral("Date of Test:") + kTwoBlanks +
                          locale.toString(input.date, QLocale::ShortFormat));
    blank(1);
    text(kBodyColumn,
         QStringLiteral("Comparison Group:") + kTwoBlanks + groupName(input.generalPopulation));
    text(kBodyColumn, QStringLiteral("Raw Score; Z Score of Comparison Group & Percentile of "
                                     "Comparison Group"));
    blank(1);
    for (int row = 0; row < kTotalRow; ++row)
        text(kBodyColumn, subscaleLine(row, input.rows[row]));
    blank(1);
    text(kBodyColumn, subscaleLine(kTotalRow, input.rows[kTotalRow]));
    blank(3);
    size = kCitationSize;
    text(kBodyColumn, QStringLiteral("Normative data obtained from: Zendaro (2002)."));
    text(kBodyColumn, QStringLiteral("The Obsessive-Compulsive Inventory: Development and "
                                     "validation of a short version."));
    text(kBodyColumn, QStringLiteral("Psychological assessment, 14(4), 485-496. "
                                     "https://doi.org/10.1037/1040-3590.14.4.485"));
    return lines;
}

} // namespace obrix::report
