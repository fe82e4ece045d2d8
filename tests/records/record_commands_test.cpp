// The record commands of the main window: New and Start Again, Save As, Save (Overwrite) and
// Open, every question and dialog scripted.
#include "record_window_fixture.h"

#include "record_commands/record_texts.h"
#include "records/record_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

#ifdef _WIN32
#include <winerror.h>
#else
#include <sys/resource.h>
#endif

#include <csignal>
#include <system_error>

using namespace obrix::records;
using namespace obrix::records::testing;
using obrix::services::FileDialogKind;
using obrix::services::FileDialogRequest;
using obrix::services::MessageAnswer;
using obrix::services::MessageButtons;
using obrix::services::MessageIcon;
using obrix::services::StartupCommandLine;

namespace {

QString unreadable(const char* description) {
    return QString::fromStdString(unreadableRecordMessage(description));
}
QString saveFailure(const char* description) {
    return QString::fromStdString(saveFailureMessage(description));
}

// Computes with all answers "1" so that the result boxes are filled and the results shown.
void compute(RecordWindow& rig) {
    for (QComboBox* box : rig.window->itemBoxes())
        box->setEditText(QStringLiteral("1"));
    rig.window->cmdCompute_Click();
    QVERIFY(!rig.window->Frame1->isHidden());
    QVERIFY(!rig.window->txtTotal->text().isEmpty());
}

void verifyQuestion(const obrix::services::Message& shown, const QString& text) {
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(shown.icon, MessageIcon::Question);
    QVERIFY(!shown.defaultButton || *shown.defaultButton == MessageAnswer::Yes);
    QCOMPARE(shown.caption, QStringLiteral("Obrix"));
}

void verifyNotice(const obrix::services::Message& shown, const QString& text) {
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.icon, MessageIcon::None);
    QCOMPARE(shown.caption, QStringLiteral("Obrix"));
}

} // namespace

class RecordCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newEmptiesTheRecordAndKeepsDateAndGroup_data();
    void newEmptiesTheRecordAndKeepsDateAndGroup();
    void saveAsWritesTheChosenFileWithTheDefaultExtension();
    void saveAsCancelledIsSilent();
    void failedSaveKeepsTheOldFileAndTheChanges_data();
    void failedSaveKeepsTheOldFileAndTheChanges();
    void saveOverwritesTheRecordsOwnFileWithoutADialog();
    void saveAsksWhenTheFileChangedOnDisk_data();
    void saveAsksWhenTheFileChangedOnDisk();
    void openOffersBackTheCopyOfAnInterruptedSave();
    void saveWithoutAFileRunsSaveAsAndNewForgetsTheFile();
    void openShowsTheRecordAndCountsAsUnchanged();
    void openDialogSettings_data();
    void openDialogSettings();
    void openQuestionAnswers_data();
    void openQuestionAnswers();
    void openOfABadFileLeavesTheWindowUntouched_data();
    void openOfABadFileLeavesTheWindowUntouched();
};

void RecordCommandsTest::newEmptiesTheRecordAndKeepsDateAndGroup_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Start Again") << false;
    QTest::newRow("File > New") << true;
}

void RecordCommandsTest::newEmptiesTheRecordAndKeepsDateAndGroup() {
    QFETCH(bool, fromMenu);
    RecordWindow rig;
    rig.enterExample();
    compute(rig);
    rig.window->OpOCD->click();
    rig.window->txtName->setText(QStringLiteral("Client 0427"));
    const QString sample = rig.window->Text17->toPlainText();
    const QString reference = rig.window->txtReference->toPlainText();
    rig.window->RecordChanged(true);

    if (fromMenu)
        rig.window->mnuFileNew->trigger();
    else
        rig.window->cmdNew->click();

    QVERIFY(rig.messages.shown().isEmpty());
    QVERIFY(rig.dialogs.requests().isEmpty());
    QCOMPARE(rig.window->txtName->text(), QString());
    QCOMPARE(rig.items(), QStringList(18, QString()));
    QCOMPARE(rig.results(), QStringList(21, QString()));
    for (const QComboBox* box : rig.window->itemBoxes()) {
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->itemText(0), QStringLiteral("0"));
        QCOMPARE(box->itemText(4), QStringLiteral("4"));
    }
    QVERIFY(rig.window->Frame1->isHidden());
    QVERIFY(!rig.window->Frame2->isHidden());
    QCOMPARE(rig.window->DTPicker->date(), QDate(2026, 3, 14));
    QVERIFY(rig.window->OpOCD->isChecked());
    QCOMPARE(rig.window->Text17->toPlainText(), sample);
    QCOMPARE(rig.window->txtReference->toPlainText(), reference);
    const QString warning = rig.window->txtWarning->toPlainText();
    QCOMPARE(warning, texts::kStartAgainWarning);
    QVERIFY(warning.contains(QStringLiteral("practice. Using")));
    QVERIFY(warning.contains(QStringLiteral("worried by your status see")));
    QVERIFY(warning.endsWith(QStringLiteral("professional.")));
    QVERIFY(rig.changed()); // nothing cleared the flags the emptying raised
}

void RecordCommandsTest::saveAsWritesTheChosenFileWithTheDefaultExtension() {
    RecordWindow rig;
    rig.enterExample();
    rig.dialogs.answerNext(rig.path(QStringLiteral("client27")));
    rig.window->mnuFileSaveAs->trigger();

    QCOMPARE(rig.dialogs.requests().size(), 1);
    const FileDialogRequest& request = rig.dialogs.requests()[0];
    QCOMPARE(request.kind, FileDialogKind::Save);
    QCOMPARE(request.title, QStringLiteral("Save File As ..."));
    QCOMPARE(request.filterDescription, QStringLiteral("OCI files (*.OCI)"));
    QCOMPARE(request.filterPattern, QStringLiteral("*.oci"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("oci"));
    QVERIFY(request.confirmOverwrite);
    QCOMPARE(request.fileName, QString());
    QCOMPARE(request.initialFolder, QString()); // nothing has set a folder yet

    const QString saved = rig.path(QStringLiteral("client27.oci"));
    QCOMPARE(RecordWindow::contentOf(saved), kExampleBytes);
    QVERIFY(!QFile::exists(rig.path(QStringLiteral("client27"))));
    QVERIFY(rig.messages.shown().isEmpty());
    QVERIFY(!rig.changed());
    QCOMPARE(rig.commands().recordFile(), saved);
}

void RecordCommandsTest::saveAsCancelledIsSilent() {
    RecordWindow rig;
    rig.enterExample();
    rig.dialogs.cancelNext();
    QCOMPARE(rig.commands().saveAs(), SaveOutcome::Cancelled);
    QVERIFY(rig.messages.shown().isEmpty());
    QVERIFY(rig.changed());
    QVERIFY(QDir(rig.folder.path()).isEmpty());
    QCOMPARE(rig.commands().recordFile(), QString());
}

void RecordCommandsTest::failedSaveKeepsTheOldFileAndTheChanges_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("overFullDisk");
#ifdef _WIN32 // the system's own text
    const QString missingFolder =
        QString::fromStdString(std::system_category().message(ERROR_PATH_NOT_FOUND));
#else
    const QString missingFolder = QStringLiteral("No such file or directory");
#endif
    QTest::newRow("missing folder") << "no such folder/a.oci" << missingFolder << false;
    QTest::newRow("target is a folder") << "folder.oci"
                                        << "Is a directory" << false;
#ifndef _WIN32 // a file size limit stands in for a full disk where the system has one
    QTest::newRow("disk full over an old file") << "old.oci"
                                                << "File too large" << true;
#endif
}

void RecordCommandsTest::failedSaveKeepsTheOldFileAndTheChanges() {
    QFETCH(QString, target);
    QFETCH(QString, description);
    QFETCH(bool, overFullDisk);
    RecordWindow rig;
    QDir(rig.folder.path()).mkdir(QStringLiteral("folder.oci"));
    const QByteArray old = "\"Someone else\",#2020-01-01#,,,,,,,,,,,,,,,,,,\r\n";
    rig.writeFile(QStringLiteral("old.oci"), old);
    rig.enterExample();

#ifndef _WIN32
    // A file size limit below the record's size fails the write part-way, as a full disk does.
    rlimit previous{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 40;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (overFullDisk)
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
#else
    Q_UNUSED(overFullDisk);
#endif
    rig.dialogs.answerNext(rig.path(target));
    rig.messages.answerNext(MessageAnswer::Ok);
    const SaveOutcome outcome = rig.commands().saveAs();
#ifndef _WIN32
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
#endif

    QCOMPARE(outcome, SaveOutcome::Failed);
    QCOMPARE(rig.messages.shown().size(), 1);
    verifyNotice(rig.messages.shown()[0], saveFailure(qPrintable(description)));
    QVERIFY(rig.messages.shown()[0].text.contains(QStringLiteral("error:\r\n")));
    QCOMPARE(RecordWindow::contentOf(rig.path(QStringLiteral("old.oci"))), old);
    QCOMPARE(QDir(rig.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"folder.oci", "old.oci"}));
    QVERIFY(rig.changed());
    QCOMPARE(rig.commands().recordFile(), QString());
}

void RecordCommandsTest::saveOverwritesTheRecordsOwnFileWithoutADialog() {
    RecordWindow rig;
    const QString file = rig.writeFile(QStringLiteral("client.oci"), kExampleBytes);
    rig.dialogs.answerNext(file);
    rig.window->mnuFileOpen->trigger();
    rig.window->txtName->setText(QStringLiteral("Client 0428"));

    rig.window->mnuSave->trigger();

    QCOMPARE(rig.dialogs.requests().size(), 1); // the Open dialog only
    QCOMPARE(RecordWindow::contentOf(file),
             QByteArray(kExampleBytes).replace("Client 0427", "Client 0428"));
    QVERIFY(!rig.changed());
    QVERIFY(rig.messages.shown().isEmpty());

    // Save As offers the record's own file.
    rig.dialogs.cancelNext();
    rig.window->mnuFileSaveAs->trigger();
    QCOMPARE(rig.dialogs.requests().last().fileName, file);
}

void RecordCommandsTest::saveAsksWhenTheFileChangedOnDisk_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("No keeps the other save") << MessageAnswer::No;
    QTest::newRow("Yes overwrites it") << MessageAnswer::Yes;
}

// Another window saved the same record meanwhile: Save asks before replacing its work.
void RecordCommandsTest::saveAsksWhenTheFileChangedOnDisk() {
    QFETCH(MessageAnswer, answer);
    RecordWindow rig;
    const QString file = rig.writeFile(QStringLiteral("client.oci"), kExampleBytes);
    rig.dialogs.answerNext(file);
    rig.window->mnuFileOpen->trigger();
    rig.window->txtName->setText(QStringLiteral("Client 0428"));
    const QByteArray other = QByteArray(kExampleBytes).replace("Client 0427", "Client 0429");
    RecordWindow::writeBytes(file, other);

    rig.messages.answerNext(answer);
    rig.window->mnuSave->trigger();

    QCOMPARE(rig.messages.shown().size(), 1);
    const obrix::services::Message& shown = rig.messages.shown()[0];
    QCOMPARE(shown.text, QStringLiteral("The record was changed by another program since it "
                                        "was opened. Overwrite it?"));
    QCOMPARE(shown.buttons, MessageButtons::YesNo);
    QCOMPARE(shown.icon, MessageIcon::Question);
    QCOMPARE(shown.defaultButton, std::optional(MessageAnswer::No));
    const bool overwritten = answer == MessageAnswer::Yes;
    QCOMPARE(RecordWindow::contentOf(file),
             overwritten ? QByteArray(kExampleBytes).replace("Client 0427", "Client 0428") : other);
    QCOMPARE(rig.changed(), !overwritten);

    // After its own save the window asks no more.
    rig.messages.answerAllWithFirstButton();
    rig.window->mnuSave->trigger();
    QCOMPARE(rig.messages.shown().size(), overwritten ? 1 : 2);
}

// An in-place save killed after cutting the file left the copy beside it: Yes puts it back.
void RecordCommandsTest::openOffersBackTheCopyOfAnInterruptedSave() {
#ifdef _WIN32
    QSKIP("saves on Windows replace the file in one step and leave no copy to offer back");
#endif
    RecordWindow rig;
    const QString file = rig.writeFile(QStringLiteral("client.oci"), QByteArray());
    const QString copy = rig.writeFile(QStringLiteral(".client.oci.obrix-backup"), kExampleBytes);
    rig.dialogs.answerNext(file);
    rig.messages.answerNext(MessageAnswer::Yes);

    rig.window->mnuFileOpen->trigger();

    QCOMPARE(rig.messages.shownTexts(), QStringList{texts::kInterruptedSaveQuestion});
    QCOMPARE(rig.messages.shown()[0].buttons, MessageButtons::YesNo);
    QCOMPARE(RecordWindow::contentOf(file), kExampleBytes);
    QCOMPARE(rig.window->txtName->text(), QStringLiteral("Client 0427"));
    QVERIFY(!QFile::exists(copy));
}

void RecordCommandsTest::saveWithoutAFileRunsSaveAsAndNewForgetsTheFile() {
    RecordWindow rig;
    rig.enterExample();
    rig.dialogs.answerNext(rig.path(QStringLiteral("first.oci")));
    rig.window->mnuSave->trigger();
    QCOMPARE(rig.dialogs.requests().size(), 1);
    QCOMPARE(rig.dialogs.requests()[0].title, texts::kSaveAsTitle);
    QCOMPARE(RecordWindow::contentOf(rig.path(QStringLiteral("first.oci"))), kExampleBytes);

    // Now the record has its file: no dialog.
    rig.window->txtName->setText(QStringLiteral("Client 0428"));
    rig.window->mnuSave->trigger();
    QCOMPARE(rig.dialogs.requests().size(), 1);
    QVERIFY(RecordWindow::contentOf(rig.path(QStringLiteral("first.oci"))).contains("0428"));

    // After New the next client must not land in the first client's file.
    rig.window->cmdNew->click();
    QCOMPARE(rig.commands().recordFile(), QString());
    rig.enter(QStringLiteral("Another client"), {2026, 4, 1}, {});
    rig.dialogs.cancelNext();
    rig.window->mnuSave->trigger();
    QCOMPARE(rig.dialogs.requests().size(), 2);
    QCOMPARE(rig.dialogs.requests()[1].fileName, QString());
    QVERIFY(RecordWindow::contentOf(rig.path(QStringLiteral("first.oci"))).contains("0428"));
    QVERIFY(rig.changed());
}

void RecordCommandsTest::openShowsTheRecordAndCountsAsUnchanged() {
    RecordWindow rig;
    compute(rig);
    rig.window->OpOCD->click();
    rig.window->RecordChanged(true);
    const QString file = rig.writeFile(QStringLiteral("client.oci"), kExampleBytes);
    rig.dialogs.answerNext(file);

    rig.window->mnuFileOpen->trigger();

    QCOMPARE(rig.window->txtName->text(), QStringLiteral("Client 0427"));
    QCOMPARE(rig.window->DTPicker->date(), QDate(2026, 3, 14));
    QCOMPARE(rig.items(), kExampleAnswers);
    QCOMPARE(rig.results(), QStringList(21, QString()));
    QVERIFY(!rig.window->Frame1->isHidden()); // the panels stay as they were
    QVERIFY(rig.window->OpOCD->isChecked());
    QVERIFY(!rig.changed());
    QVERIFY(rig.messages.shown().isEmpty());
    QCOMPARE(rig.commands().recordFile(), file);
    QCOMPARE(rig.window->Combo1->count(), 5);
}

void RecordCommandsTest::openDialogSettings_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("useProgramFolder");
    QTest::newRow("setting present") << "/srv/records" << false;
    QTest::newRow("setting absent") << QString() << true;
}

void RecordCommandsTest::openDialogSettings() {
    QFETCH(QString, stored);
    QFETCH(bool, useProgramFolder);
    RecordWindow rig;
    if (!stored.isNull())
        rig.settings.insert(QStringLiteral("Files/InitDir"), stored);
    rig.enterExample();
    rig.dialogs.answerNext(rig.path(QStringLiteral("saved")));
    rig.window->mnuFileSaveAs->trigger();
    rig.dialogs.cancelNext();

    rig.window->mnuFileOpen->trigger();

    const FileDialogRequest request = rig.dialogs.requests().last();
    QCOMPARE(request.kind, FileDialogKind::Open);
    QCOMPARE(request.title, QString());
    QCOMPARE(request.filterDescription, QStringLiteral("OCI files (*.oci)"));
    QCOMPARE(request.filterPattern, QStringLiteral("*.oci"));
    QCOMPARE(request.initialFolder,
             useProgramFolder ? QCoreApplication::applicationDirPath() : stored);
    QCOMPARE(request.fileName, rig.path(QStringLiteral("saved.oci"))); // the name last chosen
    QVERIFY(!rig.changed());

    // Save As now starts where Open started.
    rig.dialogs.cancelNext();
    rig.window->mnuFileSaveAs->trigger();
    QCOMPARE(rig.dialogs.requests().last().initialFolder, request.initialFolder);
}

void RecordCommandsTest::openQuestionAnswers_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("saveAs"); // -1 no Save As, 0 cancelled, 1 saved, 2 fails
    QTest::addColumn<bool>("opens");
    QTest::newRow("Cancel") << MessageAnswer::Cancel << -1 << false;
    QTest::newRow("No") << MessageAnswer::No << -1 << true;
    QTest::newRow("Yes, saved") << MessageAnswer::Yes << 1 << true;
    QTest::newRow("Yes, Save As cancelled") << MessageAnswer::Yes << 0 << false;
    QTest::newRow("Yes, save failed") << MessageAnswer::Yes << 2 << false;
}

void RecordCommandsTest::openQuestionAnswers() {
    QFETCH(MessageAnswer, answer);
    QFETCH(int, saveAs);
    QFETCH(bool, opens);
    RecordWindow rig;
    const QString file = rig.writeFile(QStringLiteral("client.oci"), kExampleBytes);
    rig.enter(QStringLiteral("Unsaved"), {2025, 1, 2}, QStringList(18, QStringLiteral("3")));
    const QStringList before = rig.snapshot();

    rig.messages.answerNext(answer);
    if (saveAs == 0)
        rig.dialogs.cancelNext();
    if (saveAs == 1)
        rig.dialogs.answerNext(rig.path(QStringLiteral("unsaved.oci")));
    if (saveAs == 2) {
        rig.dialogs.answerNext(rig.path(QStringLiteral("missing/unsaved.oci")));
        rig.messages.answerNext(MessageAnswer::Ok);
    }
    if (opens)
        rig.dialogs.answerNext(file);
    rig.window->mnuFileOpen->trigger();

    verifyQuestion(rig.messages.shown()[0], texts::kOpenQuestion);
    QCOMPARE(rig.messages.shown().size(), saveAs == 2 ? 2 : 1);
    QCOMPARE(rig.dialogs.pendingAnswers(), 0);
    QCOMPARE(rig.dialogs.requests().size(), (saveAs >= 0 ? 1 : 0) + (opens ? 1 : 0));
    if (saveAs == 1)
        QVERIFY(RecordWindow::contentOf(rig.path(QStringLiteral("unsaved.oci")))
                    .startsWith("\"Unsaved\",#2025-01-02#,\"3\""));
    if (opens) {
        QCOMPARE(rig.window->txtName->text(), QStringLiteral("Client 0427"));
        QVERIFY(!rig.changed());
    } else {
        QCOMPARE(rig.snapshot(), before);
        QVERIFY(rig.changed());
    }
}

void RecordCommandsTest::openOfABadFileLeavesTheWindowUntouched_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: the chosen name is a folder
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("startChanged");
    QByteArray nineteen = kExampleBytes;
    nineteen.chop(6); // ,"2" and CR LF
    QTest::newRow("nineteen fields") << nineteen << "Input past end of file" << true;
    QTest::newRow("date abc") << QByteArray(kExampleBytes).replace("#2026-03-14#", "abc")
                              << "Type mismatch" << false;
    QTest::newRow("a folder") << QByteArray() << "Is a directory" << true;
    QTest::newRow("date the picker cannot hold")
        << QByteArray(kExampleBytes).replace("2026-03-14", "1700-01-01")
        << "The date of the test, 1700-01-01, lies outside the dates the date picker can hold "
           "(1752-09-14 to 9999-12-31)"
        << false;
}

void RecordCommandsTest::openOfABadFileLeavesTheWindowUntouched() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, description);
    QFETCH(bool, startChanged);
    RecordWindow rig;
    const QString previous = rig.writeFile(QStringLiteral("previous.oci"), kExampleBytes);
    rig.dialogs.answerNext(previous);
    rig.window->mnuFileOpen->trigger();
    compute(rig);
    if (!startChanged)
        rig.window->RecordChanged(true);
    const QStringList before = rig.snapshot();

    QString bad = rig.path(QStringLiteral("bad.oci"));
    if (bytes.isEmpty())
        QDir(rig.folder.path()).mkdir(QStringLiteral("bad.oci"));
    else
        rig.writeFile(QStringLiteral("bad.oci"), bytes);
    if (startChanged)
        rig.messages.answerNext(MessageAnswer::No);
    rig.dialogs.answerNext(bad);
    rig.messages.answerNext(MessageAnswer::Ok);
    rig.window->mnuFileOpen->trigger();

    verifyNotice(rig.messages.shown().last(), unreadable(qPrintable(description)));
    QCOMPARE(rig.snapshot(), before);
    QCOMPARE(rig.changed(), startChanged);
    QCOMPARE(rig.commands().recordFile(), previous); // Save still goes to the record's own file
}

QTEST_MAIN(RecordCommandsTest)
#include "record_commands_test.moc"
