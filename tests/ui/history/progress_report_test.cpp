// The progress report printed to PDF through the printer dialog's seam and read back with
// pdftotext: the identifier and page number on every page, the table's header repeated on the
// pages it continues on, the change markers in the table, and the figures with their sources.

#include "message_box_script.h"
#include "pdf_print_dialog.h"
#include "ui/history/progress_report_printing.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace obrix;

class ProgressReportTest : public QObject {
    Q_OBJECT

private slots:
    void pagesCarryTheClientTheTableAndTheFigures() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; cannot read the PDF back");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

        // Totals 40, then 24 (a reliable improvement, above c), then 22 (recovered), then 70
        // more administrations, so that the table runs over several pages.
        scoring::NormalDistributionSource statistics;
        std::vector<history::Administration> client;
        for (int i = 0; i < 73; ++i) {
            records::ClientRecord record{"Client 42", {2020 + i / 12, 1 + i % 12, 5}, {}};
            const int total = i == 0 ? 40 : i == 1 ? 24 : 22;
            for (int item = 0; item < scoring::kItemCount; ++item)
                record.items[static_cast<std::size_t>(item)] =
                    std::to_string(std::min(4, std::max(0, total - 4 * item)));
            client.push_back(
                *history::scoreRecord("r.oci", record, scoring::ComparisonGroup::Ocd, statistics)
                     .administration);
        }
        history::orderAdministrations(client);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("progress.pdf"));
        testing::PdfDialog dialog(file);
        testing::MessageBoxScript messages;
        QPrinter printer(QPrinter::HighResolution);
        QCOMPARE(ui::printProgressReport(dialog, printer, messages, {"Client 42", client}),
                 report::PrintOutcome::Printed);
        QVERIFY(messages.shown().isEmpty());
        // Kept for a look at the pages when asked for.
        if (const QString keep = qEnvironmentVariable("OBRIX_KEEP_PROGRESS_PDF"); !keep.isEmpty())
            QFile::copy(file, keep);

        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(process.readAllStandardOutput())
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        for (int n = 0; n < pages.size(); ++n) {
            const QString& page = pages[n];
            QVERIFY(page.contains(QStringLiteral("Obrix client progress report: Client 42")));
            QVERIFY(page.contains(QStringLiteral("Page %1 of %2").arg(n + 1).arg(pages.size())));
        }
        QVERIFY(pages[0].contains(
            QStringLiteral("73 administration(s) from 05/01/2020 to 05/01/2026.")));
        QVERIFY(pages[1].contains(QStringLiteral("Date of Test")));
        const QString all = pages.join(QString()).simplified();
        QVERIFY(all.contains(QStringLiteral("05/02/2020 24 20 4 -16 -16 Improved No")));
        QVERIFY(all.contains(QStringLiteral("05/03/2020 22 18 4 -18 -2 Improved Yes")));
        for (const char* figure :
             {"SEdiff = SD(OCD) x sqrt(2 x (1 - r)): 8.118 (Jacobson and Truax (1991))",
              "(SD(OCD) + SD(general)): 22.96 (Jacobson and Truax (1991))",
              "reliability r in the OCD group (n = 41): 0.82 (Zendaro et al. (2002))",
              "Hoarding Disorder subscale, clinical mean: 9.29 (Quillane et al. (2015))"})
            QVERIFY2(all.contains(QLatin1String(figure)), figure);
    }
};

QTEST_MAIN(ProgressReportTest)
#include "progress_report_test.moc"
