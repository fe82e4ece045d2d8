// The main window as the record commands and the print command see it: a client record in the
// identifier box, the date picker and the 18 item boxes, and the report's texts.

#include "ui/main_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace obrix::ui {

namespace {

QDate toQDate(const records::CalendarDate& date) {
    return {date.year, date.month, date.day};
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

records::ClientRecord frmMain::record() const {
    records::ClientRecord record;
    record.identifier = txtName->text().toStdString();
    const QDate date = DTPicker->date();
    record.date = {date.year(), date.month(), date.day()};
    const auto boxes = itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index)
        record.items[index] = boxes[index]->currentText().toStdString();
    return record;
}

std::string frmMain::showRecordProblem(const records::ClientRecord& record) const {
    const QDate date = toQDate(record.date);
    const QDate first = DTPicker->minimumDate();
    const QDate last = DTPicker->maximumDate();
    if (!date.isValid() || date < first || date > last)
        return "The date of the test, " + records::formatIsoDate(record.date) +
               ", lies outside the dates the date picker can hold (" +
               first.toString(Qt::ISODate).toStdString() + " to " +
               last.toString(Qt::ISODate).toStdString() + ")";

    // A text box cuts a longer text off without a word.
    if (fromUtf8(record.identifier).size() > txtName->maxLength())
        return "The client identifier is longer than " + std::to_string(txtName->maxLength()) +
               " characters";
    const auto boxes = itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index) {
        const int limit = boxes[index]->lineEdit()->maxLength();
        if (fromUtf8(record.items[index]).size() > limit)
            return "The answer to item " + std::to_string(index + 1) + " is longer than " +
                   std::to_string(limit) + " characters";
    }
    return {};
}

void frmMain::ShowRecord(const records::ClientRecord& record) {
    txtName->setText(fromUtf8(record.identifier));
    DTPicker->setDate(toQDate(record.date));
    const auto boxes = itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index)
        boxes[index]->setEditText(fromUtf8(record.items[index]));
}

void frmMain::emptyNameAndResults() {
    txtName->clear();
    for (const auto& row : resultRows()) {
        row.raw->clear();
        row.zScore->clear();
        row.percentile->clear();
    }
}

void frmMain::emptyItems() {
    for (QComboBox* box : itemBoxes())
        box->clearEditText();
}

void frmMain::showInstructions(const QString& warning) {
    Frame1->hide();
    Frame2->show();
    txtWarning->setPlainText(warning);
}

report::ReportInput frmMain::reportInput() const {
    report::ReportInput input;
    input.identifier = txtName->text();
    input.date = DTPicker->date();
    input.generalPopulation = OpGeneral->isChecked();
    const auto rows = resultRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        input.rows[row].raw = rows[row].raw->text();
        input.rows[row].zScore = rows[row].zScore->text();
        input.rows[row].percentile = rows[row].percentile->text();
    }
    return input;
}

} // namespace obrix::ui
