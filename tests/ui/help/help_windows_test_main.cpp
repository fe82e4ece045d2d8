// Runs the scoring-note and credits window tests in one QApplication.
#include <QApplication>

int runNoteWindowTests(int argc, char** argv);
int runCreditsWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    failures += runNoteWindowTests(argc, argv);
    failures += runCreditsWindowTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
