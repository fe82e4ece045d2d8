// The yardstick: an empty Qt Widgets window, built like the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
