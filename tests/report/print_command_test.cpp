// File > Print Report from the main window: what the window holds reaches paper, read back from
// a PDF with pdftotext; a failing printer is reported through the program's message box.

#include "app/main_window_parts.h"
#include "pdf_print_dialog.h"
#include "report/report_printing.h"
#include "test_services.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#ifdef _WIN32
#include <QPrinterInfo>
#endif
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace obrix;
using namespace obrix::report;
using obrix::testing::PdfDialog;

namespace {

// A printer that cannot be started.
class BrokenDocument : public ReportDocument {
public:
    QPainter* begin(QPrinter&, QString& error) override {
        error = QStringLiteral("The printer could not be started.");
        return nullptr;
    }
    bool end(QString&) override { return true; }
};

// The main window as start-up puts it together, printing through the given dialog and document.
struct PrintingWindow {
    PrintingWindow(std::unique_ptr<PrintDialog> dialog, std::unique_ptr<ReportDocument> document)
        : parts(doubles.services(), std::make_unique<ReportPrinting>(
                                        std::move(dialog), std::move(document), doubles.messages))
        , window(&parts.window()) {}

    obrix::testing::TestServices doubles;
    app::MainWindowParts parts;
    ui::frmMain* window;
};

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheWindowAsItStands() {
        obrix::testing::TestServices doubles;
        auto window = std::make_unique<ui::frmMain>(doubles.services());
        window->txtName->setText(QStringLiteral("Client 0427"));
        window->DTPicker->setDate(QDate(2026, 3, 14));
        for (QComboBox* box : window->itemBoxes())
            box->setEditText(QStringLiteral("2"));
        window->cmdCompute->click();
        window->OpOCD->setChecked(true); // selected without recomputing: paper names it anyway
        window->txtPercentHoard->setText(QStringLiteral("edited"));

        const ReportInput input = window->reportInput();
        QCOMPARE(input.identifier, QStringLiteral("Client 0427"));
        QCOMPARE(input.date, QDate(2026, 3, 14));
        QVERIFY(!input.generalPopulation);
        QCOMPARE(input.rows[0].raw, QStringLiteral("6"));
        QCOMPARE(input.rows[0].zScore, QStringLiteral("Z Score = 1.44"));
        QCOMPARE(input.rows[0].percentile, QStringLiteral("92.45 Percentile"));
        QCOMPARE(input.rows[4].percentile, QStringLiteral("edited"));
        QCOMPARE(input.rows[6].raw, QStringLiteral("36"));
    }

    void printMenuPutsTheResultsOnPaper() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        PrintingWindow rig(std::make_unique<PdfDialog>(pdf), std::make_unique<PrinterDocument>());
        ui::frmMain* window = rig.window;
        window->txtName->setText(QStringLiteral("Client 0427"));
        for (QComboBox* box : window->itemBoxes())
            box->setEditText(QStringLiteral("2"));
        window->cmdCompute->click();

        window->mnuPrint->trigger();

        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const char* expected :
             {"Client Identifier: Client 0427", "Comparison Group: General Population Sample",
              "Washing: Score = 6, Z Score = 1.44, 92.45 Percentile",
              "Total Score: Score = 36, Z Score = 1.55, 93.92 Percentile"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
    }

    void aPrinterFailureIsShownOnce() {
        PrintingWindow rig(std::make_unique<PdfDialog>(QString()),
                           std::make_unique<BrokenDocument>());
        ui::frmMain* window = rig.window;
        obrix::testing::MessageBoxScript& messages = rig.doubles.messages;
        messages.answerNext(services::MessageAnswer::Ok);

        window->mnuPrint->trigger();

        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown()[0].text,
                 QStringLiteral("Are you sure you've got the correct printer set as the default? "
                                "Something went very wrong and resulted in the following "
                                "error\r\nThe printer could not be started."));
    }

    // As the program prints: the system's printer dialog opens over the main window; cancelling
    // it prints nothing and shows nothing.
    void theProgramsPrinterDialogOpensOverTheWindow() {
        obrix::testing::TestServices doubles;
        app::MainWindowParts parts(doubles.services());
#ifdef _WIN32
        // Windows' printer dialog is the system's own window, which no test can answer; what can
        // be checked is that with no printer at all the user is told so instead of seeing nothing.
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("the Windows printer dialog cannot be answered by a test");
        doubles.messages.answerNext(services::MessageAnswer::Ok);
        QCOMPARE(parts.printCommand().print(), PrintOutcome::Failed);
        QCOMPARE(doubles.messages.shownTexts(),
                 QStringList{printFailureMessage(QStringLiteral("No printers are installed."))});
        return;
#endif
        bool dialogOverWindow = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                dialogOverWindow = dialog->parentWidget() == &parts.window();
                dialog->reject();
            }
        });
        closer.start(10);

        QCOMPARE(parts.printCommand().print(), PrintOutcome::Cancelled);
        QVERIFY(dialogOverWindow);
        QVERIFY(doubles.messages.shown().isEmpty());
    }
};

QTEST_MAIN(PrintCommandTest)
#include "print_command_test.moc"
