#pragma once

// frmHistory: one client's administrations over time. It reads every record file of a folder in
// a worker thread (a long read shows a progress dialog that can cancel it), keeps the records of
// the client, scores them with the window's own computation against the main window's group,
// and shows them as three charts (the Total, the OCD and Hoarding Disorder scales, the subscales)
// and a table; files that could not be read or scored are listed with their reason, and the
// figures the cut-offs and change markers rest on with their sources. The charts export as PNG
// and PDF, the table as CSV; the progress report prints or saves as PDF through the printer
// dialog.

#include "history/client_history.h"
#include "scoring/calculation.h"
#include "services/services.h"

#include <QFutureWatcher>
#include <QString>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QProgressDialog;
class QPushButton;
class QTableView;
class QTimer;

namespace obrix::ui {

class HistoryTableModel;

// Shared by the window and its worker: how far the read is, and whether it should stop.
struct ReadProgress {
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    std::atomic<bool> stop{false};
};

// NOLINTNEXTLINE(readability-identifier-naming): the program's window naming
class frmHistory : public QWidget {
    Q_OBJECT

public:
    // group gives the main window's comparison group whenever a read starts.
    frmHistory(const services::Services& services,
               std::function<scoring::ComparisonGroup()> group, QWidget* parent = nullptr);
    ~frmHistory() override;

    // Shows the history of the client with this identifier from the folder and starts reading.
    void showClient(const QString& identifier, const QString& folder);

    const QString& identifier() const { return identifier_; }
    const QString& folder() const { return folder_; }
    const std::vector<history::Administration>& administrations() const {
        return administrations_;
    }
    bool reading() const { return watcher_.isRunning(); }

    QLabel* lblHeading = nullptr;
    QLabel* lblSummary = nullptr;
    QChartView* chartTotal = nullptr;
    QChartView* chartSplit = nullptr;
    QChartView* chartSubscales = nullptr;
    QTableView* tblHistory = nullptr;
    QLabel* lblLeftOut = nullptr;
    QPlainTextEdit* txtLeftOut = nullptr;
    QLabel* lblSources = nullptr;
    QPlainTextEdit* txtSources = nullptr;
    QPushButton* cmdFolder = nullptr;
    QPushButton* cmdReadAgain = nullptr;
    QPushButton* cmdExportPng = nullptr;
    QPushButton* cmdExportPdf = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QPushButton* cmdPrintReport = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    void readFinished();

public slots:
    void cmdFolder_Click();
    void cmdReadAgain_Click();
    void cmdExportPng_Click();
    void cmdExportPdf_Click();
    void cmdExportCsv_Click();
    void cmdPrintReport_Click();

protected:
    // Closing the window stops a read that is still going.
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void startReading();
    void readDone();
    void showHistory(history::History history);
    void stopReading();
    void setCommandsEnabled(bool enabled);

    services::Services services_;
    std::function<scoring::ComparisonGroup()> group_;
    scoring::ComparisonGroup readGroup_ = scoring::ComparisonGroup::GeneralPopulation;
    QString identifier_;
    QString folder_;
    std::vector<history::Administration> administrations_;
    QFutureWatcher<history::History> watcher_;
    QProgressDialog* progress_ = nullptr;
    HistoryTableModel* table_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::shared_ptr<ReadProgress> readProgress_;
    std::unique_ptr<QPrinter> printer_; // kept so that the dialog offers the last choice again
};

} // namespace obrix::ui
