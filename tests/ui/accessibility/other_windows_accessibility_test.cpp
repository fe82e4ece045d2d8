// The scoring-note, credits and splash windows as a screen reader sees them: every focusable
// control has a name of its own, the texts read out what they show, the licence box is labelled
// by its heading, and the web buttons work through their accessible action.
#include "accessible_tree.h"
#include "recording_url_opener.h"

#include "app/frmSplash.h"
#include "ui/help/frmCredits.h"
#include "ui/help/frmNote.h"
#include "ui/help/note_text.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using obrix::ui::frmCredits;
using obrix::ui::frmNote;
namespace testing = obrix::ui::testing;

namespace {

QStringList problemsOf(QWidget& window) {
    return testing::namingProblems(testing::focusableNodes(window));
}

} // namespace

class OtherWindowsAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void noteWindow();
    void creditsControlsHaveTheirOwnNames_data();
    void creditsControlsHaveTheirOwnNames();
    void creditsLicenceIsLabelledByItsHeading();
    void creditsButtonsWorkThroughTheirAction_data();
    void creditsButtonsWorkThroughTheirAction();
    void splashAnnouncesItselfWithItsCaptions();
};

void OtherWindowsAccessibilityTest::noteWindow() {
    QPointer<frmNote> note = obrix::ui::showScoringNote();
    QVERIFY(QTest::qWaitForWindowExposed(note.data()));

    const QStringList problems = problemsOf(*note);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(note->txtNote);
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Scoring note"));
    QCOMPARE(testing::spokenText(text), note->txtNote->toPlainText());
    QVERIFY(testing::spokenText(text).startsWith(QLatin1String("A more recent scoring method")));

    note->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(note.isNull());
}

void OtherWindowsAccessibilityTest::creditsControlsHaveTheirOwnNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("paper button") << "cmdPaperWebsite"
                                  << "Get The Paper";
    QTest::newRow("maker button") << "cmdVelmoorWebsite"
                                  << "Visit Velmoor Website For More Software";
    QTest::newRow("licence") << "Text1"
                             << "License";
    QTest::newRow("programme citation") << "Text2"
                                        << "Programme citation";
    QTest::newRow("paper citation") << "Text3"
                                    << "Paper citation";
}

void OtherWindowsAccessibilityTest::creditsControlsHaveTheirOwnNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    obrix::testing::RecordingUrlOpener opener;
    frmCredits window(nullptr, opener);

    const QStringList problems = problemsOf(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QAccessibleInterface* node = testing::accessibleChild(window, control);
    QVERIFY(node != nullptr);
    QCOMPARE(node->text(QAccessible::Name), name);
    if (auto* box = window.findChild<QPlainTextEdit*>(control)) {
        QVERIFY(!box->toPlainText().isEmpty());
        QCOMPARE(testing::spokenText(node), box->toPlainText());
    }
}

void OtherWindowsAccessibilityTest::creditsLicenceIsLabelledByItsHeading() {
    obrix::testing::RecordingUrlOpener opener;
    frmCredits window(nullptr, opener);
    const auto labelledBy =
        QAccessible::queryAccessibleInterface(window.Text1)->relations(QAccessible::Label);
    QCOMPARE(labelledBy.size(), 1);
    QCOMPARE(labelledBy.first().first->object(), window.lblLicense);
}

void OtherWindowsAccessibilityTest::creditsButtonsWorkThroughTheirAction_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::newRow("paper") << "cmdPaperWebsite"
                           << "doiLanding";
    QTest::newRow("maker") << "cmdVelmoorWebsite"
                           << "velmoor";
}

void OtherWindowsAccessibilityTest::creditsButtonsWorkThroughTheirAction() {
    QFETCH(QString, button);
    QFETCH(QString, page);
    obrix::testing::RecordingUrlOpener opener;
    frmCredits window(nullptr, opener);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface* node = testing::accessibleChild(window, button);
    QVERIFY(node != nullptr && node->actionInterface() != nullptr);
    node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Qt presses the button visibly, then clicks it a moment later.
    QTRY_COMPARE(opener.requests.size(), 1);
    QVERIFY(opener.requests.first().toString().contains(page));
    QVERIFY(window.isVisible());
}

void OtherWindowsAccessibilityTest::splashAnnouncesItselfWithItsCaptions() {
    // Built and polished, as it is when it shows, but not loaded: no main window, no
    // registration, no timer.
    auto* splash = new obrix::app::frmSplash(obrix::app::StartupSteps{});
    const std::unique_ptr<obrix::app::frmSplash> owner(splash);
    splash->ensurePolished();

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(splash);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Obrix is starting"));
    const QString description = window->text(QAccessible::Description);
    for (QLabel* label : {splash->Label1, splash->Label2, splash->lblProductName, splash->Label3,
                          splash->lblCopyright, splash->lblCompanyName})
        QVERIFY2(description.contains(label->text()), qPrintable(label->objectName()));
    QCOMPARE(QAccessible::queryAccessibleInterface(splash->picLogo)->text(QAccessible::Name),
             QStringLiteral("Obrix logo"));

    const QStringList problems = problemsOf(*splash);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

#include "other_windows_accessibility_test.moc"

int runOtherWindowsAccessibilityTests(int argc, char** argv) {
    OtherWindowsAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}
