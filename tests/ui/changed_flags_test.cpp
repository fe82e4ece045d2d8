// The per-control changed flags and RecordChanged: which controls carry one, what raises it
// (typing and the program's own writes alike) and what clears it.

#include "main_window_fixture.h"
#include "ui/changed_flags.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using obrix::services::MessageAnswer;
using obrix::ui::dataChanged;
using obrix::ui::frmMain;
using obrix::ui::hasDataChangedFlag;
using obrix::ui::testing::WindowFixture;

namespace {

QStringList flaggedControls(const frmMain& window) {
    QStringList names;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (hasDataChangedFlag(control))
            names.append(control->objectName());
    names.sort();
    return names;
}

QStringList raisedFlags(const frmMain& window) {
    QStringList names;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (dataChanged(control))
            names.append(control->objectName());
    names.sort();
    return names;
}

void typeInto(QWidget* control, const QString& text) {
    control->setFocus();
    QTest::keyClicks(control, text);
}

using Change = std::function<void(frmMain&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class ChangedFlagsTest : public QObject {
    Q_OBJECT

private slots:
    void theRecordsControlsCarryFlags();
    void allClearWhenTheWindowOpens();
    void everyChangeRaisesItsControlsFlag_data();
    void everyChangeRaisesItsControlsFlag();
    void computingRaisesTheResultFlags();
    void choosingAGroupAloneIsNoChange();
};

void ChangedFlagsTest::theRecordsControlsCarryFlags() {
    WindowFixture fixture;
    QStringList expected{"txtName", "DTPicker", "txtWarning", "Text17", "txtReference"};
    for (int item = 1; item <= 18; ++item)
        expected << QStringLiteral("Combo%1").arg(item);
    for (const char* scale : {"Wash", "Check", "Order", "Obsess", "Hoard", "Neutral", "Total"})
        for (const char* prefix : {"txt", "txtZScore", "txtPercent"})
            expected << QString::fromLatin1(prefix) + QString::fromLatin1(scale);
    expected.sort();

    QCOMPARE(flaggedControls(*fixture.window), expected);
}

void ChangedFlagsTest::allClearWhenTheWindowOpens() {
    WindowFixture fixture; // today's date and the fixed texts were written while loading
    QVERIFY(fixture.showActive());
    QCOMPARE(raisedFlags(*fixture.window), QStringList());
    QVERIFY(!fixture.window->RecordChanged(false));
}

void ChangedFlagsTest::everyChangeRaisesItsControlsFlag_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("control");

    QTest::newRow("typing a name")
        << Change([](frmMain& w) { typeInto(w.txtName, "A7"); }) << "txtName";
    QTest::newRow("program writes the name")
        << Change([](frmMain& w) { w.txtName->setText(QStringLiteral("B")); }) << "txtName";
    QTest::newRow("typing an item")
        << Change([](frmMain& w) { typeInto(w.Combo11, "3"); }) << "Combo11";
    QTest::newRow("picking an item from the list")
        << Change([](frmMain& w) { w.Combo6->setCurrentIndex(2); }) << "Combo6";
    QTest::newRow("program writes an item")
        << Change([](frmMain& w) { w.Combo18->setEditText(QStringLiteral("abc")); }) << "Combo18";
    QTest::newRow("program empties an item") << Change([](frmMain& w) {
        w.Combo2->setEditText(QStringLiteral("1"));
        w.RecordChanged(true);
        w.Combo2->clearEditText();
    }) << "Combo2";
    QTest::newRow("program sets the date")
        << Change([](frmMain& w) { w.DTPicker->setDate(QDate(2020, 2, 29)); }) << "DTPicker";
    QTest::newRow("stepping the date with the keyboard") << Change([](frmMain& w) {
        w.DTPicker->setFocus();
        QTest::keyClick(w.DTPicker, Qt::Key_Up);
    }) << "DTPicker";
    QTest::newRow("typing into a result box") << Change([](frmMain& w) {
        w.Frame1->show();
        typeInto(w.txtZScoreHoard, "x");
    }) << "txtZScoreHoard";
    QTest::newRow("program writes a result")
        << Change([](frmMain& w) { w.txtPercentTotal->setText(QStringLiteral("N/A")); })
        << "txtPercentTotal";
    QTest::newRow("program rewrites the warning")
        << Change([](frmMain& w) { w.txtWarning->setPlainText(QStringLiteral("WARNING")); })
        << "txtWarning";
    QTest::newRow("typing into the sample question") << Change([](frmMain& w) {
        w.Frame1->show();
        typeInto(w.Text17, "?");
    }) << "Text17";
    QTest::newRow("program writes the reference note")
        << Change([](frmMain& w) { w.txtReference->setPlainText(QString()); }) << "txtReference";
}

void ChangedFlagsTest::everyChangeRaisesItsControlsFlag() {
    QFETCH(Change, change);
    QFETCH(QString, control);
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());

    change(window);

    QCOMPARE(raisedFlags(window), QStringList{control});
    QVERIFY(window.RecordChanged(false));
    QVERIFY(window.RecordChanged(false)); // asking does not clear
    QVERIFY(window.RecordChanged(true));  // reports the state before clearing
    QVERIFY(!window.RecordChanged(false));
    QCOMPARE(raisedFlags(window), QStringList());
}

void ChangedFlagsTest::computingRaisesTheResultFlags() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    fixture.fillItems(QStringLiteral("1"));
    window.RecordChanged(true);

    window.cmdCompute->click();

    const QStringList raised = raisedFlags(window);
    QCOMPARE(raised.size(), 21);
    for (const QString& name : raised)
        QVERIFY2(name.startsWith(QLatin1String("txt")), qPrintable(name));
    QVERIFY(window.RecordChanged(true));
}

void ChangedFlagsTest::choosingAGroupAloneIsNoChange() {
    WindowFixture fixture;
    fixture.messages.answerNext(MessageAnswer::Ok); // the empty items are refused

    fixture.window->OpOCD->click();

    QVERIFY(fixture.window->OpOCD->isChecked());
    QVERIFY(!fixture.window->RecordChanged(false));
}

QTEST_MAIN(ChangedFlagsTest)
#include "changed_flags_test.moc"
