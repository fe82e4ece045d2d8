// The start-up open of a record named on the command line, and the question before the main
// window closes, however it is closed.
#include "record_window_fixture.h"

#include "record_commands/record_texts.h"
#include "records/record_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

#include <sys/stat.h>

using namespace obrix::records;
using namespace obrix::records::testing;
using obrix::services::MessageAnswer;
using obrix::services::MessageButtons;
using obrix::services::MessageIcon;
using obrix::services::StartupCommandLine;

Q_DECLARE_METATYPE(obrix::services::StartupCommandLine)

namespace {

// A file in a folder with blanks in its name, so that splitting at blanks would break it.
struct Files {
    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("My Records"));
    QString first = folder + QStringLiteral("/client one.oci");
    QString second = folder + QStringLiteral("/client two.oci");
    QString nineteen = folder + QStringLiteral("/nineteen.oci");
    QString pipe = folder + QStringLiteral("/pipe.oci");

    Files() {
        QDir().mkpath(folder);
        RecordWindow::writeBytes(first, kExampleBytes);
        RecordWindow::writeBytes(second,
                                 QByteArray(kExampleBytes).replace("Client 0427", "Client 0428"));
        QByteArray shortened = kExampleBytes;
        shortened.chop(6);
        RecordWindow::writeBytes(nineteen, shortened);
#ifndef _WIN32
        ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
#endif
    }
};

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

enum class Ending { Quietly, Asks };

} // namespace

class RecordStartupTest : public QObject {
    Q_OBJECT

private slots:
    void emptyCommandLineSetsToday();
    void commandLines_data();
    void commandLines();
    void closing_data();
    void closing();
    void everyWayOfClosingAsks_data();
    void everyWayOfClosingAsks();
};

void RecordStartupTest::emptyCommandLineSetsToday() {
    for (const StartupCommandLine& empty :
         {StartupCommandLine::fromArguments({}), StartupCommandLine::fromText(QString())}) {
        RecordWindow rig(empty);
        QCOMPARE(rig.window->DTPicker->date(), kToday);
        QVERIFY(rig.messages.shown().isEmpty());
        QVERIFY(!rig.changed());
        QCOMPARE(rig.commands().recordFile(), QString());
        QCOMPARE(rig.commands().dialogFolder(), QString());
    }
}

void RecordStartupTest::commandLines_data() {
    QTest::addColumn<StartupCommandLine>("commandLine");
    QTest::addColumn<QString>("opened");      // empty: the open fails
    QTest::addColumn<QString>("description"); // of the failure
    static const Files files;
    const QString missing = files.folder + QStringLiteral("/missing.oci");
    const auto text = [](const QString& argumentText) {
        return StartupCommandLine::fromText(argumentText);
    };
    const auto args = [](const QStringList& arguments) {
        return StartupCommandLine::fromArguments(arguments);
    };
    const QString notFound = QStringLiteral("No such file or directory");

    QTest::newRow("argument with blanks") << args({files.first}) << files.first << QString();
    QTest::newRow("argument still quoted")
        << args({quoted(files.first)}) << files.first << QString();
    QTest::newRow("two arguments")
        << args({files.first, files.second}) << files.second << QString();
    QTest::newRow("second argument missing")
        << args({files.first, missing}) << files.first << QString();
    QTest::newRow("missing file") << args({missing}) << QString() << notFound;
    // What is there but is no ordinary file is named for what it is, as File > Open does.
    QTest::newRow("folder") << args({files.folder}) << QString()
                            << QStringLiteral("Is a directory");
#ifndef _WIN32 // named pipes and devices in the file system
    QTest::newRow("named pipe") << args({files.pipe}) << QString()
                                << QStringLiteral("Not a regular file");
    QTest::newRow("device") << args({"/dev/null"}) << QString()
                            << QStringLiteral("Not a regular file");
#endif
    QTest::newRow("empty argument") << args({QString()}) << QString() << notFound;
    QTest::newRow("nineteen fields")
        << args({files.nineteen}) << QString() << QStringLiteral("Input past end of file");

    QTest::newRow("text: path with blanks") << text(files.first) << files.first << QString();
    QTest::newRow("text: quoted path") << text(quoted(files.first)) << files.first << QString();
    QTest::newRow("text: two quoted paths")
        << text(quoted(files.first) + " " + quoted(files.second)) << files.second << QString();
    QTest::newRow("text: only the first exists")
        << text(quoted(files.first) + " " + quoted(missing)) << files.first << QString();
    QTest::newRow("text: two unquoted paths")
        << text(files.first + " " + files.second) << QString() << notFound;
}

void RecordStartupTest::commandLines() {
    QFETCH(StartupCommandLine, commandLine);
    QFETCH(QString, opened);
    QFETCH(QString, description);
    const bool fails = opened.isEmpty();
    RecordWindow rig(commandLine, fails ? 1 : 0);
    if (fails) {
        QCOMPARE(rig.messages.shown().size(), 1);
        const obrix::services::Message& shown = rig.messages.shown()[0];
        QCOMPARE(shown.text,
                 QString::fromStdString(unreadableRecordMessage(description.toStdString())));
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.icon, MessageIcon::None);
        // The window opens as loaded, dated today.
        QCOMPARE(rig.window->txtName->text(), QString());
        QCOMPARE(rig.items(), QStringList(18, QString()));
        QCOMPARE(rig.window->DTPicker->date(), kToday);
        QCOMPARE(rig.commands().recordFile(), QString());
        QCOMPARE(rig.commands().dialogFolder(), QString());
    } else {
        QVERIFY(rig.messages.shown().isEmpty());
        QCOMPARE(rig.window->txtName->text(),
                 opened.endsWith("two.oci") ? "Client 0428" : "Client 0427");
        QCOMPARE(rig.window->DTPicker->date(), QDate(2026, 3, 14));
        QCOMPARE(rig.items(), kExampleAnswers);
        QCOMPARE(rig.commands().recordFile(), opened);
        QCOMPARE(rig.commands().dialogFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(rig.window->Frame1->isHidden());
        QVERIFY(rig.window->OpGeneral->isChecked());
    }
    QVERIFY(!rig.changed());
    // Nothing was touched: closing asks nothing (an unexpected question would abort the test).
    QVERIFY(rig.window->close());
}

void RecordStartupTest::closing_data() {
    QTest::addColumn<QString>("before"); // what happened to the window before it closes
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("saveAs"); // -1 none, 0 cancelled, 1 saved, 2 fails
    QTest::addColumn<bool>("closes");
    QTest::newRow("untouched") << "nothing" << MessageAnswer::Ok << -1 << true;
    QTest::newRow("opened, untouched") << "open" << MessageAnswer::Ok << -1 << true;
    QTest::newRow("computed, No") << "compute" << MessageAnswer::No << -1 << true;
    QTest::newRow("computed, Cancel") << "compute" << MessageAnswer::Cancel << -1 << false;
    QTest::newRow("computed, Yes, saved") << "compute" << MessageAnswer::Yes << 1 << true;
    QTest::newRow("computed, Yes, Save As cancelled")
        << "compute" << MessageAnswer::Yes << 0 << false;
    QTest::newRow("computed, Yes, save failed") << "compute" << MessageAnswer::Yes << 2 << false;
    QTest::newRow("after Start Again, Cancel") << "new" << MessageAnswer::Cancel << -1 << false;
}

void RecordStartupTest::closing() {
    QFETCH(QString, before);
    QFETCH(MessageAnswer, answer);
    QFETCH(int, saveAs);
    QFETCH(bool, closes);
    RecordWindow rig;
    rig.window->show();
    if (before == "open") {
        rig.dialogs.answerNext(rig.writeFile(QStringLiteral("a.oci"), kExampleBytes));
        rig.window->mnuFileOpen->trigger();
    } else if (before == "compute") {
        for (QComboBox* box : rig.window->itemBoxes())
            box->setEditText(QStringLiteral("2"));
        rig.window->cmdCompute_Click();
    } else if (before == "new") {
        rig.window->cmdNew_Click();
    }
    const bool asks = before != "nothing" && before != "open";
    const QStringList state = rig.snapshot();

    if (asks)
        rig.messages.answerNext(answer);
    if (saveAs == 0)
        rig.dialogs.cancelNext();
    if (saveAs == 1)
        rig.dialogs.answerNext(rig.path(QStringLiteral("saved")));
    if (saveAs == 2) {
        rig.dialogs.answerNext(rig.path(QStringLiteral("missing/saved")));
        rig.messages.answerNext(MessageAnswer::Ok);
    }
    rig.window->cmdExit->click();

    QCOMPARE(rig.window->isVisible(), !closes);
    QCOMPARE(rig.messages.pendingAnswers(), 0);
    QCOMPARE(rig.dialogs.pendingAnswers(), 0);
    if (asks)
        QCOMPARE(rig.messages.shown()[0].text, texts::kCloseQuestion);
    else
        QVERIFY(rig.messages.shown().isEmpty());
    if (saveAs == 1) {
        QVERIFY(RecordWindow::contentOf(rig.path(QStringLiteral("saved.oci")))
                    .endsWith("\"2\",\"2\"\r\n"));
        QVERIFY(!rig.changed());
    }
    if (!closes) {
        QCOMPARE(rig.snapshot(), state);
        QVERIFY(rig.changed());
    }
}

void RecordStartupTest::everyWayOfClosingAsks_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("close box") << "close";
    QTest::newRow("Exit button") << "button";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("Ctrl+X") << "key";
}

void RecordStartupTest::everyWayOfClosingAsks() {
    QFETCH(QString, way);
    RecordWindow rig;
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window));
    rig.window->txtName->setText(QStringLiteral("edited"));
    rig.messages.answerNext(MessageAnswer::Cancel);
    if (way == "close")
        rig.window->close();
    else if (way == "button")
        rig.window->cmdExit->click();
    else if (way == "menu")
        rig.window->mnuFileExit->trigger();
    else
        QTest::keyClick(rig.window->txtName, Qt::Key_X, Qt::ControlModifier);

    QCOMPARE(rig.messages.shown().size(), 1);
    QCOMPARE(rig.messages.shown()[0].text, texts::kCloseQuestion);
    QCOMPARE(rig.messages.shown()[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(rig.messages.shown()[0].icon, MessageIcon::Question);
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.window->txtName->text(), QStringLiteral("edited"));
}

QTEST_MAIN(RecordStartupTest)
#include "record_startup_test.moc"
