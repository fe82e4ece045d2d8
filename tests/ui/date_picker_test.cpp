// The date picker from the keyboard, with the month shown as a name and as a number.

#include "ui/date_picker.h"

#include <QTest>

class DatePickerTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("keys"); // > Right, < Left, ^ Up, v Down, anything else typed
        QTest::addColumn<QDate>("expected");
        // From 31 December 2024 with the day selected: the fields wrap under Up and Down and
        // round the ends under Left and Right; digits gather, a letter picks the next month whose
        // name starts with it, a year takes four digits, and the date stays whole.
        for (const char* format : {"d MMM yyyy", "dd/MM/yyyy"})
            for (const char* row :
                 {">^ 2024-01-31", "^ 2024-12-01", "<^ 2025-12-31", ">>>v 2024-12-30",
                  ">12 2024-12-31", ">13 2024-03-31", ">2 2024-02-29", ">jj 2024-06-30",
                  ">Sx 2024-09-30", "05 2024-12-05", "<2026 2026-12-31", "<1700 2024-12-31",
                  "<202 2024-12-31", "/- 2024-12-31"}) {
                const QStringList parts = QString::fromLatin1(row).split(u' ');
                QTest::addRow("%s %s", format, row)
                    << format << parts[0] << QDate::fromString(parts[1], Qt::ISODate);
            }
    }

    void keys() {
        QFETCH(QString, format);
        QFETCH(QString, keys);
        QFETCH(QDate, expected);
        obrix::ui::DatePicker picker;
        picker.setDisplayFormat(format);
        picker.setDate({2024, 12, 31});
        picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        picker.setSelectedSection(QDateTimeEdit::DaySection);
        const QList<Qt::Key> arrows{Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down};
        for (const QChar key : keys) {
            const qsizetype arrow = QStringLiteral("><^v").indexOf(key);
            if (arrow >= 0)
                QTest::keyClick(&picker, arrows[arrow]);
            else
                QTest::keyClicks(&picker, key);
        }
        QCOMPARE(picker.date(), expected);
    }
};

QTEST_MAIN(DatePickerTest)
#include "date_picker_test.moc"
