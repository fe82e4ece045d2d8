#pragma once

// Text boxes claim some Ctrl keys for themselves (Ctrl+A select all, Ctrl+X cut, ...) through
// Qt's ShortcutOverride, which would keep the window's menu shortcuts from firing while the caret
// is in a box. This filter declines that claim for the window's own shortcuts, so Ctrl+A and
// Ctrl+X run their menu commands from anywhere in the window and never reach the box.

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <utility>

class QWidget;

namespace obrix::ui {

class MenuShortcutPriority : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void setShortcuts(QList<QKeySequence> shortcuts) { shortcuts_ = std::move(shortcuts); }
    // Installs the filter on the widget and every widget inside it.
    void attachTree(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> shortcuts_;
};

} // namespace obrix::ui
