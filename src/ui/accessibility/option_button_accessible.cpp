#include "ui/accessibility/option_button_accessible.h"

#include "ui/accessibility/accessible_names.h"

#include <QAccessibleWidget>
#include <QRadioButton>

namespace obrix::ui {

namespace {

constexpr char kClickOnToggleProperty[] = "obrixClickOnToggle";

class OptionButtonAccessible final : public QAccessibleWidget {
public:
    explicit OptionButtonAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = spokenCaption(button()->text());
        return text;
    }

    QStringList actionNames() const override {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (button()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* optionButtonFactory(const QString& /*className*/, QObject* object) {
    auto* button = qobject_cast<QRadioButton*>(object);
    if (button != nullptr && button->property(kClickOnToggleProperty).toBool())
        return new OptionButtonAccessible(button);
    return nullptr;
}

} // namespace

void clickOnToggle(QRadioButton& button) {
    // Factories installed later are asked first, so this one comes before Qt's widget factory.
    static const bool installed = [] {
        QAccessible::installFactory(&optionButtonFactory);
        return true;
    }();
    (void)installed;
    button.setProperty(kClickOnToggleProperty, true);

    // Qt keeps one interface per widget, made the first time anyone asked for it (with a screen
    // reader running, setting the caption already does). Drop an interface of the standard kind
    // so that the next request goes through the factory above.
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&button);
    if (current != nullptr && dynamic_cast<OptionButtonAccessible*>(current) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

} // namespace obrix::ui
