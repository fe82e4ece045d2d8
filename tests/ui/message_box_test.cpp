// The message boxes: scripted answers, the record of what was shown, and the loud stop on a box
// nobody scripted (run in a child process, since it ends the process).

#include "message_box_script.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <cstring>

using obrix::services::DialogMessageBoxes;
using obrix::services::Message;
using obrix::services::MessageAnswer;
using obrix::services::MessageButtons;
using obrix::services::MessageIcon;
using obrix::testing::MessageBoxScript;

namespace {

constexpr char kChildOption[] = "--show-unscripted-box=";
const QString kChildText = QStringLiteral("Nobody answers this");

// Child mode: show a box without an answer, with or without a script in place.
int showUnscriptedBox(int argc, char* argv[], const char* mode) {
    QApplication app(argc, argv);
    if (std::strcmp(mode, "script") == 0) {
        MessageBoxScript script;
        script.show(kChildText);
    } else {
        DialogMessageBoxes dialogs;
        dialogs.show(kChildText);
    }
    return 0; // not reached: both must stop the process
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void scriptAnswersInOrderAndRecordsEachBox();
    void buttonsDefaultAndEscape_data();
    void buttonsDefaultAndEscape();
    void unscriptedBoxStopsTheProcess_data();
    void unscriptedBoxStopsTheProcess();
};

void MessageBoxTest::scriptAnswersInOrderAndRecordsEachBox() {
    MessageBoxScript script;
    script.answerNext(MessageAnswer::No);
    script.answerNext(MessageAnswer::Ok);

    QCOMPARE(
        script.show(QStringLiteral("Save?"), MessageButtons::YesNoCancel, MessageIcon::Question),
        MessageAnswer::No);
    QCOMPARE(script.show(QStringLiteral("Done.")), MessageAnswer::Ok);

    QCOMPARE(script.pendingAnswers(), 0);
    QCOMPARE(script.shown().size(), 2);
    const Message& question = script.shown()[0];
    QCOMPARE(question.text, QStringLiteral("Save?"));
    QCOMPARE(question.caption, QStringLiteral("Obrix"));
    QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(question.icon, MessageIcon::Question);
    QVERIFY(!question.defaultButton.has_value());
    const Message& plain = script.shown()[1];
    QCOMPARE(plain.buttons, MessageButtons::Ok);
    QCOMPARE(plain.icon, MessageIcon::None);
    QCOMPARE(plain.caption, QStringLiteral("Obrix"));
}

void MessageBoxTest::buttonsDefaultAndEscape_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageAnswer>("first");
    QTest::addColumn<MessageAnswer>("escape");
    QTest::newRow("OK") << MessageButtons::Ok << MessageAnswer::Ok << MessageAnswer::Ok;
    QTest::newRow("OK, Cancel") << MessageButtons::OkCancel << MessageAnswer::Ok
                                << MessageAnswer::Cancel;
    QTest::newRow("Yes, No") << MessageButtons::YesNo << MessageAnswer::Yes << MessageAnswer::No;
    QTest::newRow("Yes, No, Cancel")
        << MessageButtons::YesNoCancel << MessageAnswer::Yes << MessageAnswer::Cancel;
}

void MessageBoxTest::buttonsDefaultAndEscape() {
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageAnswer, first);
    QFETCH(MessageAnswer, escape);
    QCOMPARE(obrix::services::firstButton(buttons), first);
    QCOMPARE(obrix::services::escapeAnswer(buttons), escape);

    MessageBoxScript script;
    script.answerAllWithFirstButton();
    QCOMPARE(script.show(QStringLiteral("?"), buttons), first);
}

void MessageBoxTest::unscriptedBoxStopsTheProcess_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("script without an answer") << "script";
    QTest::newRow("no script on the offscreen platform") << "none";
}

void MessageBoxTest::unscriptedBoxStopsTheProcess() {
    QFETCH(QString, mode);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Without a console (Windows) the failure would go to the debugger instead of stderr.
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildOption) + mode});
    QVERIFY(child.waitForFinished(30000)); // stops at once instead of waiting for a click

    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    QVERIFY2(QString::fromLocal8Bit(child.readAllStandardError()).contains(kChildText),
             "the failure names the unexpected message");
}

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kChildOption, std::strlen(kChildOption)) == 0)
            return showUnscriptedBox(argc, argv, argv[i] + std::strlen(kChildOption));
    QApplication app(argc, argv);
    MessageBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "message_box_test.moc"
