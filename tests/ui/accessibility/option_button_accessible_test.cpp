// The option buttons' accessible toggle action clicks them, whether or not Qt had already made
// the standard interface, and does nothing on a disabled button.
#include "ui/accessibility/option_button_accessible.h"

#include <QAccessible>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class OptionButtonAccessibleTest : public QObject {
    Q_OBJECT

private slots:
    void toggleActionClicks_data();
    void toggleActionClicks();
};

void OptionButtonAccessibleTest::toggleActionClicks_data() {
    QTest::addColumn<bool>("askedBefore");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("interface made afterwards") << false << true << 1;
    QTest::newRow("interface made before") << true << true << 1;
    QTest::newRow("disabled button") << false << false << 0;
}

void OptionButtonAccessibleTest::toggleActionClicks() {
    QFETCH(bool, askedBefore);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget group;
    auto* first = new QRadioButton(QStringLiteral("&First"), &group);
    auto* second = new QRadioButton(QStringLiteral("Second"), &group);
    first->setChecked(true);
    second->setEnabled(enabled);
    if (askedBefore)
        QVERIFY(QAccessible::queryAccessibleInterface(second) != nullptr);

    obrix::ui::clickOnToggle(*second);
    QSignalSpy clicked(second, &QRadioButton::clicked);
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(second);
    QCOMPARE(node->role(), QAccessible::RadioButton);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Second"));
    node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());

    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(second->isChecked(), clicks == 1);
    QCOMPARE(first->isChecked(), clicks == 0);
    QCOMPARE(node->state().checked, second->isChecked());
}

#include "option_button_accessible_test.moc"

int runOptionButtonAccessibleTests(int argc, char** argv) {
    OptionButtonAccessibleTest test;
    return QTest::qExec(&test, argc, argv);
}
