// Compute and the two option buttons through the window's widgets: what they write, which panel
// they show, what a refused or failed computation leaves alone.

#include "main_window_fixture.h"
#include "ui/main_window_texts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>

using obrix::scoring::NormalDistribution;
using obrix::services::Message;
using obrix::services::MessageAnswer;
using obrix::services::MessageButtons;
using obrix::services::MessageIcon;
using obrix::ui::frmMain;
using obrix::ui::testing::WindowFixture;

namespace {

const QString kEmptyMessage = QStringLiteral("All boxes must contain data.");
const QString kRangeMessage =
    QStringLiteral("Only scores between 0 and 4 are possible for any individual item.");

// A statistics component that answers 0.5 a given number of times and then fails.
class FailingComponent : public NormalDistribution {
public:
    explicit FailingComponent(int answers)
        : answers_(answers) {}
    double normalCdf(double, double, double) override {
        if (answers_-- <= 0)
            throw std::runtime_error("statistics component stopped");
        return 0.5;
    }

private:
    int answers_;
};

obrix::scoring::NormalDistributionSource::Factory failingAfter(int answers) {
    return [answers] {
        return std::make_unique<FailingComponent>(answers);
    };
}

std::unique_ptr<NormalDistribution> unavailableComponent() {
    throw std::runtime_error("Class not registered");
}

QStringList resultTexts(const frmMain& window) {
    QStringList texts;
    for (const auto& row : window.resultRows())
        texts << row.raw->text() << row.zScore->text() << row.percentile->text();
    return texts;
}

void expectOnlyMessage(const WindowFixture& fixture, const QString& text) {
    QCOMPARE(fixture.messages.shown().size(), 1);
    const Message& shown = fixture.messages.shown().first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.caption, QStringLiteral("Obrix"));
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.icon, MessageIcon::None);
}

} // namespace

class ComputeTest : public QObject {
    Q_OBJECT

private slots:
    void emptyWindowIsRefused();
    void figuresThroughTheWindow_data();
    void figuresThroughTheWindow();
    void computeShowsTheResultsPanel();
    void switchingGroupsRecomputes();
    void refusedComputationKeepsEarlierResults_data();
    void refusedComputationKeepsEarlierResults();
    void walkMeetsItem2BeforeItem1();
    void numbersUseTheRegionalDecimalSeparator();
    void unavailableComponentKeepsThePanels();
    void componentFailingMidwayWritesWhatWasComputed();
    void allZeroScoresNeedNoComponent();
};

void ComputeTest::emptyWindowIsRefused() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    fixture.messages.answerNext(MessageAnswer::Ok);

    QTest::mouseClick(window.cmdCompute, Qt::LeftButton);

    expectOnlyMessage(fixture, kEmptyMessage);
    QVERIFY(window.Frame2->isVisible());
    QVERIFY(!window.Frame1->isVisible());
    QCOMPARE(resultTexts(window).join(QString()), QString());
}

void ComputeTest::figuresThroughTheWindow_data() {
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("ocd");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all 2, general: washing percentile") << "2" << false << "txtPercentWash"
                                                        << "92.45 Percentile";
    QTest::newRow("all 2, general: ordering percentile uses its own mean")
        << "2" << false << "txtPercentOrder"
        << "70.01 Percentile";
    QTest::newRow("all 2, general: ordering z-score") << "2" << false << "txtZScoreOrder"
                                                      << "Z Score = 0.53";
    QTest::newRow("all 2, general: total") << "2" << false << "txtTotal"
                                           << "36";
    QTest::newRow("all 2, general: total percentile") << "2" << false << "txtPercentTotal"
                                                      << "93.92 Percentile";
    QTest::newRow("all 2, OCD: obsessing z-score") << "2" << true << "txtZScoreObsess"
                                                   << "Z Score = -0.32";
    QTest::newRow("all 2, OCD: obsessing percentile") << "2" << true << "txtPercentObsess"
                                                      << "37.44 Percentile";
    QTest::newRow("all 0, general: total z-score") << "0" << false << "txtZScoreTotal"
                                                   << "Z Score = -1.7";
    QTest::newRow("all 0, general: no percentile") << "0" << false << "txtPercentHoard"
                                                   << "N/A";
    QTest::newRow("all 0, OCD: total z-score") << "0" << true << "txtZScoreTotal"
                                               << "Z Score = -2.07";
    QTest::newRow("all 4, general: neutralising percentile") << "4" << false << "txtPercentNeutral"
                                                             << "100 Percentile";
    QTest::newRow("all 4, general: washing raw") << "4" << false << "txtWash"
                                                 << "12";
    QTest::newRow("all 4, OCD: total percentile") << "4" << true << "txtPercentTotal"
                                                  << "99.94 Percentile";
}

void ComputeTest::figuresThroughTheWindow() {
    QFETCH(QString, items);
    QFETCH(bool, ocd);
    QFETCH(QString, box);
    QFETCH(QString, expected);

    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    fixture.fillItems(items);
    window.OpOCD->setChecked(ocd);

    QTest::mouseClick(window.cmdCompute, Qt::LeftButton);

    QCOMPARE(fixture.messages.shown().size(), 0);
    auto* target = window.findChild<QLineEdit*>(box);
    QVERIFY(target);
    QCOMPARE(target->text(), expected);
}

void ComputeTest::computeShowsTheResultsPanel() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    fixture.fillItems(QStringLiteral("1"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier); // Alt+C: Compute

    QTRY_VERIFY(window.Frame1->isVisible());
    QVERIFY(!window.Frame2->isVisible());
    QVERIFY(window.Reference->isVisible());
    for (const QString& text : resultTexts(window))
        QVERIFY(!text.isEmpty());
    // The items are read, never changed.
    for (QComboBox* box : window.itemBoxes())
        QCOMPARE(box->currentText(), QStringLiteral("1"));
}

void ComputeTest::switchingGroupsRecomputes() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    fixture.fillItems(QStringLiteral("2"));
    QTest::mouseClick(window.cmdCompute, Qt::LeftButton);
    const QStringList general = resultTexts(window);
    QCOMPARE(window.txtPercentWash->text(), QStringLiteral("92.45 Percentile"));

    QTest::mouseClick(window.OpOCD, Qt::LeftButton);
    QVERIFY(window.OpOCD->isChecked());
    QCOMPARE(window.txtPercentWash->text(), QStringLiteral("64.91 Percentile"));
    QCOMPARE(window.txtZScoreNeutral->text(), QStringLiteral("Z Score = 0.74"));

    QTest::mouseClick(window.OpGeneral, Qt::LeftButton);
    QCOMPARE(resultTexts(window), general);
    QCOMPARE(fixture.messages.shown().size(), 0);
}

void ComputeTest::refusedComputationKeepsEarlierResults_data() {
    QTest::addColumn<QString>("item3");
    QTest::addColumn<QString>("startedBy");
    QTest::addColumn<QString>("message");
    for (const char* by : {"cmdCompute", "OpOCD"}) {
        QTest::addRow("empty item, %s", by) << "" << by << kEmptyMessage;
        QTest::addRow("44 in an item, %s", by) << "44" << by << kRangeMessage;
        QTest::addRow("4.01 in an item, %s", by) << "4.01" << by << kRangeMessage;
    }
}

void ComputeTest::refusedComputationKeepsEarlierResults() {
    QFETCH(QString, item3);
    QFETCH(QString, startedBy);
    QFETCH(QString, message);

    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    fixture.fillItems(QStringLiteral("2"));
    QTest::mouseClick(window.cmdCompute, Qt::LeftButton);
    const QStringList before = resultTexts(window);

    window.Combo3->setEditText(item3);
    fixture.messages.answerNext(MessageAnswer::Ok);
    QTest::mouseClick(window.findChild<QAbstractButton*>(startedBy), Qt::LeftButton);

    expectOnlyMessage(fixture, message);
    QCOMPARE(resultTexts(window), before); // still the general-population figures
    QVERIFY(window.Frame1->isVisible());
    QVERIFY(!window.Frame2->isVisible());
    QCOMPARE(window.OpOCD->isChecked(), startedBy == QLatin1String("OpOCD"));
    QCOMPARE(window.Combo3->currentText(), item3);
}

void ComputeTest::walkMeetsItem2BeforeItem1() {
    WindowFixture fixture;
    fixture.fillItems(QStringLiteral("1"));
    fixture.window->Combo1->setEditText(QString());
    fixture.window->Combo2->setEditText(QStringLiteral("9"));
    fixture.messages.answerNext(MessageAnswer::Ok);

    fixture.window->cmdCompute->click();

    expectOnlyMessage(fixture, kRangeMessage);
}

void ComputeTest::numbersUseTheRegionalDecimalSeparator() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowFixture fixture;
    fixture.fillItems(QStringLiteral("2"));

    fixture.window->cmdCompute->click();
    QLocale::setDefault(previous);

    QCOMPARE(fixture.window->txtZScoreWash->text(), QStringLiteral("Z Score = 1,44"));
    QCOMPARE(fixture.window->txtPercentWash->text(), QStringLiteral("92,45 Percentile"));
    QCOMPARE(fixture.window->txtWash->text(), QStringLiteral("6"));
}

void ComputeTest::unavailableComponentKeepsThePanels() {
    WindowFixture fixture(&unavailableComponent);
    frmMain& window = *fixture.window;
    fixture.fillItems(QStringLiteral("2"));
    for (const auto& row : window.resultRows())
        row.percentile->setText(QStringLiteral("old"));
    fixture.messages.answerNext(MessageAnswer::Ok);

    window.cmdCompute->click();

    QCOMPARE(fixture.messages.shown().size(), 1);
    const Message& shown = fixture.messages.shown().first();
    QVERIFY(shown.text.startsWith(obrix::ui::texts::kPercentileFailure + QStringLiteral("\r\n")));
    QVERIFY(shown.text.contains(QStringLiteral("Class not registered")));
    QCOMPARE(shown.icon, MessageIcon::None);
    // Raw scores and z-scores are written; no percentile could be, and the panels stay.
    QCOMPARE(window.txtTotal->text(), QStringLiteral("36"));
    QCOMPARE(window.txtZScoreWash->text(), QStringLiteral("Z Score = 1.44"));
    for (const auto& row : window.resultRows())
        QCOMPARE(row.percentile->text(), QStringLiteral("old"));
    QVERIFY(!window.Frame1->isVisibleTo(&window));
    QVERIFY(window.Frame2->isVisibleTo(&window));
}

void ComputeTest::componentFailingMidwayWritesWhatWasComputed() {
    WindowFixture fixture(failingAfter(2));
    frmMain& window = *fixture.window;
    fixture.fillItems(QStringLiteral("2"));
    for (const auto& row : window.resultRows())
        row.percentile->setText(QStringLiteral("old"));
    fixture.messages.answerNext(MessageAnswer::Ok);

    window.cmdCompute->click();

    QCOMPARE(fixture.messages.shown().size(), 1);
    QVERIFY(fixture.messages.shown().first().text.contains(
        QStringLiteral("statistics component stopped")));
    QStringList percentiles;
    for (const auto& row : window.resultRows())
        percentiles << row.percentile->text();
    QCOMPARE(percentiles,
             (QStringList{"50 Percentile", "50 Percentile", "old", "old", "old", "old", "old"}));
    QVERIFY(!window.Frame1->isVisibleTo(&window));
}

void ComputeTest::allZeroScoresNeedNoComponent() {
    WindowFixture fixture(&unavailableComponent);
    fixture.fillItems(QStringLiteral("0"));

    fixture.window->cmdCompute->click();

    QCOMPARE(fixture.messages.shown().size(), 0);
    QCOMPARE(fixture.window->txtPercentTotal->text(), QStringLiteral("N/A"));
    QVERIFY(fixture.window->Frame1->isVisibleTo(fixture.window.get()));
}

QTEST_MAIN(ComputeTest)
#include "compute_test.moc"
