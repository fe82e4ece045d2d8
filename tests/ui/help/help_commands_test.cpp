// The main window's help commands: the note opens once however often it is asked for, and About
// holds the main window until the credits window is closed.

#include "app/main_window_parts.h"
#include "test_services.h"
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
    void everyWayToTheNoteOpensOneWindow() {
        testing::TestServices doubles;
        app::MainWindowParts parts(doubles.services());
        ui::frmMain& window = parts.window();
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
        testing::TestServices doubles;
        app::MainWindowParts parts(doubles.services());
        ui::frmMain& window = parts.window();
        window.show();
        bool sawCredits = false;
        QTimer::singleShot(0, [&] {
            auto* credits = qobject_cast<ui::frmCredits*>(QApplication::activeModalWidget());
            sawCredits = credits && credits->isModal() && credits->parentWidget() == &window;
            if (credits)
                credits->cmdVelmoorWebsite
                    ->click(); // the page opens through the program's browser service
            if (credits)
                credits->close();
        });
        window.mnuHelpAbout->trigger(); // returns once the credits window is closed
        QVERIFY(sawCredits);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(doubles.urls.requests.size(), 1);
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
