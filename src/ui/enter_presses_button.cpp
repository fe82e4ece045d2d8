#include "ui/enter_presses_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace obrix::ui {

bool EnterPressesFocusedButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || button->autoDefault())
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // As an auto-default button does: pressed at once, on every key press, whatever modifier is
    // held, so that the buttons of all windows behave alike.
    button->click();
    return true;
}

void installEnterPressesFocusedButton(QApplication& app) {
    app.installEventFilter(new EnterPressesFocusedButton(&app));
}

} // namespace obrix::ui
