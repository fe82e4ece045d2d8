// The main window as a screen reader sees it: every control that takes the focus has a name of its
// own, the item and result boxes are named after what they hold, the labels point at their boxes,
// the result boxes read out what they show, and choosing a sample by the option buttons'
// accessible action recomputes like a click.
#include "accessible_tree.h"

#include "test_services.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <memory>

using obrix::ui::frmMain;
namespace testing = obrix::ui::testing;

namespace {

const QStringList kScales{QStringLiteral("Washing"),  QStringLiteral("Checking"),
                          QStringLiteral("Ordering"), QStringLiteral("Obsessing"),
                          QStringLiteral("Hoarding"), QStringLiteral("Neutralising"),
                          QStringLiteral("Total")};
const QStringList kBoxSuffixes{QStringLiteral("Wash"),  QStringLiteral("Check"),
                               QStringLiteral("Order"), QStringLiteral("Obsess"),
                               QStringLiteral("Hoard"), QStringLiteral("Neutral"),
                               QStringLiteral("Total")};

enum class Sample { General, Ocd };

} // namespace

Q_DECLARE_METATYPE(Sample)

class MainWindowAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyFocusableControlHasItsOwnName_data();
    void everyFocusableControlHasItsOwnName();
    void controlsAreNamedAfterWhatTheyHold_data();
    void controlsAreNamedAfterWhatTheyHold();
    void itemBoxesAreNamedWhereTheCaretIs_data();
    void itemBoxesAreNamedWhereTheCaretIs();
    void labelsPointAtTheirBoxes_data();
    void labelsPointAtTheirBoxes();
    void resultBoxesReadOutWhatTheyShow_data();
    void resultBoxesReadOutWhatTheyShow();
    void optionButtonActionsRecompute_data();
    void optionButtonActionsRecompute();

private:
    void compute(const QString& rating, Sample sample);

    std::unique_ptr<obrix::testing::TestServices> doubles_;
    std::unique_ptr<frmMain> window_;
};

void MainWindowAccessibilityTest::init() {
    doubles_ = std::make_unique<obrix::testing::TestServices>();
    window_ = std::make_unique<frmMain>(doubles_->services());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowAccessibilityTest::cleanup() {
    window_.reset();
    const auto& shown = doubles_->messages.shown();
    QVERIFY2(shown.isEmpty(), qPrintable(shown.value(0).text));
    doubles_.reset();
}

void MainWindowAccessibilityTest::compute(const QString& rating, Sample sample) {
    for (QComboBox* box : window_->itemBoxes())
        box->setEditText(rating);
    (sample == Sample::General ? window_->OpGeneral : window_->OpOCD)->setChecked(true);
    window_->cmdCompute->click();
    QVERIFY(window_->Frame1->isVisible());
}

void MainWindowAccessibilityTest::everyFocusableControlHasItsOwnName_data() {
    QTest::addColumn<bool>("computed");
    QTest::newRow("at start, results hidden") << false;
    QTest::newRow("after computing, results shown") << true;
}

void MainWindowAccessibilityTest::everyFocusableControlHasItsOwnName() {
    QFETCH(bool, computed);
    if (computed)
        compute(QStringLiteral("2"), Sample::General);

    const QList<testing::FocusableNode> nodes = testing::focusableNodes(*window_);
    const QStringList problems = testing::namingProblems(nodes);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    // The walk reached every control a user can tab to or click into (18 items, name, date, four
    // buttons, 21 results, the sample question, two option buttons, the reference note, the
    // warning), wherever Qt places them in the tree.
    QSet<const QObject*> controls;
    for (const testing::FocusableNode& node : nodes)
        controls.insert(node.control);
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        // Drop-down lists and menus are windows of their own; Qt's inner parts start with "qt_".
        if (widget->window() != window_.get() || widget->focusPolicy() == Qt::NoFocus ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (qobject_cast<QLineEdit*>(widget) && qobject_cast<QComboBox*>(widget->parent()))
            continue; // counted with its item box
        QVERIFY2(controls.contains(widget), qPrintable(widget->objectName()));
    }
}

void MainWindowAccessibilityTest::controlsAreNamedAfterWhatTheyHold_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    for (qsizetype row = 0; row < kScales.size(); ++row) {
        const QString& scale = kScales[row];
        const QString& suffix = kBoxSuffixes[row];
        QTest::addRow("%s raw", qPrintable(scale))
            << QStringLiteral("txt") + suffix << scale + QStringLiteral(" raw score");
        QTest::addRow("%s z", qPrintable(scale))
            << QStringLiteral("txtZScore") + suffix << scale + QStringLiteral(" z-score");
        QTest::addRow("%s percentile", qPrintable(scale))
            << QStringLiteral("txtPercent") + suffix << scale + QStringLiteral(" percentile");
    }
    const std::pair<const char*, const char*> fixed[] = {
        {"txtName", "Client Name"},
        {"DTPicker", "Date of Test"},
        {"cmdCompute", "Compute"},
        {"cmdNote", "Scoring Note"},
        {"cmdNew", "Start Again"},
        {"cmdExit", "Exit"},
        {"OpGeneral", "General Population Sample"},
        {"OpOCD", "OCD Population Sample"},
        {"txtWarning", "Warning"},
        {"Text17", "Sample question"},
        {"txtReference", "Reference note"},
        {"Frame1", "Results"},
        {"Frame2", "Instructions"},
        {"Reference", "Reference Sample"},
    };
    for (const auto& [control, name] : fixed)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name);
}

void MainWindowAccessibilityTest::controlsAreNamedAfterWhatTheyHold() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QAccessibleInterface* node = testing::accessibleChild(*window_, control);
    QVERIFY(node != nullptr);
    QCOMPARE(node->text(QAccessible::Name), name);
}

void MainWindowAccessibilityTest::itemBoxesAreNamedWhereTheCaretIs_data() {
    QTest::addColumn<QString>("rating");
    QTest::newRow("empty") << "";
    QTest::newRow("rated") << "3";
}

void MainWindowAccessibilityTest::itemBoxesAreNamedWhereTheCaretIs() {
    QFETCH(QString, rating);
    const auto boxes = window_->itemBoxes();
    for (QComboBox* box : boxes)
        box->setEditText(rating);
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const QString name = QStringLiteral("Question %1").arg(index + 1);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(boxes[index]);
        QAccessibleInterface* field = nullptr;
        for (int child = 0; child < box->childCount(); ++child)
            if (box->child(child)->role() == QAccessible::EditableText)
                field = box->child(child);
        QVERIFY2(field != nullptr, qPrintable(name));
        QCOMPARE(field->object(), boxes[index]->lineEdit());
        QCOMPARE(field->text(QAccessible::Name), name);
        QVERIFY(field->editableTextInterface() != nullptr);
        QCOMPARE(testing::spokenText(field), rating);
        QVERIFY(!field->text(QAccessible::Description).isEmpty());
#ifndef Q_OS_UNIX
        // Elsewhere the box itself is announced by its name (on Linux by its label relation).
        QCOMPARE(box->text(QAccessible::Name), name);
#endif
    }
}

void MainWindowAccessibilityTest::labelsPointAtTheirBoxes_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("control");
    QTest::newRow("name") << "lblName"
                          << "Client Name:"
                          << "txtName";
    QTest::newRow("date") << "lblDate"
                          << "Date of Test:"
                          << "DTPicker";
    // The labels of items 5, 6, 7, 12, 13 and 14 have names that do not follow the item numbers.
    const char* const itemLabels[] = {"Label1",  "Label2",  "Label3",  "Label4",  "Label7",
                                      "Label5",  "Label6",  "Label8",  "Label9",  "Label10",
                                      "Label11", "Label14", "Label12", "Label13", "Label15",
                                      "Label16", "Label17", "Label18"};
    for (int item = 1; item <= 18; ++item)
        QTest::addRow("item %d", item)
            << QString::fromLatin1(itemLabels[item - 1]) << QStringLiteral("Question %1:").arg(item)
            << QStringLiteral("Combo%1").arg(item);
}

void MainWindowAccessibilityTest::labelsPointAtTheirBoxes() {
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, control);
    QAccessibleInterface* node = testing::accessibleChild(*window_, control);
    QVERIFY(node != nullptr);
    const auto labelledBy = node->relations(QAccessible::Label);
    QCOMPARE(labelledBy.size(), 1);
    QCOMPARE(labelledBy.first().first->object()->objectName(), label);
    QCOMPARE(labelledBy.first().first->text(QAccessible::Name), caption);
}

void MainWindowAccessibilityTest::resultBoxesReadOutWhatTheyShow_data() {
    QTest::addColumn<QString>("rating");
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<QString>("totalRaw");
    QTest::addColumn<QString>("totalZ");
    QTest::addColumn<QString>("totalPercentile");
    QTest::newRow("all 2, general population") << "2" << Sample::General << "36"
                                               << "Z Score = 1.55"
                                               << "93.92 Percentile";
    QTest::newRow("all 2, OCD") << "2" << Sample::Ocd << "36"
                                << "Z Score = 0.59"
                                << "72.26 Percentile";
    QTest::newRow("all 0: no percentiles") << "0" << Sample::General << "0"
                                           << "Z Score = -1.7"
                                           << "N/A";
}

void MainWindowAccessibilityTest::resultBoxesReadOutWhatTheyShow() {
    QFETCH(QString, rating);
    QFETCH(Sample, sample);
    QFETCH(QString, totalRaw);
    QFETCH(QString, totalZ);
    QFETCH(QString, totalPercentile);
    compute(rating, sample);

    for (const frmMain::ResultRow& row : window_->resultRows()) {
        for (QLineEdit* box : {row.raw, row.zScore, row.percentile}) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
            QVERIFY(!box->text().isEmpty());
            QCOMPARE(node->text(QAccessible::Value), box->text());
            QCOMPARE(testing::spokenText(node), box->text());
            // Shown on screen, so not skipped by a screen reader's review of the window.
            QVERIFY2(!node->state().invisible, qPrintable(box->objectName()));
        }
    }
    const auto total = window_->resultRows().back();
    QCOMPARE(testing::spokenText(QAccessible::queryAccessibleInterface(total.raw)), totalRaw);
    QCOMPARE(testing::spokenText(QAccessible::queryAccessibleInterface(total.zScore)), totalZ);
    QCOMPARE(testing::spokenText(QAccessible::queryAccessibleInterface(total.percentile)),
             totalPercentile);
}

void MainWindowAccessibilityTest::optionButtonActionsRecompute_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("totalZ");
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    QTest::newRow("toggle OCD") << "OpOCD" << toggle << "Z Score = 0.59";
    QTest::newRow("press OCD") << "OpOCD" << press << "Z Score = 0.59";
    // Like a click on the button already selected: recomputes, overwriting a hand edit.
    QTest::newRow("toggle the selected general") << "OpGeneral" << toggle << "Z Score = 1.55";
}

void MainWindowAccessibilityTest::optionButtonActionsRecompute() {
    QFETCH(QString, button);
    QFETCH(QString, action);
    QFETCH(QString, totalZ);
    compute(QStringLiteral("2"), Sample::General);
    window_->txtZScoreTotal->setText(QStringLiteral("typed by hand"));

    QAccessibleInterface* node = testing::accessibleChild(*window_, button);
    QVERIFY(node != nullptr && node->actionInterface() != nullptr);
    QVERIFY(node->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    node->actionInterface()->doAction(action);

    auto* option = window_->findChild<QRadioButton*>(button);
    QVERIFY(option->isChecked());
    QVERIFY(node->state().checked);
    QVERIFY(node->state().checkable);
    QCOMPARE(window_->txtZScoreTotal->text(), totalZ);
}

#include "main_window_accessibility_test.moc"

int runMainWindowAccessibilityTests(int argc, char** argv) {
    MainWindowAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}
