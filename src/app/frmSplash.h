#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace obrix::app {

// What the start-up needs from the rest of the program. main() passes the real steps; tests pass
// fakes that record what happens when.
struct StartupSteps {
    // Creates the main window and runs its load handler (which opens a record named on the command
    // line). The window must come back hidden; the splash shows it but does not own it. May
    // return nullptr, in which case start-up goes on without a main window.
    std::function<QWidget*()> loadMainWindow;

    // Makes sure record files open with this program. Runs on the user-interface thread while
    // the splash is up, once both windows are on screen; whatever it throws is swallowed, so it
    // can never stop start-up.
    std::function<void()> registerFileType;
};

// The splash window and the program's start-up object: Form_Load brings up the main window,
// shows the splash over it for about a second and registers the record file type meanwhile.
//
// A frameless white window centred on the screen, outside the taskbar. The user cannot dismiss
// it: clicks, keys and the window system's close requests are ignored, and Timer1 closes it. Once
// closed it deletes itself; it never keeps the program running nor ends it.
class frmSplash final : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(StartupSteps steps);
    ~frmSplash() override;

    // The start-up sequence, in this order: load the main window, show it, show the splash over
    // it, start Timer1 (1000 ms), register the file type. The registration waits for the
    // splash's first paint, so that asking the desktop never delays the windows appearing; it
    // runs from the event loop, before Timer1's tick closes the splash. Runs only once.
    void Form_Load();

    // Closes and deletes the splash, after the registration if that has not run yet; the main
    // window carries on alone.
    void Timer1_Timer();

    // The window that Form_Load loaded, or nullptr before it ran (not owned).
    QWidget* mainWindow() const { return mainWindow_; }

    // The controls exist once the splash has been polished (shown, or ensurePolished()).
    QFrame* fraMainFrame = nullptr;
    QLabel* Label2 = nullptr;         // the maker's tagline
    QLabel* Label1 = nullptr;         // the maker's name
    QLabel* picLogo = nullptr;        // the logo
    QLabel* lblProductName = nullptr; // first line of the title
    QLabel* Label3 = nullptr;         // second line of the title
    QLabel* lblCopyright = nullptr;
    QLabel* lblCompanyName = nullptr; // the maker's web address
    QTimer* Timer1 = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void centreOnScreen();
    void registerFileType();

    StartupSteps steps_;
    QPointer<QWidget> mainWindow_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool registrationQueued_ = false;
    bool registered_ = false;
};

} // namespace obrix::app
