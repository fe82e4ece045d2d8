// Enter and the keypad's Enter press the focused button in every window of the program, once per
// key, with the application set up as main() sets it up.

#include "app/startup.h"
#include "ui/help/frmCredits.h"
#include "ui/help/url_opener.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

class IgnoringUrlOpener final : public obrix::ui::UrlOpener {
public:
    void openUrl(const QUrl&) override {}
};

} // namespace

class EnterKeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        obrix::app::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInACreditsTextBoxPressesNoButton();
};

void EnterKeyTest::enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    for (const char* button : {"cmdCompute", "cmdNote", "cmdNew", "cmdExit"})
        QTest::newRow(button) << "frmMain" << button;
    for (const char* button : {"cmdPaperWebsite", "cmdVelmoorWebsite"})
        QTest::newRow(button) << "frmCredits" << button;
}

void EnterKeyTest::enterPressesTheFocusedButton() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    IgnoringUrlOpener opener;
    const std::unique_ptr<QWidget> shown =
        window == "frmMain" ? std::unique_ptr<QWidget>(new obrix::ui::frmMain)
                            : std::make_unique<obrix::ui::frmCredits>(nullptr, opener);
    auto* target = shown->findChild<QPushButton*>(button);
    QVERIFY(target);
    // Only the press is under test, not the command behind it.
    QObject::disconnect(target, &QPushButton::clicked, nullptr, nullptr);
    QSignalSpy clicks(target, &QPushButton::clicked);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    target->setFocus(Qt::TabFocusReason);

    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 2);
}

void EnterKeyTest::enterInACreditsTextBoxPressesNoButton() {
    IgnoringUrlOpener opener;
    obrix::ui::frmCredits window(nullptr, opener);
    QSignalSpy paper(window.cmdPaperWebsite, &QPushButton::clicked);
    QSignalSpy maker(window.cmdVelmoorWebsite, &QPushButton::clicked);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (QPlainTextEdit* box : {window.Text1, window.Text2, window.Text3}) {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    }
    QCOMPARE(paper.count() + maker.count(), 0);
}

QTEST_MAIN(EnterKeyTest)
#include "enter_key_test.moc"
