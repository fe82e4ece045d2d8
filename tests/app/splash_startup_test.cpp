// The start-up sequence run by the splash window: what happens in which order, how long the
// splash stays, that nothing the user does removes it early, and that it never decides whether
// the program keeps running.

#include "app/frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <memory>
#include <stdexcept>

using obrix::app::frmSplash;
using obrix::app::StartupSteps;

namespace {

// Records the show events of the windows it is told about, in the shared log.
class ShowRecorder final : public QObject {
public:
    explicit ShowRecorder(QStringList& log)
        : log_(log) {
        qApp->installEventFilter(this);
    }
    ~ShowRecorder() override { qApp->removeEventFilter(this); }

    void watch(QObject* window, const QString& name) { window->setProperty("recordedName", name); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString name = watched->property("recordedName").toString();
        if (event->type() == QEvent::Show && !name.isEmpty()) {
            log_ << QStringLiteral("show ") + name;
        }
        return false;
    }

private:
    QStringList& log_;
};

enum class Registration { Quiet, ThrowsStd, ThrowsOther };

// A splash made with fake steps, and the main window they produce. Cleans up whatever is left.
struct Rig {
    std::unique_ptr<QWidget> main;
    QPointer<frmSplash> splash;

    explicit Rig(StartupSteps steps)
        : splash(new frmSplash(std::move(steps))) {}
    ~Rig() { delete splash.data(); }
};

StartupSteps mainOnly(std::unique_ptr<QWidget>& main) {
    return {[&main] {
                main = std::make_unique<QWidget>();
                return main.get();
            },
            {}};
}

} // namespace

Q_DECLARE_METATYPE(Registration)

class SplashStartupTest : public QObject {
    Q_OBJECT

private slots:
    void runsTheStepsInOrder_data();
    void runsTheStepsInOrder();
    void staysAboutOneSecondThenLeavesTheMainWindow_data();
    void staysAboutOneSecondThenLeavesTheMainWindow();
    void cannotBeDismissedByTheUser_data();
    void cannotBeDismissedByTheUser();
    void loadsOnlyOnce();
    void closingTheMainWindowEndsTheProgramWhileTheSplashIsUp();
    void theSplashLeavingDoesNotEndTheProgram();
    void aMessageWhileTheMainWindowLoadsDoesNotEndTheProgram();
};

void SplashStartupTest::runsTheStepsInOrder_data() {
    QTest::addColumn<bool>("withMainWindow");
    QTest::addColumn<Registration>("registration");
    QTest::addColumn<QStringList>("expected");

    const QStringList full{"load main", "main loaded", "show main", "show splash",
                           "register (timer running, splash visible)"};
    QTest::newRow("normal start") << true << Registration::Quiet << full;
    QTest::newRow("registration throws std::exception") << true << Registration::ThrowsStd << full;
    QTest::newRow("registration throws something else")
        << true << Registration::ThrowsOther << full;
    QTest::newRow("no main window") << false << Registration::Quiet
                                    << QStringList{"load main", "main loaded", "show splash",
                                                   "register (timer running, splash visible)"};
}

void SplashStartupTest::runsTheStepsInOrder() {
    QFETCH(bool, withMainWindow);
    QFETCH(Registration, registration);
    QFETCH(QStringList, expected);

    QStringList log;
    ShowRecorder recorder(log);
    std::unique_ptr<QWidget> main;
    frmSplash* splashSeen = nullptr;

    StartupSteps steps;
    steps.loadMainWindow = [&]() -> QWidget* {
        log << "load main";
        if (withMainWindow) {
            main = std::make_unique<QWidget>();
            recorder.watch(main.get(), "main");
            // A window loaded with a record must still be hidden here.
            if (main->isVisible()) {
                log << "main visible while loading";
            }
        }
        log << "main loaded";
        return main.get();
    };
    steps.registerFileType = [&] {
        const bool timerRunning = splashSeen != nullptr && splashSeen->Timer1->isActive();
        const bool splashVisible = splashSeen != nullptr && splashSeen->isVisible();
        log << QStringLiteral("register (timer %1, splash %2)")
                   .arg(timerRunning ? "running" : "stopped", splashVisible ? "visible" : "hidden");
        switch (registration) {
        case Registration::Quiet:
            break;
        case Registration::ThrowsStd:
            throw std::runtime_error("registry refused");
        case Registration::ThrowsOther:
            throw 42;
        }
    };

    Rig rig(std::move(steps));
    splashSeen = rig.splash;
    recorder.watch(rig.splash, "splash");
    QVERIFY(!rig.splash->isVisible());
    QVERIFY(!rig.splash->Timer1->isActive());

    rig.splash->Form_Load();

    // The registration follows once the windows are on screen, still within the splash's second.
    QTRY_COMPARE_WITH_TIMEOUT(log, expected, 900);
    QCOMPARE(rig.splash->mainWindow(), main.get());
    // Whatever the registration did, the splash still goes at its tick.
    QTRY_VERIFY_WITH_TIMEOUT(rig.splash.isNull(), 5000);
    if (main) {
        QVERIFY(main->isVisible());
    }
}

void SplashStartupTest::staysAboutOneSecondThenLeavesTheMainWindow_data() {
    QTest::addColumn<int>("registrationMs");
    QTest::addColumn<int>("expectedMs");

    QTest::newRow("instant registration") << 0 << 1000;
    QTest::newRow("registration shorter than the second") << 300 << 1000;
    QTest::newRow("registration longer than the second") << 1300 << 1300;
}

void SplashStartupTest::staysAboutOneSecondThenLeavesTheMainWindow() {
    QFETCH(int, registrationMs);
    QFETCH(int, expectedMs);

    std::unique_ptr<QWidget> main;
    StartupSteps steps = mainOnly(main);
    steps.registerFileType = [registrationMs] {
        QThread::msleep(registrationMs);
    };
    Rig rig(std::move(steps));

    QElapsedTimer clock;
    clock.start();
    rig.splash->Form_Load();
    const qint64 loadReturnedAt = clock.elapsed();
    QVERIFY(rig.splash->isVisible());

    qint64 goneAt = -1;
    QObject::connect(rig.splash, &QObject::destroyed, [&] { goneAt = clock.elapsed(); });
    QTRY_VERIFY_WITH_TIMEOUT(goneAt >= 0, 5000);

    // Never before its second (measured from before the timer started, so a lower bound).
    QVERIFY2(goneAt >= expectedMs - 5, qPrintable(QString::number(goneAt)));
    // Not held back by a full extra second after a slow registration, either.
    QVERIFY2(goneAt - std::max<qint64>(loadReturnedAt, 1000) < 800,
             qPrintable(QString::number(goneAt)));
    QVERIFY(main->isVisible());
}

void SplashStartupTest::cannotBeDismissedByTheUser_data() {
    QTest::addColumn<QString>("action");

    for (const char* action :
         {"click on the window", "click on the logo", "click on a label", "double-click", "Escape",
          "Return", "Alt+F4", "Space", "window-system close event"}) {
        QTest::newRow(action) << QString::fromLatin1(action);
    }
}

void SplashStartupTest::cannotBeDismissedByTheUser() {
    QFETCH(QString, action);

    std::unique_ptr<QWidget> main;
    Rig rig(mainOnly(main));
    rig.splash->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(rig.splash));
    frmSplash& splash = *rig.splash;

    if (action == "click on the window") {
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(3, 3));
    } else if (action == "click on the logo") {
        QTest::mouseClick(splash.picLogo, Qt::LeftButton);
    } else if (action == "click on a label") {
        QTest::mouseClick(splash.Label1, Qt::LeftButton);
    } else if (action == "double-click") {
        QTest::mouseDClick(&splash, Qt::LeftButton);
    } else if (action == "Escape") {
        QTest::keyClick(&splash, Qt::Key_Escape);
    } else if (action == "Return") {
        QTest::keyClick(&splash, Qt::Key_Return);
    } else if (action == "Alt+F4") {
        QTest::keyClick(&splash, Qt::Key_F4, Qt::AltModifier);
    } else if (action == "Space") {
        QTest::keyClick(&splash, Qt::Key_Space);
    } else if (action == "window-system close event") {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::sendEvent(splash.windowHandle(), &event);
        QVERIFY(!event.isAccepted());
    }
    QTest::qWait(50);

    QVERIFY(!rig.splash.isNull());
    QVERIFY(rig.splash->isVisible());
    QVERIFY(rig.splash->Timer1->isActive());

    // Its tick still takes it away.
    rig.splash->Timer1_Timer();
    QTRY_VERIFY_WITH_TIMEOUT(rig.splash.isNull(), 2000);
}

void SplashStartupTest::loadsOnlyOnce() {
    int loads = 0;
    int registrations = 0;
    std::unique_ptr<QWidget> main;
    Rig rig({[&]() -> QWidget* {
                 ++loads;
                 main = std::make_unique<QWidget>();
                 return main.get();
             },
             [&] {
                 ++registrations;
             }});

    rig.splash->Form_Load();
    QWidget* first = rig.splash->mainWindow();
    rig.splash->Form_Load();
    QTRY_COMPARE(registrations, 1);
    QTest::qWait(50);

    QCOMPARE(loads, 1);
    QCOMPARE(registrations, 1);
    QCOMPARE(rig.splash->mainWindow(), first);
}

// The program ends when its last window closes; the splash must not count as one of them.
void SplashStartupTest::closingTheMainWindowEndsTheProgramWhileTheSplashIsUp() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    std::unique_ptr<QWidget> main;
    Rig rig(mainOnly(main));
    rig.splash->Form_Load();

    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    QTimer::singleShot(100, main.get(), &QWidget::close);
    QTimer::singleShot(5000, qApp, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    const int result = QCoreApplication::exec();

    QVERIFY(!timedOut);
    QCOMPARE(result, 0);
    QVERIFY2(clock.elapsed() < 1000, "the program should end at once, not at the splash's tick");
    QVERIFY(rig.splash.isNull() || !rig.splash->isVisible());
}

void SplashStartupTest::theSplashLeavingDoesNotEndTheProgram() {
    std::unique_ptr<QWidget> main;
    Rig rig(mainOnly(main));
    rig.splash->Form_Load();

    bool splashGoneInTime = false;
    QTimer::singleShot(1600, qApp, [&] {
        splashGoneInTime = rig.splash.isNull();
        QCoreApplication::exit(7); // only reached if nothing ended the loop before
    });
    QCOMPARE(QCoreApplication::exec(), 7);
    QVERIFY(splashGoneInTime);
    QVERIFY(main->isVisible());
}

// A bad record named on the command line is reported by a message box while the main window
// loads, before any other window is shown; closing that box must not count as closing the
// program's last window.
void SplashStartupTest::aMessageWhileTheMainWindowLoadsDoesNotEndTheProgram() {
    std::unique_ptr<QWidget> main;
    Rig rig({[&main] {
                 main = std::make_unique<QWidget>();
                 QMessageBox box(QMessageBox::NoIcon, "Obrix", "The record could not be read.",
                                 QMessageBox::Ok);
                 QTimer::singleShot(100, &box, &QMessageBox::accept);
                 box.exec();
                 return main.get();
             },
             {}});
    rig.splash->Form_Load();

    QTimer::singleShot(1500, qApp, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 7);
    QVERIFY(main->isVisible());
}

QTEST_MAIN(SplashStartupTest)
#include "splash_startup_test.moc"
