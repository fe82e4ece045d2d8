// The report painted for real: column placement on a printer device, and the print command
// writing PDF files through QPrinter, read back with pdftotext.

#include "message_box_script.h"
#include "pdf_print_dialog.h"
#include "report/report_printing.h"
#include "report/report_renderer.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace obrix::report;
using obrix::testing::PdfDialog;

namespace {

ReportInput computedRecord() {
    ReportInput input;
    input.identifier = QStringLiteral("Client 042");
    input.date = QDate(2024, 3, 9);
    input.generalPopulation = false;
    const char* z[] = {"0.38", "0.3", "0.31", "-0.32", "0.6", "0.74", "0.59"};
    const char* pct[] = {"64.91", "61.91", "62.17", "37.44", "72.64", "77.04", "72.26"};
    for (int row = 0; row < 7; ++row) {
        input.rows[row].raw = row == 6 ? QStringLiteral("36") : QStringLiteral("6");
        input.rows[row].zScore = QStringLiteral("Z Score = ") + QLatin1String(z[row]);
        input.rows[row].percentile = QLatin1String(pct[row]) + QStringLiteral(" Percentile");
    }
    return input;
}

// Blanks collapsed: pdftotext does not keep runs of blanks exactly.
QString collapsed(const QString& text) {
    return text.simplified();
}

} // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private slots:
    // A column is measured in the line's own font on the device: column 5 at 10 pt lies left of
    // column 5 at 12 pt, column 1 is the origin, and lines run down the page.
    void columnsFollowTheFontOnTheDevice() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QList<ReportLine> lines = reportLines(computedRecord(), QLocale::c());
        const QList<PlacedLine> placed = layoutReport(lines, &printer);
        QCOMPARE(placed.size(), kReportLineCount);

        const PlacedLine& heading = placed[3];
        const PlacedLine& body = placed[12];
        const PlacedLine& citation = placed[23];
        QVERIFY(body.x > 0);
        QVERIFY2(citation.x < body.x,
                 qPrintable(QStringLiteral("10 pt %1, 12 pt %2").arg(citation.x).arg(body.x)));
        QVERIFY(heading.x > 2 * body.x);
        QCOMPARE(layoutReport({{false, 12, 1, QStringLiteral("x")}}, &printer)[0].x, 0.0);

        for (int i = 1; i < placed.size(); ++i)
            QVERIFY(placed[i].top > placed[i - 1].top);
        // 10 pt lines are closer together than 12 pt ones, and all 26 fit on the page.
        QVERIFY(placed[25].top - placed[24].top < placed[14].top - placed[13].top);
        QVERIFY(placed[25].baseline < printer.height());
    }

    // Two copies printed to PDF through the real painter make two one-page files with the
    // report's text in order.
    void twoCopiesPrintTwoPdfDocuments() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; cannot read the PDF back");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("report.pdf"));
        // The second copy replaces a file that everyone could read.
        QFile existing(dir.filePath(QStringLiteral("report-2.pdf")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        QVERIFY(existing.setPermissions(existing.permissions() | QFile::ReadOther));
        existing.close();
        obrix::testing::MessageBoxScript messages;
        ReportPrinting printing(std::make_unique<PdfDialog>(first, 2),
                                std::make_unique<PrinterDocument>(), messages);

        QCOMPARE(
            printing.print(computedRecord(), QLocale(QLocale::English, QLocale::UnitedKingdom)),
            PrintOutcome::Printed);
        QVERIFY(messages.shown().isEmpty());

        QStringList texts;
        for (const QString& file : {first, dir.filePath(QStringLiteral("report-2.pdf"))}) {
            QVERIFY2(QFile::exists(file), qPrintable(file));
            // A report names a client: others get no access.
            QCOMPARE(QFile::permissions(file) & (QFile::ReadOther | QFile::WriteOther),
                     QFile::Permissions());
            QProcess process;
            process.start(pdftotext, {file, QStringLiteral("-")});
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), 0);
            texts << QString::fromUtf8(process.readAllStandardOutput());
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("report-3.pdf"))));
        QCOMPARE(texts[1], texts[0]);
        QCOMPARE(texts[0].count(QLatin1Char('\f')), 1); // one page

        const QString text = collapsed(texts[0]);
        qsizetype from = 0;
        for (const ReportLine& line :
             reportLines(computedRecord(), QLocale(QLocale::English, QLocale::UnitedKingdom))) {
            if (line.text.isEmpty())
                continue;
            const qsizetype at = text.indexOf(collapsed(line.text), from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + line.text +
                                         QStringLiteral("\nin: ") + text));
            from = at + 1;
        }
        QVERIFY(text.contains(QStringLiteral("Date of Test: 09/03/2024")));
        QVERIFY(text.contains(QStringLiteral("OCD Population Sample")));

        // Kept for a look at the page when asked for.
        const QString keep = qEnvironmentVariable("OBRIX_KEEP_REPORT_PDF");
        if (!keep.isEmpty()) {
            QFile::remove(keep);
            QVERIFY(QFile::copy(first, keep));
        }
    }

    // A file that cannot be written fails the first copy: one message, nothing written.
    void unwritableOutputIsReported() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("missing/folder/report.pdf"));
        obrix::testing::MessageBoxScript messages;
        messages.answerAllWithFirstButton();
        ReportPrinting printing(std::make_unique<PdfDialog>(target, 2),
                                std::make_unique<PrinterDocument>(), messages);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printing.print(computedRecord()), PrintOutcome::Failed);
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(messages.shown()[0].text.endsWith(
            QStringLiteral("following error\r\nThe printer could not be started.")));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(ReportPdfTest)
#include "report_pdf_test.moc"
