#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    obrix::ui::frmMain window;
    window.show();
    return app.exec();
}
