#pragma once

// Walks a window's accessibility tree the way a screen reader sees it, through QAccessible only.

#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace obrix::ui::testing {

// A node of the tree that can take the keyboard focus.
struct FocusableNode {
    QAccessibleInterface* node = nullptr;
    QString name;
    // The control the node belongs to: an item box's edit field belongs to its combo box.
    const QObject* control = nullptr;
    // Where it is, for failure messages: "frmMain > clientArea > Combo3 > (EditableText)".
    QString path;
};

// Every focusable node under the window, hidden ones included (a hidden panel's boxes must be
// named before they are shown). A combo box's drop-down list is left out: its entries are the
// ratings "0" to "4", named by themselves and the same in every item box. An editable combo box
// is represented by its edit field.
QList<FocusableNode> focusableNodes(QWidget& window);

// What a screen-reader user would trip over: nodes without a name, one control announced under
// two names, two controls under the same name. Empty when all is well.
QStringList namingProblems(const QList<FocusableNode>& nodes);

// The interface of a widget found by its object name under root; nullptr when there is none.
QAccessibleInterface* accessibleChild(QWidget& root, const QString& objectName);

// The text of a node as a screen reader reads it: through its text interface where it has one,
// else its value.
QString spokenText(QAccessibleInterface* node);

} // namespace obrix::ui::testing
