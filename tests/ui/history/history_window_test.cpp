// The history window against a real folder: the Total chart's points are the table's dates and
// Totals, and the CSV export holds the table's administrations in its order.
#include "records/client_record.h"
#include "records/save/record_save.h"
#include "test_services.h"
#include "ui/history/frmHistory.h"
#include "ui/history/history_charts.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace obrix;

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void chartPointsAreTheTablesDatesAndTotals();
    void csvExportHoldsTheTableInOrder();

private:
    void write(const QString& name, const char* identifier, records::CalendarDate date,
               const char* item);
    void readFolder(ui::frmHistory& window);

    std::unique_ptr<QTemporaryDir> folder_;
};

void HistoryWindowTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    write(QStringLiteral("b.oci"), "Client 7", {2026, 1, 10}, "2");
    write(QStringLiteral("a.oci"), " Client 7", {2026, 3, 2}, "1");
    write(QStringLiteral("c.oci"), "Client 7", {2026, 3, 2}, "0");
    write(QStringLiteral("d.oci"), "Client 8", {2026, 2, 2}, "3");
    QFile bad(folder_->filePath(QStringLiteral("e.oci")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("\"Client 7\",#2026-");
}

void HistoryWindowTest::write(const QString& name, const char* identifier,
                              records::CalendarDate date, const char* item) {
    records::ClientRecord record{identifier, date, {}};
    record.items.fill(item);
    QCOMPARE(records::writeRecordFile(folder_->filePath(name).toStdString(), record), "");
}

void HistoryWindowTest::readFolder(ui::frmHistory& window) {
    QSignalSpy finished(&window, &ui::frmHistory::readFinished);
    window.showClient(QStringLiteral("Client 7"), folder_->path());
    QVERIFY(finished.wait(10000));
}

void HistoryWindowTest::chartPointsAreTheTablesDatesAndTotals() {
    testing::TestServices doubles;
    ui::frmHistory window(doubles.services(),
                          [] { return scoring::ComparisonGroup::GeneralPopulation; });
    readFolder(window);
    QLineSeries* total = ui::seriesNamed(*window.chartTotal->chart(), QStringLiteral("Total"));
    QVERIFY(total);
    const QAbstractItemModel* table = window.tblHistory->model();
    const auto cell = [table](int row, int column) {
        return table->index(row, column).data().toString();
    };
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(total->count(), table->rowCount());
    const int totalColumn = 2 + 3 * 6;
    QCOMPARE(table->headerData(totalColumn, Qt::Horizontal).toString(),
             QStringLiteral("Total raw score"));
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto& administration = window.administrations()[static_cast<std::size_t>(row)];
        QCOMPARE(cell(row, 1),
                 QString::fromStdString(administration.file.filename().string()));
        QCOMPARE(total->at(row).x(),
                 static_cast<double>(ui::chartTime(administration.record.date)));
        QCOMPARE(QString::number(total->at(row).y()), cell(row, totalColumn));
    }
    // Same-day records in file-name order; the bad file is named with its reason.
    QCOMPARE(cell(1, 1), QStringLiteral("a.oci"));
    QCOMPARE(cell(2, 1), QStringLiteral("c.oci"));
    QVERIFY(window.txtLeftOut->toPlainText().contains(QStringLiteral("e.oci: ")));
}

void HistoryWindowTest::csvExportHoldsTheTableInOrder() {
    testing::TestServices doubles;
    ui::frmHistory window(doubles.services(), [] { return scoring::ComparisonGroup::Ocd; });
    readFolder(window);
    const QString path = folder_->filePath(QStringLiteral("out.csv"));
    doubles.dialogs.answerNext(path);
    window.cmdExportCsv_Click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.size(), 5); // header, three rows, nothing after the last CR LF
    QVERIFY(rows[0].startsWith("file,identifier,date,group,washing_raw"));
    QVERIFY(rows[0].endsWith(",total_reliable_change_from_first,recovered\r"));
    QVERIFY(rows[1].contains("b.oci,Client 7,2026-01-10,ocd,6,"));
    QVERIFY(rows[1].endsWith(",1,,,true,30,6,true,true,,\r"));
    QVERIFY(rows[2].contains("a.oci, Client 7,2026-03-02,ocd,3,"));
    QVERIFY(rows[2].endsWith(",2,-18,-18,false,15,3,true,false,improved,true\r"));
    QVERIFY(rows[3].endsWith(",3,-36,-18,false,0,0,false,false,improved,true\r"));
    QVERIFY(rows[4].isEmpty());
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
