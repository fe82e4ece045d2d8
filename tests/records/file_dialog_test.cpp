// The services of the record commands: how a request becomes a QFileDialog, the default
// extension and the question it may need, and the read-only settings store.
#include "file_dialog_script.h"
#include "message_box_script.h"
#include "services/settings.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace obrix::services;
using obrix::services::MessageAnswer;
using obrix::testing::FileDialogScript;
using obrix::testing::MessageBoxScript;

namespace {

FileDialogRequest saveRequest(const QString& folder) {
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = QStringLiteral("Save File As ...");
    request.filterDescription = QStringLiteral("OCI files (*.OCI)");
    request.filterPattern = QStringLiteral("*.oci");
    request.initialFolder = folder;
    request.defaultSuffix = QStringLiteral("oci");
    request.confirmOverwrite = true;
    return request;
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void defaultSuffix_data();
    void defaultSuffix();
    void saveDialogIsSetUpAsRequested();
    void openDialogIsSetUpAsRequested();
    void suffixAddedAfterTheDialogAsksBeforeReplacing_data();
    void suffixAddedAfterTheDialogAsksBeforeReplacing();
    void settingsAreReadWithAFallback();
};

void FileDialogTest::defaultSuffix_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("completed");
    QTest::newRow("bare name") << "client27"
                               << "client27.oci";
    QTest::newRow("with folder") << "/tmp/x.y/client27"
                                 << "/tmp/x.y/client27.oci";
    QTest::newRow("has extension") << "/tmp/client27.oci"
                                   << "/tmp/client27.oci";
    QTest::newRow("other extension") << "client27.txt"
                                     << "client27.txt";
    QTest::newRow("upper case") << "CLIENT.OCI"
                                << "CLIENT.OCI";
    QTest::newRow("period inside") << "client.27"
                                   << "client.27";
    QTest::newRow("folder only") << "/tmp/"
                                 << "/tmp/";
    QTest::newRow("empty") << ""
                           << "";
}

void FileDialogTest::defaultSuffix() {
    QFETCH(QString, name);
    QFETCH(QString, completed);
    QCOMPARE(withDefaultSuffix(name, QStringLiteral("oci")), completed);
    QCOMPARE(withDefaultSuffix(name, QString()), name);
}

void FileDialogTest::saveDialogIsSetUpAsRequested() {
    QTemporaryDir folder;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, saveRequest(folder.path()));

    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Save File As ..."));
    // The description as it stands; the pattern in the case asked for.
    QCOMPARE(dialog.nameFilters(), QStringList{"OCI files (*.OCI) (*.oci)"});
    QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("oci"));
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.directory().absolutePath(), folder.path());

    // What the user types without an extension comes back with it.
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    field->setText(QStringLiteral("client27"));
    QCOMPARE(dialog.selectedFiles(), QStringList{folder.filePath(QStringLiteral("client27.oci"))});
}

void FileDialogTest::openDialogIsSetUpAsRequested() {
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("last.oci")));
    FileDialogRequest request;
    request.filterDescription = QStringLiteral("OCI files (*.oci)");
    request.filterPattern = QStringLiteral("*.oci");
    request.initialFolder = QStringLiteral("/");
    request.fileName = folder.filePath(QStringLiteral("last.oci"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString platformTitle = dialog.windowTitle();
    configureFileDialog(dialog, request);

    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog.windowTitle(), platformTitle);
    QCOMPARE(dialog.nameFilters(), QStringList{"OCI files (*.oci) (*.oci)"});
    // The name last chosen, in its own folder.
    QCOMPARE(dialog.directory().absolutePath(), folder.path());
    QCOMPARE(dialog.selectedFiles(), QStringList{request.fileName});
}

void FileDialogTest::suffixAddedAfterTheDialogAsksBeforeReplacing_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer"); // -1: no question expected
    QTest::addColumn<bool>("chosen");
    QTest::newRow("new file") << false << -1 << true;
    QTest::newRow("existing, Yes") << true << int(MessageAnswer::Yes) << true;
    QTest::newRow("existing, No") << true << int(MessageAnswer::No) << false;
}

void FileDialogTest::suffixAddedAfterTheDialogAsksBeforeReplacing() {
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, chosen);
    QTemporaryDir folder;
    const QString full = folder.filePath(QStringLiteral("client27.oci"));
    if (exists)
        touch(full);
    MessageBoxScript messages;
    if (answer >= 0)
        messages.answerNext(static_cast<MessageAnswer>(answer));
    FileDialogScript dialogs;
    // A platform dialog that ignored the default extension hands back the name as typed.
    dialogs.answerNext(folder.filePath(QStringLiteral("client27")));

    const FileDialogAnswer result = chooseFileName(dialogs, messages, saveRequest(folder.path()));

    QCOMPARE(result.has_value(), chosen);
    if (chosen)
        QCOMPARE(*result, full);
    QCOMPARE(messages.shown().size(), answer >= 0 ? 1 : 0);
    if (answer >= 0)
        QVERIFY(messages.shown()[0].text.startsWith(full + " already exists."));
}

void FileDialogTest::settingsAreReadWithAFallback() {
    QSettings settings(QStringLiteral("Obrix"), QStringLiteral("Obrix"));
    settings.clear();
    UserSettings user;
    const QString fallback = QStringLiteral("/program");
    QCOMPARE(user.read("Files", "InitDir", fallback), fallback);
    settings.setValue(QStringLiteral("Files/InitDir"), QString());
    settings.sync();
    QCOMPARE(user.read("Files", "InitDir", fallback), fallback);
    settings.setValue(QStringLiteral("Files/InitDir"), QStringLiteral("/srv/records"));
    settings.sync();
    QCOMPARE(user.read("Files", "InitDir", fallback), QStringLiteral("/srv/records"));
    QCOMPARE(user.read("Files", "Other", fallback), fallback);
    settings.clear();
}

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
