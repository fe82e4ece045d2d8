// The print command through scripted dialog and document seams: copies, cancel, failures and
// the printer kept for the run.

#include "message_box_script.h"
#include "report/report_printing.h"

#include <QImage>
#include <QPrinter>
#include <QTest>

#include <stdexcept>

using namespace obrix::report;
using Outcome = PrintDialogResult::Outcome;

namespace {

class ScriptedDialog : public PrintDialog {
public:
    explicit ScriptedDialog(PrintDialogResult result)
        : result_(std::move(result)) {}
    PrintDialogResult exec(QPrinter& printer) override {
        ++shown;
        if (throwOnExec)
            throw std::runtime_error("dialog component missing");
        if (!fileName.isEmpty())
            printer.setOutputFileName(fileName);
        // Like QPrintDialog, the chosen count is also stored on the printer.
        if (result_.copies > 0)
            printer.setCopyCount(result_.copies);
        return result_;
    }
    int shown = 0;
    bool throwOnExec = false;
    QString fileName;

private:
    PrintDialogResult result_;
};

// Paints into an image and records what each document saw of the printer.
class RecordingDocument : public ReportDocument {
public:
    QPainter* begin(QPrinter& printer, QString& error) override {
        ++begins;
        if (begins == failBeginAt) {
            error = QStringLiteral("begin failed");
            return nullptr;
        }
        copyCounts << printer.copyCount();
        fileNames << printer.outputFileName();
        image.fill(Qt::white);
        painter.begin(&image);
        return &painter;
    }
    bool end(QString& error) override {
        ++ends;
        painter.end();
        pages << image;
        if (ends == failEndAt) {
            error = QStringLiteral("end failed");
            return false;
        }
        return true;
    }
    int begins = 0;
    int ends = 0;
    int failBeginAt = 0;
    int failEndAt = 0;
    QList<int> copyCounts;
    QStringList fileNames;
    QList<QImage> pages;

private:
    QImage image{200, 300, QImage::Format_RGB32};
    QPainter painter;
};

struct Harness {
    explicit Harness(PrintDialogResult result)
        : dialog(new ScriptedDialog(std::move(result)))
        , document(new RecordingDocument)
        , printing(std::unique_ptr<PrintDialog>(dialog), std::unique_ptr<ReportDocument>(document),
                   boxes) {
        boxes.answerAllWithFirstButton();
    }
    QStringList messages() const { return boxes.shownTexts(); }

    obrix::testing::MessageBoxScript boxes;
    ScriptedDialog* dialog;
    RecordingDocument* document;
    ReportPrinting printing;
};

ReportInput someRecord() {
    ReportInput input;
    input.identifier = QStringLiteral("R-1");
    input.date = QDate(2024, 1, 2);
    return input;
}

const QString kSentence =
    QStringLiteral("Are you sure you've got the correct printer set as the default? Something "
                   "went very wrong and resulted in the following error\r\n");

} // namespace

Q_DECLARE_METATYPE(PrintOutcome)

class ReportPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void dialogOutcomes_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("failBeginAt");
        QTest::addColumn<int>("failEndAt");
        QTest::addColumn<PrintOutcome>("expected");
        QTest::addColumn<int>("documents"); // begin/end cycles completed
        QTest::addColumn<QString>("message");

        const int accepted = int(Outcome::Accepted);
        QTest::newRow("one copy") << accepted << 1 << 0 << 0 << PrintOutcome::Printed << 1 << "";
        QTest::newRow("two copies") << accepted << 2 << 0 << 0 << PrintOutcome::Printed << 2 << "";
        QTest::newRow("five copies") << accepted << 5 << 0 << 0 << PrintOutcome::Printed << 5 << "";
        QTest::newRow("zero copies") << accepted << 0 << 0 << 0 << PrintOutcome::Nothing << 0 << "";
        QTest::newRow("negative copies")
            << accepted << -3 << 0 << 0 << PrintOutcome::Nothing << 0 << "";
        QTest::newRow("more copies than a 16-bit count")
            << accepted << 32768 << 0 << 0 << PrintOutcome::Failed << 0
            << "The number of copies is out of range.";
        QTest::newRow("largest 16-bit count is accepted")
            << accepted << kMaxCopies << 2 << 0 << PrintOutcome::Failed << 1 << "begin failed";
        QTest::newRow("cancel is silent")
            << int(Outcome::Cancelled) << 3 << 0 << 0 << PrintOutcome::Cancelled << 0 << "";
        QTest::newRow("dialog failure") << int(Outcome::Failed) << 3 << 0 << 0
                                        << PrintOutcome::Failed << 0 << "No printer is installed.";
        // A failing copy ends the command: the copies after it are not attempted.
        QTest::newRow("printer fails to start on the second copy")
            << accepted << 3 << 2 << 0 << PrintOutcome::Failed << 1 << "begin failed";
        QTest::newRow("printer fails ending the first copy")
            << accepted << 3 << 0 << 1 << PrintOutcome::Failed << 1 << "end failed";
    }

    void dialogOutcomes() {
        QFETCH(int, outcome);
        QFETCH(int, copies);
        QFETCH(int, failBeginAt);
        QFETCH(int, failEndAt);
        QFETCH(PrintOutcome, expected);
        QFETCH(int, documents);
        QFETCH(QString, message);

        PrintDialogResult result{Outcome(outcome), copies, {}};
        if (result.outcome == Outcome::Failed)
            result.error = message;
        Harness h(result);
        h.document->failBeginAt = failBeginAt;
        h.document->failEndAt = failEndAt;

        QCOMPARE(h.printing.print(someRecord()), expected);
        QCOMPARE(h.dialog->shown, 1);
        QCOMPARE(h.document->ends, documents);
        QCOMPARE(h.document->begins, documents + (failBeginAt ? 1 : 0));
        if (message.isEmpty())
            QVERIFY(h.messages().isEmpty());
        else
            QCOMPARE(h.messages(), QStringList{kSentence + message});
    }

    // The print system must not repeat each job: N copies are N jobs of one copy each, and the
    // count the user chose is offered again next time.
    void eachCopyIsAJobOfOneCopy() {
        Harness h({Outcome::Accepted, 3, {}});
        QCOMPARE(h.printing.print(someRecord()), PrintOutcome::Printed);
        QCOMPARE(h.document->copyCounts, (QList<int>{1, 1, 1}));
        QCOMPARE(h.printing.printer().copyCount(), 3);
        // Every copy carries the same picture.
        QCOMPARE(h.document->pages.size(), 3);
        QCOMPARE(h.document->pages[1], h.document->pages[0]);
        QCOMPARE(h.document->pages[2], h.document->pages[0]);
        QVERIFY(h.document->pages[0] !=
                QImage(h.document->pages[0].size(), h.document->pages[0].format()));
    }

    // Printing to a file: each copy gets a file of its own instead of overwriting the last one,
    // and the printer keeps the file the user chose.
    void copiesToAFileGetFilesOfTheirOwn() {
        Harness h({Outcome::Accepted, 3, {}});
        h.dialog->fileName = QStringLiteral("/home/u/report.pdf");
        QCOMPARE(h.printing.print(someRecord()), PrintOutcome::Printed);
        QCOMPARE(h.document->fileNames, (QStringList{"/home/u/report.pdf", "/home/u/report-2.pdf",
                                                     "/home/u/report-3.pdf"}));
        QCOMPARE(h.printing.printer().outputFileName(), QStringLiteral("/home/u/report.pdf"));
    }

    void settingsAreRestoredAfterAFailure() {
        Harness h({Outcome::Accepted, 4, {}});
        h.dialog->fileName = QStringLiteral("/home/u/report.pdf");
        h.document->failBeginAt = 3;
        QCOMPARE(h.printing.print(someRecord()), PrintOutcome::Failed);
        QCOMPARE(h.printing.printer().outputFileName(), QStringLiteral("/home/u/report.pdf"));
        QCOMPARE(h.printing.printer().copyCount(), 4);
    }

    void failureInsideTheCommandIsShownOnce() {
        Harness h({Outcome::Accepted, 2, {}});
        h.dialog->throwOnExec = true;
        QCOMPARE(h.printing.print(someRecord()), PrintOutcome::Failed);
        QCOMPARE(h.messages(), QStringList{kSentence + "dialog component missing"});
        QCOMPARE(h.document->begins, 0);
    }

    // The printer chosen once stays the program's printer for the next report.
    void printerIsKeptForTheRun() {
        Harness h({Outcome::Accepted, 1, {}});
        QPrinter* first = &h.printing.printer();
        first->setPrinterName(QStringLiteral("Ward printer"));
        h.printing.print(someRecord());
        h.printing.print(someRecord());
        QCOMPARE(&h.printing.printer(), first);
        QCOMPARE(h.printing.printer().printerName(), first->printerName());
        QCOMPARE(h.dialog->shown, 2);
        QCOMPARE(h.document->ends, 2);
    }

    void copyFileNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("copy");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first copy keeps the name") << "/tmp/r.pdf" << 1 << "/tmp/r.pdf";
        QTest::newRow("second copy") << "/tmp/r.pdf" << 2 << "/tmp/r-2.pdf";
        QTest::newRow("double suffix") << "/tmp/a.tar.pdf" << 12 << "/tmp/a.tar-12.pdf";
        QTest::newRow("no suffix, dotted folder")
            << "/tmp/v1.2/report" << 3 << "/tmp/v1.2/report-3";
        QTest::newRow("relative name") << "report.pdf" << 2 << "report-2.pdf";
        QTest::newRow("no file") << "" << 2 << "";
    }

    void copyFileNames() {
        QFETCH(QString, chosen);
        QFETCH(int, copy);
        QFETCH(QString, expected);
        QCOMPARE(copyOutputFileName(chosen, copy), expected);
    }
};

QTEST_MAIN(ReportPrintingTest)
#include "report_printing_test.moc"
