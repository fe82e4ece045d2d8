// The program's real start-up as main() assembles it: application settings, the main window the
// splash loads, and how long the program lives with the windows it opens.

#include "app/frmSplash.h"
#include "app/startup.h"
#include "test_services.h"
#include "ui/help/frmCredits.h"
#include "ui/help/frmNote.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <initializer_list>
#include <memory>
#include <thread>

using obrix::app::frmSplash;
using obrix::app::MainWindowParts;
using obrix::app::programStartupSteps;
using obrix::ui::frmMain;

namespace {

// The real steps, except the registration: a test must not change the desktop's settings.
obrix::app::StartupSteps stepsWithoutRegistration(obrix::testing::TestServices& doubles,
                                                  std::unique_ptr<MainWindowParts>& owner) {
    obrix::app::StartupSteps steps = programStartupSteps(doubles.services(), owner);
    steps.registerFileType = {};
    return steps;
}

// Notes what the main window holds at the moment it is first shown.
class FirstShowProbe final : public QObject {
public:
    FirstShowProbe() { qApp->installEventFilter(this); }
    ~FirstShowProbe() override { qApp->removeEventFilter(this); }

    bool shown = false;
    QString name;
    QDate date;
    QStringList items;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<frmMain*>(watched);
        if (window != nullptr && event->type() == QEvent::Show && !shown) {
            shown = true;
            name = window->txtName->text();
            date = window->DTPicker->date();
            for (const QComboBox* box : window->itemBoxes()) {
                items << box->currentText();
            }
        }
        return false;
    }
};

} // namespace

class StartupWiringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowCarriesTheProgramIcon();
    void loadsTheMainWindowHiddenAndHandsOverOwnership();
    void aNoteWindowKeepsTheProgramRunningAfterTheMainWindowCloses();
    void opensTheRecordOnTheCommandLineBeforeAnyWindowShows();
    void enterPressesTheFocusedButtonInEveryWindow();
    void registersWithoutHoldingUpTheWindows();

private:
    // None of these starts should show a message; one that does ends the run loudly instead of
    // waiting for a click.
    obrix::testing::TestServices doubles_;
};

void StartupWiringTest::initTestCase() {
    obrix::app::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void StartupWiringTest::everyWindowCarriesTheProgramIcon() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Obrix"));
    QVERIFY(QApplication::quitOnLastWindowClosed());

    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));

    frmMain window(doubles_.services());
    QCOMPARE(window.windowIcon().cacheKey(), icon.cacheKey());
}

void StartupWiringTest::loadsTheMainWindowHiddenAndHandsOverOwnership() {
    std::unique_ptr<MainWindowParts> owner;
    const obrix::app::StartupSteps steps = programStartupSteps(doubles_.services(), owner);
    QVERIFY(steps.loadMainWindow);
    QVERIFY(steps.registerFileType);

    QWidget* loaded = steps.loadMainWindow();

    QVERIFY(loaded != nullptr);
    QCOMPARE(loaded, &owner->window());
    QVERIFY(!loaded->isVisible());
    QCOMPARE(loaded->windowTitle(), QStringLiteral("Obrix"));
}

void StartupWiringTest::aNoteWindowKeepsTheProgramRunningAfterTheMainWindowCloses() {
    std::unique_ptr<MainWindowParts> owner;
    const QPointer<frmSplash> splash = new frmSplash(stepsWithoutRegistration(doubles_, owner));
    splash->Form_Load();
    QVERIFY(owner && owner->window().isVisible());
    const QPointer<obrix::ui::frmNote> note = obrix::ui::showScoringNote();

    bool mainClosed = false;
    bool runningAfterMainClosed = false;
    bool timedOut = false;
    QTimer::singleShot(1300, qApp, [&] {
        QVERIFY(splash.isNull());
        mainClosed = owner->window().close();
    });
    QTimer::singleShot(1700, qApp, [&] {
        runningAfterMainClosed = true;
        if (note) {
            note->close();
        }
    });
    QTimer::singleShot(8000, qApp, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QElapsedTimer clock;
    clock.start();
    const int result = QCoreApplication::exec();

    QVERIFY(!timedOut);
    QCOMPARE(result, 0);
    QVERIFY(mainClosed);
    QVERIFY(runningAfterMainClosed);
    QVERIFY(clock.elapsed() >= 1700);
    delete splash.data();
}

// As when the shell starts the program for a double-clicked record in a folder with blanks.
void StartupWiringTest::opensTheRecordOnTheCommandLineBeforeAnyWindowShows() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("client records/client 7.oci"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray line = "\"Client 7\",#2024-03-05#";
    QStringList expectedItems;
    for (int item = 1; item <= 18; ++item) {
        const QByteArray rating = QByteArray::number(item % 5);
        line += ",\"" + rating + "\"";
        expectedItems << QString::fromLatin1(rating);
    }
    file.write(line + "\r\n");
    file.close();

    doubles_.commandLine.commandLine = obrix::services::StartupCommandLine::fromArguments({path});
    FirstShowProbe probe;
    std::unique_ptr<MainWindowParts> owner;
    const QPointer<frmSplash> splash = new frmSplash(stepsWithoutRegistration(doubles_, owner));
    splash->Form_Load();

    QVERIFY(probe.shown);
    QCOMPARE(probe.name, QStringLiteral("Client 7"));
    QCOMPARE(probe.date, QDate(2024, 3, 5));
    QCOMPARE(probe.items, expectedItems);
    QVERIFY(!owner->window().RecordChanged(false));
    doubles_.commandLine.commandLine = {};
    delete splash.data();
}

void StartupWiringTest::enterPressesTheFocusedButtonInEveryWindow() {
    frmMain main(doubles_.services());
    obrix::ui::frmCredits credits(nullptr, doubles_.urls);
    int presses = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &credits}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            // Only the press is under test, not the command behind it.
            QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
            QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        }
        // In a text box Enter presses no button, not even the one focused last.
        for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
            QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(presses, 2 * (4 + 2)); // four buttons in the main window, two in the credits
}

// The registration may take long on a slow desktop: it runs on another thread, and the step that
// starts it returns at once.
void StartupWiringTest::registersWithoutHoldingUpTheWindows() {
    QSemaphore release;
    std::atomic<bool> finished = false;
    std::thread::id ranOn;
    obrix::app::registerInBackground([&] {
        ranOn = std::this_thread::get_id();
        release.tryAcquire(1, 10000);
        finished = true;
    });
    QVERIFY(!finished);
    release.release();
    QTRY_VERIFY(finished);
    QVERIFY(ranOn != std::this_thread::get_id());
}

QTEST_MAIN(StartupWiringTest)
#include "startup_wiring_test.moc"
