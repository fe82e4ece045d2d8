#include "ui/menu_shortcut_priority.h"

#include <QKeyEvent>
#include <QWidget>

namespace obrix::ui {

void MenuShortcutPriority::attachTree(QWidget* root) {
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool MenuShortcutPriority::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!shortcuts_.contains(QKeySequence(key->keyCombination())))
        return false;
    // Not accepted: the box does not get the key, the shortcut map does.
    key->ignore();
    return true;
}

} // namespace obrix::ui
