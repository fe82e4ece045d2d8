// Runs the accessibility tree tests of all windows in one QApplication.
#include <QApplication>

int runMainWindowAccessibilityTests(int argc, char** argv);
int runOtherWindowsAccessibilityTests(int argc, char** argv);
int runOptionButtonAccessibleTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    failures += runMainWindowAccessibilityTests(argc, argv);
    failures += runOtherWindowsAccessibilityTests(argc, argv);
    failures += runOptionButtonAccessibleTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
