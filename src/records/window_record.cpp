#include "records/window_record.h"

#include "ui/main_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace obrix::records {

namespace {

QDate toQDate(const CalendarDate& date) {
    return {date.year, date.month, date.day};
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ClientRecord windowRecord(const ui::frmMain& window) {
    ClientRecord record;
    record.identifier = window.txtName->text().toStdString();
    const QDate date = window.DTPicker->date();
    record.date = {date.year(), date.month(), date.day()};
    const auto boxes = window.itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index)
        record.items[index] = boxes[index]->currentText().toStdString();
    return record;
}

std::string showRecordProblem(const ui::frmMain& window, const ClientRecord& record) {
    const QDate date = toQDate(record.date);
    const QDate first = window.DTPicker->minimumDate();
    const QDate last = window.DTPicker->maximumDate();
    if (!date.isValid() || date < first || date > last)
        return "The date of the test, " + formatIsoDate(record.date) +
               ", lies outside the dates the date picker can hold (" +
               first.toString(Qt::ISODate).toStdString() + " to " +
               last.toString(Qt::ISODate).toStdString() + ")";

    // A text box cuts a longer text off without a word.
    if (fromUtf8(record.identifier).size() > window.txtName->maxLength())
        return "The client identifier is longer than " +
               std::to_string(window.txtName->maxLength()) + " characters";
    const auto boxes = window.itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index) {
        const int limit = boxes[index]->lineEdit()->maxLength();
        if (fromUtf8(record.items[index]).size() > limit)
            return "The answer to item " + std::to_string(index + 1) + " is longer than " +
                   std::to_string(limit) + " characters";
    }
    return {};
}

void ShowRecord(ui::frmMain& window, const ClientRecord& record) {
    window.txtName->setText(fromUtf8(record.identifier));
    window.DTPicker->setDate(toQDate(record.date));
    const auto boxes = window.itemBoxes();
    for (std::size_t index = 0; index < record.items.size(); ++index)
        boxes[index]->setEditText(fromUtf8(record.items[index]));
}

void emptyNameAndResults(ui::frmMain& window) {
    window.txtName->clear();
    for (const auto& row : window.resultRows()) {
        row.raw->clear();
        row.zScore->clear();
        row.percentile->clear();
    }
}

} // namespace obrix::records
