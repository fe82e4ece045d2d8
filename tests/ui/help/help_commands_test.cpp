// The main window's help commands: the note opens once however often it is asked for, and About
// holds the main window until the credits window is closed.

#include "records/startup_command_line.h"
#include "ui/help/frmCredits.h"
#include "ui/help/frmNote.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace obrix;

namespace {

int visibleNotes() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<ui::frmNote*>(widget) && widget->isVisible())
            ++count;
    return count;
}

} // namespace

class HelpCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        records::setStartupCommandLineSource([] { return records::StartupCommandLine{}; });
    }

    void everyWayToTheNoteOpensOneWindow() {
        ui::frmMain window;
        window.cmdNote->click();
        window.mnuScoringNote->trigger();
        window.cmdNote->click();
        QCOMPARE(visibleNotes(), 1);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<ui::frmNote*>(widget)) {
                QVERIFY(!widget->parentWidget()); // independent of the main window
                widget->close();
            }
    }

    void aboutIsModalOverTheMainWindow() {
        ui::frmMain window;
        window.show();
        bool sawCredits = false;
        QTimer::singleShot(0, [&] {
            auto* credits = qobject_cast<ui::frmCredits*>(QApplication::activeModalWidget());
            sawCredits = credits && credits->isModal() && credits->parentWidget() == &window;
            if (credits)
                credits->close();
        });
        window.mnuHelpAbout->trigger(); // returns once the credits window is closed
        QVERIFY(sawCredits);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
