// The program's real start-up as main() assembles it: application settings, the main window the
// splash loads, and how long the program lives with the windows it opens.

#include "app/frmSplash.h"
#include "app/startup.h"
#include "ui/help/frmNote.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

using obrix::app::frmSplash;
using obrix::app::programStartupSteps;
using obrix::ui::frmMain;

namespace {

// The real steps, except the registration: a test must not change the desktop's settings.
obrix::app::StartupSteps stepsWithoutRegistration(std::unique_ptr<frmMain>& owner) {
    obrix::app::StartupSteps steps = programStartupSteps(owner);
    steps.registerFileType = {};
    return steps;
}

} // namespace

class StartupWiringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowCarriesTheProgramIcon();
    void loadsTheMainWindowHiddenAndHandsOverOwnership();
    void aNoteWindowKeepsTheProgramRunningAfterTheMainWindowCloses();
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
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));

    frmMain window;
    QCOMPARE(window.windowIcon().cacheKey(), icon.cacheKey());
}

void StartupWiringTest::loadsTheMainWindowHiddenAndHandsOverOwnership() {
    std::unique_ptr<frmMain> owner;
    const obrix::app::StartupSteps steps = programStartupSteps(owner);
    QVERIFY(steps.loadMainWindow);
    QVERIFY(steps.registerFileType);

    QWidget* loaded = steps.loadMainWindow();

    QVERIFY(loaded != nullptr);
    QCOMPARE(loaded, owner.get());
    QVERIFY(!loaded->isVisible());
    QCOMPARE(loaded->windowTitle(), QStringLiteral("Obrix"));
}

void StartupWiringTest::aNoteWindowKeepsTheProgramRunningAfterTheMainWindowCloses() {
    std::unique_ptr<frmMain> owner;
    const QPointer<frmSplash> splash = new frmSplash(stepsWithoutRegistration(owner));
    splash->Form_Load();
    QVERIFY(owner && owner->isVisible());
    const QPointer<obrix::ui::frmNote> note = obrix::ui::showScoringNote();

    bool mainClosed = false;
    bool runningAfterMainClosed = false;
    bool timedOut = false;
    QTimer::singleShot(1300, qApp, [&] {
        QVERIFY(splash.isNull());
        mainClosed = owner->close();
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

QTEST_MAIN(StartupWiringTest)
#include "startup_wiring_test.moc"
