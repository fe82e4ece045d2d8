// The date picker from the keyboard: fields chosen with Left and Right, stepped with Up and Down
// (wrapping within the field), numbers and month names typed, with the month shown as a name and
// as a number.

#include "ui/date_picker.h"

#include <QTest>

#include <array>

class DatePickerTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
};

void DatePickerTest::keys_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("keys"); // > Right, < Left, ^ Up, v Down, anything else typed
    QTest::addColumn<QDate>("expected");
    for (const char* format : {"d MMM yyyy", "dd/MM/yyyy"}) {
        const auto row = [format](const char* keys, QDate expected) {
            QTest::addRow("%s %s", format, keys) << format << keys << expected;
        };
        // From 31 December 2024, with the day selected.
        row(">^", {2024, 1, 31});    // December goes on to January of the same year
        row("^", {2024, 12, 1});     // and the 31st to the 1st
        row("<^", {2025, 12, 31});   // Left goes round to the year
        row(">>>v", {2024, 12, 30}); // and Right back to the day
        row(">12", {2024, 12, 31});
        row(">1", {2024, 1, 31});
        row(">13", {2024, 3, 31}); // no 13th month: starts again at 3
        row(">2", {2024, 2, 29});  // the day pulled back to the month's end
        row(">jj", {2024, 6, 30}); // the next month whose name begins with J, twice
        row(">Sx", {2024, 9, 30}); // case ignored; no month begins with x
        row("05", {2024, 12, 5});
        row("3", {2024, 12, 3});
        row("<202", {2024, 12, 31}); // a year takes effect with all four digits
        row("<2026", {2026, 12, 31});
        row("<1700", {2024, 12, 31}); // before the earliest date the picker holds
        row("/-", {2024, 12, 31});
    }
}

void DatePickerTest::keys() {
    QFETCH(QString, format);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    obrix::ui::DatePicker picker;
    picker.setDisplayFormat(format);
    picker.setDate({2024, 12, 31});
    picker.show();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    picker.setSelectedSection(QDateTimeEdit::DaySection);
    for (const QChar key : keys) {
        const auto arrow = QString(">^<v").indexOf(key);
        if (arrow >= 0)
            QTest::keyClick(
                &picker, std::array{Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}[arrow]);
        else
            QTest::keyClicks(&picker, QString(key));
    }
    QCOMPARE(picker.date(), expected);
}

QTEST_MAIN(DatePickerTest)
#include "date_picker_test.moc"
