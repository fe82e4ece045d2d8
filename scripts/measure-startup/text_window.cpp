// The yardstick: a bare Qt Widgets window that shows one line of text, built like the program and
// as large as its main window. It loads its font before it maps, as every window with text does.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Obsessive-Compulsive Inventory"));
    // Sized from its text, as a window with a layout is, so that its font is loaded before the
    // window maps; at least as large as the main window.
    window.resize(window.sizeHint().expandedTo(QSize(730, 640)));
    window.show();
    return QApplication::exec();
}
