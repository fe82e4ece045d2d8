#include "accessible_tree.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QWidget>

namespace obrix::ui::testing {

namespace {

QString describeNode(QAccessibleInterface* node) {
    const QObject* object = node->object();
    if (object != nullptr && !object->objectName().isEmpty())
        return object->objectName();
    return QStringLiteral("(%1)").arg(QString::number(node->role(), 16));
}

const QObject* controlOf(QAccessibleInterface* node) {
    const QObject* object = node->object();
    if (const auto* edit = qobject_cast<const QLineEdit*>(object))
        if (const auto* box = qobject_cast<const QComboBox*>(edit->parent()))
            return box;
    return object;
}

bool isDropDownList(QAccessibleInterface* node) {
    QAccessibleInterface* parent = node->parent();
    return node->role() == QAccessible::List && parent != nullptr &&
           parent->role() == QAccessible::ComboBox;
}

// An editable combo box is announced through its edit field, which holds the caret. On Linux Qt
// names the box itself by its value, as GTK does, and screen readers take its label from the
// "labelled by" relation instead; the field carries the control's own name everywhere.
bool isRepresentedByItsEditField(QAccessibleInterface* node) {
    if (node->role() != QAccessible::ComboBox)
        return false;
    for (int index = 0; index < node->childCount(); ++index)
        if (QAccessibleInterface* child = node->child(index);
            child != nullptr && child->role() == QAccessible::EditableText)
            return true;
    return false;
}

void walk(QAccessibleInterface* node, const QString& path, QList<FocusableNode>& found, int depth) {
    // Deeper than any window of the program; guards against a cycle in a broken tree.
    constexpr int kMaxDepth = 32;
    if (node == nullptr || !node->isValid() || depth > kMaxDepth || isDropDownList(node))
        return;
    const QString here =
        path.isEmpty() ? describeNode(node) : path + QStringLiteral(" > ") + describeNode(node);
    if (node->state().focusable && !isRepresentedByItsEditField(node))
        found.append({node, node->text(QAccessible::Name), controlOf(node), here});
    for (int index = 0; index < node->childCount(); ++index)
        walk(node->child(index), here, found, depth + 1);
}

} // namespace

QList<FocusableNode> focusableNodes(QWidget& window) {
    QList<FocusableNode> found;
    walk(QAccessible::queryAccessibleInterface(&window), QString(), found, 0);
    return found;
}

QStringList namingProblems(const QList<FocusableNode>& nodes) {
    QStringList problems;
    QMap<const QObject*, FocusableNode> byControl;
    QMap<QString, FocusableNode> byName;
    for (const FocusableNode& node : nodes) {
        if (node.name.trimmed().isEmpty()) {
            problems.append(QStringLiteral("no name: ") + node.path);
            continue;
        }
        // Nodes without an object of their own (menu entries, list items) stand for themselves.
        const QObject* control = node.control;
        if (control != nullptr && byControl.contains(control)) {
            const FocusableNode& first = byControl[control];
            if (first.name != node.name)
                problems.append(QStringLiteral("two names, \"%1\" and \"%2\": %3")
                                    .arg(first.name, node.name, node.path));
            continue;
        }
        if (control != nullptr)
            byControl.insert(control, node);
        if (byName.contains(node.name))
            problems.append(QStringLiteral("\"%1\" names both %2 and %3")
                                .arg(node.name, byName[node.name].path, node.path));
        else
            byName.insert(node.name, node);
    }
    return problems;
}

QAccessibleInterface* accessibleChild(QWidget& root, const QString& objectName) {
    auto* widget = root.findChild<QWidget*>(objectName);
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString spokenText(QAccessibleInterface* node) {
    if (node == nullptr)
        return QString();
    if (QAccessibleTextInterface* text = node->textInterface())
        return text->text(0, text->characterCount());
    return node->text(QAccessible::Value);
}

} // namespace obrix::ui::testing
