#include "ui/history/frmHistory.h"

#include "records/utf8_path.h"
#include "services/file_dialogs.h"
#include "services/message_boxes.h"
#include "ui/history/history_charts.h"
#include "ui/history/history_export.h"
#include "ui/history/history_table_model.h"
#include "ui/history/history_texts.h"
#include "ui/history/progress_report_printing.h"
#include "ui/window_fonts.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLegend>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrentRun>

#include <memory>
#include <utility>

namespace obrix::ui {

namespace {

// A read that takes longer than this shows its progress.
constexpr int kProgressDelayMs = 400;
constexpr int kProgressUpdateMs = 100;

QString groupCaption(scoring::ComparisonGroup group) {
    return group == scoring::ComparisonGroup::GeneralPopulation
               ? QStringLiteral("General Population Sample")
               : QStringLiteral("OCD Population Sample");
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* widget = new QPushButton(caption, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    widget->setAutoDefault(false);
    return widget;
}

QChartView* chartView(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    // Point markers keep stale copies behind when a chart is laid out again under partial
    // updates; the charts are small enough to redraw whole.
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->setAccessibleName(accessibleName);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumSize(360, 300);
    return view;
}

history::History readInWorker(history::HistoryRequest request,
                              std::shared_ptr<ReadProgress> progress) {
    request.progress = [progress](std::size_t done, std::size_t total) {
        progress->total = total;
        progress->done = done;
        return !progress->stop;
    };
    try {
        return history::readHistory(request);
    } catch (const std::filesystem::filesystem_error& error) {
        history::History failed;
        failed.leftOut.push_back({request.folder, error.code().message()});
        return failed;
    }
}

} // namespace

frmHistory::frmHistory(const services::Services& services,
                       std::function<scoring::ComparisonGroup()> group, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , services_(services)
    , group_(std::move(group)) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Obrix - Client History"));
    setFont(windowFont());
    createControls();
    connect(&watcher_, &QFutureWatcher<history::History>::finished, this, &frmHistory::readDone);
    resize(1240, 940);
}

frmHistory::~frmHistory() {
    stopReading();
}

void frmHistory::createControls() {
    lblHeading = new QLabel(QStringLiteral("Client History"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setFont(titleFont());
    lblHeading->setAlignment(Qt::AlignCenter);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSummary->setAccessibleName(QStringLiteral("Folder and count"));

    chartTotal = chartView(this, "chartTotal", QStringLiteral("Chart of the Total raw score"));
    chartSplit = chartView(
        this, "chartSplit",
        QStringLiteral("Chart of the OCD scale and the Hoarding Disorder subscale"));
    chartSubscales =
        chartView(this, "chartSubscales", QStringLiteral("Chart of the subscale raw scores"));
    // Set before any series: moving the legend later leaves stale point markers behind.
    chartTotal->chart()->legend()->setAlignment(Qt::AlignRight);
    chartSplit->chart()->legend()->setAlignment(Qt::AlignRight);
    chartSubscales->chart()->legend()->setAlignment(Qt::AlignRight);

    table_ = new HistoryTableModel(this);
    tblHistory = new QTableView(this);
    tblHistory->setModel(table_);
    tblHistory->setObjectName(QStringLiteral("tblHistory"));
    tblHistory->setAccessibleName(QStringLiteral("Administrations"));
    tblHistory->setAccessibleDescription(
        QStringLiteral("One row per administration in date order: the date, the file, the raw "
                       "score, z-score and percentile of each scale, the Total's changes, the OCD "
                       "and Hoarding Disorder scales, reliable change and recovery."));
    tblHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHistory->verticalHeader()->setVisible(false);
    tblHistory->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    tblHistory->setWordWrap(false);

    lblLeftOut = new QLabel(QStringLiteral("Files left out:"), this);
    txtLeftOut = new QPlainTextEdit(this);
    txtLeftOut->setObjectName(QStringLiteral("txtLeftOut"));
    txtLeftOut->setReadOnly(true);
    txtLeftOut->setAccessibleName(QStringLiteral("Files left out"));
    txtLeftOut->setMaximumHeight(70);
    txtLeftOut->setTabChangesFocus(true);
    lblLeftOut->setBuddy(txtLeftOut);

    lblSources = new QLabel(QStringLiteral("Figures and sources:"), this);
    lblSources->setObjectName(QStringLiteral("lblSources"));
    txtSources = new QPlainTextEdit(this);
    txtSources->setObjectName(QStringLiteral("txtSources"));
    txtSources->setReadOnly(true);
    txtSources->setAccessibleName(QStringLiteral("Figures and sources"));
    txtSources->setMaximumHeight(90);
    txtSources->setTabChangesFocus(true);
    txtSources->setPlainText((figureLines() + ruleLines() + referenceLines()).join('\n'));
    lblSources->setBuddy(txtSources);

    cmdFolder = button(this, "cmdFolder", QStringLiteral("Choose &Folder..."));
    cmdReadAgain = button(this, "cmdReadAgain", QStringLiteral("&Read Again"));
    cmdExportPng = button(this, "cmdExportPng", QStringLiteral("Export Chart as &PNG..."));
    cmdExportPdf = button(this, "cmdExportPdf", QStringLiteral("Export Chart as P&DF..."));
    cmdExportCsv = button(this, "cmdExportCsv", QStringLiteral("Export Table as C&SV..."));
    cmdPrintReport = button(this, "cmdPrintReport", QStringLiteral("Print Progress Rep&ort..."));
    cmdClose = button(this, "cmdClose", QStringLiteral("&Close"));

    // The Total and the OCD and Hoarding chart side by side, wide enough for their legends
    // beside them; the subscales beside the table.
    auto* charts = new QHBoxLayout;
    charts->addWidget(chartTotal, 1);
    charts->addWidget(chartSplit, 1);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(tblHistory, 3);
    tableRow->addWidget(chartSubscales, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each :
         {cmdFolder, cmdReadAgain, cmdExportPng, cmdExportPdf, cmdExportCsv, cmdPrintReport})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lblSummary);
    layout->addLayout(charts, 1);
    layout->addLayout(tableRow, 1);
    layout->addWidget(lblLeftOut);
    layout->addWidget(txtLeftOut);
    layout->addWidget(lblSources);
    layout->addWidget(txtSources);
    layout->addLayout(buttons);

    QWidget::setTabOrder(cmdFolder, cmdReadAgain);
    QWidget::setTabOrder(cmdReadAgain, cmdExportPng);
    QWidget::setTabOrder(cmdExportPng, cmdExportPdf);
    QWidget::setTabOrder(cmdExportPdf, cmdExportCsv);
    QWidget::setTabOrder(cmdExportCsv, cmdPrintReport);
    QWidget::setTabOrder(cmdPrintReport, cmdClose);
    QWidget::setTabOrder(cmdClose, tblHistory);
    QWidget::setTabOrder(tblHistory, chartTotal);
    QWidget::setTabOrder(chartTotal, chartSplit);
    QWidget::setTabOrder(chartSplit, chartSubscales);
    QWidget::setTabOrder(chartSubscales, txtLeftOut);
    QWidget::setTabOrder(txtLeftOut, txtSources);

    connect(cmdFolder, &QPushButton::clicked, this, &frmHistory::cmdFolder_Click);
    connect(cmdReadAgain, &QPushButton::clicked, this, &frmHistory::cmdReadAgain_Click);
    connect(cmdExportPng, &QPushButton::clicked, this, &frmHistory::cmdExportPng_Click);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmHistory::cmdExportPdf_Click);
    connect(cmdExportCsv, &QPushButton::clicked, this, &frmHistory::cmdExportCsv_Click);
    connect(cmdPrintReport, &QPushButton::clicked, this, &frmHistory::cmdPrintReport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void frmHistory::showClient(const QString& identifier, const QString& folder) {
    identifier_ = identifier;
    folder_ = folder;
    startReading();
}

void frmHistory::cmdReadAgain_Click() {
    startReading();
}

void frmHistory::cmdFolder_Click() {
    // The file dialog seam picks files: the folder is the one of the record chosen in it.
    services::FileDialogRequest request;
    request.kind = services::FileDialogKind::Open;
    request.title = QStringLiteral("Choose a Record in the Client's Folder");
    request.filterDescription = QStringLiteral("OCI files (*.oci)");
    request.filterPattern = QStringLiteral("*.oci");
    request.initialFolder = folder_;
    const services::FileDialogAnswer chosen = services_.fileDialogs.ask(request);
    if (!chosen)
        return;
    folder_ = QFileInfo(*chosen).absolutePath();
    startReading();
}

void frmHistory::closeEvent(QCloseEvent* event) {
    if (watcher_.isRunning())
        readProgress_->stop = true;
    QWidget::closeEvent(event);
}

void frmHistory::stopReading() {
    if (watcher_.isRunning()) {
        readProgress_->stop = true;
        watcher_.waitForFinished();
    }
}

void frmHistory::startReading() {
    stopReading();
    readGroup_ = group_ ? group_() : scoring::ComparisonGroup::GeneralPopulation;
    if (folder_.isEmpty()) {
        showHistory({});
        return;
    }
    history::HistoryRequest request;
    request.folder = records::utf8Path(folder_.toStdString());
    request.identifier = identifier_.toStdString();
    request.group = readGroup_;
    lblSummary->setText(QStringLiteral("Reading %1 ...").arg(QDir::toNativeSeparators(folder_)));

    if (!progress_) {
        progress_ = new QProgressDialog(QStringLiteral("Reading the client's records..."),
                                        QStringLiteral("Cancel"), 0, 0, this);
        progress_->setWindowTitle(QStringLiteral("Obrix"));
        // Not modal: a modal progress dialog runs the event loop inside every update, and the
        // end of the read could then be handled in the middle of starting it.
        progress_->setWindowModality(Qt::NonModal);
        progress_->setMinimumDuration(kProgressDelayMs);
        progress_->setAutoReset(false);
        progress_->setAutoClose(true);
        connect(progress_, &QProgressDialog::canceled, this, [this] {
            if (watcher_.isRunning())
                readProgress_->stop = true;
        });
        // The worker counts; the dialog is brought up to date a few times a second.
        progressTimer_ = new QTimer(this);
        progressTimer_->setInterval(kProgressUpdateMs);
        connect(progressTimer_, &QTimer::timeout, this, [this] {
            progress_->setMaximum(static_cast<int>(readProgress_->total.load()));
            progress_->setValue(static_cast<int>(readProgress_->done.load()));
        });
    }
    progress_->reset();
    progress_->setRange(0, 0);
    // setValue starts the dialog's delay; it appears only if the read is still going then.
    progress_->setValue(0);
    setCommandsEnabled(false);
    readProgress_ = std::make_shared<ReadProgress>();
    progressTimer_->start();
    watcher_.setFuture(QtConcurrent::run(readInWorker, std::move(request), readProgress_));
}

void frmHistory::setCommandsEnabled(bool enabled) {
    for (QPushButton* command :
         {cmdFolder, cmdReadAgain, cmdExportPng, cmdExportPdf, cmdExportCsv, cmdPrintReport})
        command->setEnabled(enabled);
}

void frmHistory::readDone() {
    progressTimer_->stop();
    history::History read = watcher_.future().takeResult();
    if (progress_)
        progress_->reset();
    setCommandsEnabled(true);
    showHistory(std::move(read));
    emit readFinished();
}

void frmHistory::showHistory(history::History read) {
    table_->setAdministrations(nullptr);
    administrations_ = std::move(read.administrations);
    const QString client =
        identifier_.trimmed().isEmpty() ? QStringLiteral("(no name)") : identifier_.trimmed();
    if (folder_.isEmpty()) {
        lblSummary->setText(QStringLiteral("Client \u201c%1\u201d: no folder chosen. Choose the "
                                           "folder that holds the client's records.")
                                .arg(client));
    } else if (read.cancelled) {
        lblSummary->setText(QStringLiteral("Client \u201c%1\u201d, folder %2: reading was "
                                           "cancelled. Read Again to read the folder.")
                                .arg(client, QDir::toNativeSeparators(folder_)));
    } else {
        lblSummary->setText(
            QStringLiteral("Client \u201c%1\u201d, folder %2: %3 administration(s) of %4 record "
                           "file(s); %5 left out. Scored against the %6.")
                .arg(client, QDir::toNativeSeparators(folder_))
                .arg(administrations_.size())
                .arg(read.filesRead)
                .arg(read.leftOut.size())
                .arg(groupCaption(readGroup_)));
    }
    QStringList leftOut;
    for (const history::LeftOut& each : read.leftOut)
        leftOut.append(QStringLiteral("%1: %2").arg(
            QDir::toNativeSeparators(QString::fromStdString(records::utf8String(each.file))),
            QString::fromStdString(each.reason)));
    txtLeftOut->setPlainText(leftOut.isEmpty() ? QStringLiteral("None.") : leftOut.join('\n'));

    fillTotalChart(*chartTotal->chart(), administrations_);
    fillSplitScaleChart(*chartSplit->chart(), administrations_);
    fillSubscaleChart(*chartSubscales->chart(), administrations_);
    chartTotal->setAccessibleDescription(
        chartDescription(administrations_, scoring::kScaleCount - 1));
    chartSplit->setAccessibleDescription(
        QStringLiteral("The OCD scale and the Hoarding Disorder subscale by date, with their "
                       "cut-offs; the table holds every figure."));
    chartSubscales->setAccessibleDescription(
        QStringLiteral("The six subscales by date; the table holds every figure."));
    table_->setAdministrations(&administrations_);
    tblHistory->resizeColumnsToContents();
    const bool any = !administrations_.empty();
    cmdExportPng->setEnabled(any);
    cmdExportPdf->setEnabled(any);
    cmdExportCsv->setEnabled(any);
    cmdPrintReport->setEnabled(any);
}

namespace {

// Asks for the file to export to; empty when cancelled.
QString exportName(const services::Services& services, const QString& title, const QString& description, const QString& suffix,
                   const QString& folder, const QString& identifier) {
    services::FileDialogRequest request;
    request.kind = services::FileDialogKind::Save;
    request.title = title;
    request.filterDescription = description;
    request.filterPattern = QStringLiteral("*.") + suffix;
    request.initialFolder = folder;
    request.fileName = identifier.trimmed() + QStringLiteral(" history.") + suffix;
    request.defaultSuffix = suffix;
    request.confirmOverwrite = true;
    return services::chooseFileName(services.fileDialogs, services.messages, request)
        .value_or(QString());
}

void reportFailure(services::MessageBoxes& messages, const QString& sentence,
                   const QString& reason) {
    if (!reason.isEmpty())
        messages.show(sentence + QStringLiteral("\r\n") + reason);
}

} // namespace

void frmHistory::cmdExportPng_Click() {
    const QString path = exportName(services_, QStringLiteral("Export Chart as PNG"),
                                     QStringLiteral("PNG images (*.png)"), QStringLiteral("png"),
                                     folder_, identifier_);
    if (!path.isEmpty())
        reportFailure(services_.messages, QStringLiteral("The chart could not be exported."),
                      exportChartsPng(path, *chartTotal, *chartSubscales));
}

void frmHistory::cmdExportPdf_Click() {
    const QString path = exportName(services_, QStringLiteral("Export Chart as PDF"),
                                     QStringLiteral("PDF documents (*.pdf)"),
                                     QStringLiteral("pdf"), folder_, identifier_);
    if (!path.isEmpty())
        reportFailure(services_.messages, QStringLiteral("The chart could not be exported."),
                      exportChartsPdf(path, QStringLiteral("Client History: %1").arg(identifier_),
                                      *chartTotal, *chartSubscales));
}

void frmHistory::cmdExportCsv_Click() {
    const QString path = exportName(services_, QStringLiteral("Export Table as CSV"),
                                    QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"),
                                    folder_, identifier_);
    if (!path.isEmpty())
        reportFailure(services_.messages, QStringLiteral("The table could not be exported."),
                      exportBytes(path, historyCsv(administrations_, readGroup_,
                                                   QLocale().decimalPoint().toStdString())));
}

void frmHistory::cmdPrintReport_Click() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    report::SystemPrintDialog dialog(this);
    printProgressReport(dialog, *printer_, services_.messages,
                        {identifier_.trimmed(), administrations_});
}

} // namespace obrix::ui
