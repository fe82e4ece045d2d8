// The report's lines: texts, fonts and columns of one copy for the states a record can be in.

#include "report/report_lines.h"

#include <QTest>

using obrix::report::kReportLineCount;
using obrix::report::ReportInput;
using obrix::report::ReportLine;
using obrix::report::reportLines;

Q_DECLARE_METATYPE(ReportInput)

namespace {

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);

// All items rated 2, general population, as the computation writes them.
ReportInput computedRecord() {
    ReportInput input;
    input.identifier = QStringLiteral("Client 042");
    input.date = QDate(2024, 3, 9);
    input.generalPopulation = true;
    const char* z[] = {"1.44", "1.21", "0.53", "1.15", "0.6", "1.9", "1.55"};
    const char* pct[] = {"92.45", "88.63", "70.01", "87.58", "72.42", "97.13", "93.92"};
    for (int row = 0; row < 7; ++row) {
        input.rows[row].raw = row == 6 ? QStringLiteral("36") : QStringLiteral("6");
        input.rows[row].zScore = QStringLiteral("Z Score = ") + QLatin1String(z[row]);
        input.rows[row].percentile = QLatin1String(pct[row]) + QStringLiteral(" Percentile");
    }
    return input;
}

QStringList texts(const QList<ReportLine>& lines) {
    QStringList result;
    for (const ReportLine& line : lines)
        result << line.text;
    return result;
}

} // namespace

class ReportLinesTest : public QObject {
    Q_OBJECT

private slots:
    // The whole copy for a computed record, line by line.
    void computedRecordPrintsEveryLine() {
        const QStringList expected = {
            QString(),
            QString(),
            QString(),
            QStringLiteral("Obrix"),
            QString(),
            QString(),
            QStringLiteral("Client Identifier:  Client 042"),
            QStringLiteral("Date of Test:  09/03/2024"),
            QString(),
            QStringLiteral("Comparison Group:  General Population Sample"),
            QStringLiteral(
                "Raw Score; Z Score of Comparison Group & Percentile of Comparison Group"),
            QString(),
            QStringLiteral("Washing:  Score = 6,  Z Score = 1.44,  92.45 Percentile"),
            QStringLiteral("Checking:  Score = 6,  Z Score = 1.21,  88.63 Percentile"),
            QStringLiteral("Ordering:  Score = 6,  Z Score = 0.53,  70.01 Percentile"),
            QStringLiteral("Obsessing:  Score = 6,  Z Score = 1.15,  87.58 Percentile"),
            QStringLiteral("Hoarding:  Score = 6,  Z Score = 0.6,  72.42 Percentile"),
            QStringLiteral("Neutralising:  Score = 6,  Z Score = 1.9,  97.13 Percentile"),
            QString(),
            QStringLiteral("Total Score:  Score = 36,  Z Score = 1.55,  93.92 Percentile"),
            QString(),
            QString(),
            QString(),
            QStringLiteral("Normative data obtained from: Zendaro (2002)."),
            QStringLiteral("The Obsessive-Compulsive Inventory: Development and validation of "
                           "a short version."),
            QStringLiteral("Psychological assessment, 14(4), 485-496. "
                           "https://doi.org/10.1037/1040-3590.14.4.485")};
        QCOMPARE(texts(reportLines(computedRecord(), kBritish)), expected);
    }

    // Fonts and columns do not depend on the record: bold 12 pt up to the heading, regular
    // 12 pt body, 10 pt citation; heading at column 15, every other text at column 5.
    void fontsAndColumnsFollowTheLayout() {
        ReportInput empty;
        empty.date = QDate(2000, 1, 1);
        for (const ReportInput& input : {computedRecord(), empty}) {
            const QList<ReportLine> lines = reportLines(input, kBritish);
            QCOMPARE(lines.size(), kReportLineCount);
            for (int i = 0; i < kReportLineCount; ++i) {
                const int number = i + 1;
                QVERIFY2(lines[i].bold == (number <= 4), qPrintable(QString::number(number)));
                QCOMPARE(lines[i].pointSize, number >= 24 ? 10 : 12);
                if (!lines[i].text.isEmpty())
                    QCOMPARE(lines[i].column, number == 4 ? 15 : 5);
            }
        }
    }

    // Lines 7, 8, 10 and the subscale lines for the states a record can be in.
    void recordStates_data() {
        QTest::addColumn<ReportInput>("input");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("expected"); // lines 7, 8, 10, 13, 17, 18, 20

        ReportInput fresh; // before any computation: every result box empty
        fresh.identifier = QStringLiteral("AB");
        fresh.date = QDate(2023, 12, 31);
        QTest::newRow("before computation")
            << fresh << kBritish
            << QStringList{"Client Identifier:  AB",
                           "Date of Test:  31/12/2023",
                           "Comparison Group:  General Population Sample",
                           "Washing:  Score = ,  ,  ",
                           "Hoarding:  Score = ,  ,  ",
                           "Neutralising:  Score = ,  ,  ",
                           "Total Score:  Score = ,  ,  "};

        ReportInput anonymous = computedRecord();
        anonymous.identifier.clear();
        QTest::newRow("empty identifier")
            << anonymous << kBritish
            << QStringList{"Client Identifier:  ",
                           "Date of Test:  09/03/2024",
                           "Comparison Group:  General Population Sample",
                           "Washing:  Score = 6,  Z Score = 1.44,  92.45 Percentile",
                           "Hoarding:  Score = 6,  Z Score = 0.6,  72.42 Percentile",
                           "Neutralising:  Score = 6,  Z Score = 1.9,  97.13 Percentile",
                           "Total Score:  Score = 36,  Z Score = 1.55,  93.92 Percentile"};

        ReportInput ocd = computedRecord();
        ocd.generalPopulation = false;
        QTest::newRow("OCD sample, US date")
            << ocd << QLocale(QLocale::English, QLocale::UnitedStates)
            << QStringList{"Client Identifier:  Client 042",
                           "Date of Test:  3/9/24",
                           "Comparison Group:  OCD Population Sample",
                           "Washing:  Score = 6,  Z Score = 1.44,  92.45 Percentile",
                           "Hoarding:  Score = 6,  Z Score = 0.6,  72.42 Percentile",
                           "Neutralising:  Score = 6,  Z Score = 1.9,  97.13 Percentile",
                           "Total Score:  Score = 36,  Z Score = 1.55,  93.92 Percentile"};

        // Zero raw scores have no percentile; a hand-edited box prints what was typed,
        // commas, blanks and all.
        ReportInput edited = computedRecord();
        edited.rows[0] = {"0", "Z Score = -0.96", "N/A"};
        edited.rows[4] = {" 7a", "see note, page 2", ""};
        edited.rows[5].percentile = QStringLiteral("N/A");
        edited.rows[6].raw = QStringLiteral("O'Brien & Co <b>");
        QTest::newRow("N/A and hand-edited results")
            << edited << kBritish
            << QStringList{"Client Identifier:  Client 042",
                           "Date of Test:  09/03/2024",
                           "Comparison Group:  General Population Sample",
                           "Washing:  Score = 0,  Z Score = -0.96,  N/A",
                           "Hoarding:  Score =  7a,  see note, page 2,  ",
                           "Neutralising:  Score = 6,  Z Score = 1.9,  N/A",
                           "Total Score:  Score = O'Brien & Co <b>,  Z Score = 1.55,  "
                           "93.92 Percentile"};

        ReportInput decimalComma = computedRecord();
        decimalComma.rows[0].zScore = QStringLiteral("Z Score = 1,44");
        decimalComma.rows[0].percentile = QStringLiteral("92,45 Percentile");
        QTest::newRow("German locale")
            << decimalComma << QLocale(QLocale::German, QLocale::Germany)
            << QStringList{"Client Identifier:  Client 042",
                           "Date of Test:  09.03.24",
                           "Comparison Group:  General Population Sample",
                           "Washing:  Score = 6,  Z Score = 1,44,  92,45 Percentile",
                           "Hoarding:  Score = 6,  Z Score = 0.6,  72.42 Percentile",
                           "Neutralising:  Score = 6,  Z Score = 1.9,  97.13 Percentile",
                           "Total Score:  Score = 36,  Z Score = 1.55,  93.92 Percentile"};
    }

    void recordStates() {
        QFETCH(ReportInput, input);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, expected);
        const QStringList all = texts(reportLines(input, locale));
        QCOMPARE((QStringList{all[6], all[7], all[9], all[12], all[16], all[17], all[19]}),
                 expected);
    }
};

QTEST_MAIN(ReportLinesTest)
#include "report_lines_test.moc"
