#pragma once

// Enter and the keypad's Enter press the focused push button, in every window of the program, as
// they do on the platform the program comes from. Qt's push buttons react to Enter only as the
// "auto-default" buttons of a dialog; the main window is no dialog, so without this filter only
// Space would press its buttons. Installed once on the application, the filter acts on a key press
// that a push button receives and leaves all other widgets alone (the item boxes keep dropping
// Enter). Buttons that already take Enter themselves (a dialog's, a message box's) are left to
// do so, so no press is counted twice.

#include <QObject>

class QApplication;

namespace obrix::ui {

class EnterPressesFocusedButton final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the filter on the application, owned by it.
void installEnterPressesFocusedButton(QApplication& app);

} // namespace obrix::ui
