#include "report/report_printing.h"

#include "report/private_output_file.h"
#include "report/report_renderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <exception>

namespace obrix::report {

namespace {

// Each copy is a job of one copy: the count the dialog stored on the printer would otherwise
// make the print system repeat every job. The user's choices are put back afterwards so that
// the dialog offers them again next time.
class JobSettings {
public:
    explicit JobSettings(QPrinter& printer)
        : printer_(printer)
        , copyCount_(printer.copyCount())
        , outputFileName_(printer.outputFileName()) {
        printer_.setCopyCount(1);
    }
    ~JobSettings() {
        printer_.setOutputFileName(outputFileName_);
        printer_.setCopyCount(copyCount_);
    }
    JobSettings(const JobSettings&) = delete;
    JobSettings& operator=(const JobSettings&) = delete;

    void prepareCopy(int copy) {
        if (!outputFileName_.isEmpty())
            printer_.setOutputFileName(copyOutputFileName(outputFileName_, copy));
    }

private:
    QPrinter& printer_;
    int copyCount_;
    QString outputFileName_;
};

} // namespace

QString copyOutputFileName(const QString& fileName, int copy) {
    if (copy <= 1 || fileName.isEmpty())
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    QString name = info.completeBaseName() + QLatin1Char('-') + QString::number(copy);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    // Keep the path as the user gave it when it has no folder part.
    if (!fileName.contains(QLatin1Char('/')) && !fileName.contains(QDir::separator()))
        return name;
    return info.dir().filePath(name);
}

ReportPrinting::ReportPrinting(services::MessageBoxes& messages, QWidget* dialogParent)
    : ReportPrinting(std::make_unique<SystemPrintDialog>(dialogParent),
                     std::make_unique<PrinterDocument>(), messages) {}

ReportPrinting::ReportPrinting(std::unique_ptr<PrintDialog> dialog,
                               std::unique_ptr<ReportDocument> document,
                               services::MessageBoxes& messages)
    : dialog_(std::move(dialog))
    , document_(std::move(document))
    , messages_(messages) {}

ReportPrinting::~ReportPrinting() = default;

QPrinter& ReportPrinting::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

PrintOutcome ReportPrinting::print(const ReportInput& input, const QLocale& locale) {
    // The lines, and with them the group name, are fixed before the dialog opens.
    const QList<ReportLine> lines = reportLines(input, locale);
    try {
        const PrintDialogResult choice = dialog_->exec(printer());
        switch (choice.outcome) {
        case PrintDialogResult::Outcome::Cancelled:
            return PrintOutcome::Cancelled;
        case PrintDialogResult::Outcome::Failed:
            return fail(choice.error);
        case PrintDialogResult::Outcome::Accepted:
            break;
        }
        if (choice.copies > kMaxCopies)
            return fail(QStringLiteral("The number of copies is out of range."));
        if (choice.copies < 1)
            return PrintOutcome::Nothing;
        return printCopies(lines, choice.copies);
    } catch (const std::exception& error) {
        return fail(QString::fromLocal8Bit(error.what()));
    }
}

PrintOutcome ReportPrinting::printCopies(const QList<ReportLine>& lines, int copies) {
    QPrinter& target = printer();
    JobSettings settings(target);
    for (int copy = 1; copy <= copies; ++copy) {
        settings.prepareCopy(copy);
        const QString file = target.outputFileName();
        const bool created = !file.isEmpty() && prepareOutputFile(file);
        QString error;
        QPainter* painter = document_->begin(target, error);
        if (painter)
            paintReport(*painter, lines);
        if (!painter || !document_->end(error)) {
            if (created)
                QFile::remove(file);
            return fail(error);
        }
    }
    return PrintOutcome::Printed;
}

PrintOutcome ReportPrinting::fail(const QString& description) {
    messages_.show(printFailureMessage(description));
    return PrintOutcome::Failed;
}

} // namespace obrix::report
