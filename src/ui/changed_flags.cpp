#include "ui/changed_flags.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace obrix::ui {

namespace {

template <typename Widget, typename Signal> void track(Widget* control, Signal signal) {
    control->setProperty(kDataChangedProperty, false);
    QObject::connect(control, signal, control,
                     [control] { control->setProperty(kDataChangedProperty, true); });
}

} // namespace

void trackDataChanged(QLineEdit* box) {
    track(box, &QLineEdit::textChanged);
}
void trackDataChanged(QComboBox* box) {
    track(box, &QComboBox::editTextChanged);
}
void trackDataChanged(QPlainTextEdit* box) {
    track(box, &QPlainTextEdit::textChanged);
}
void trackDataChanged(QDateEdit* picker) {
    track(picker, &QDateEdit::dateChanged);
}

bool hasDataChangedFlag(const QWidget* control) {
    return control->property(kDataChangedProperty).isValid();
}

bool dataChanged(const QWidget* control) {
    return control->property(kDataChangedProperty).toBool();
}

void setDataChanged(QWidget* control, bool changed) {
    if (hasDataChangedFlag(control))
        control->setProperty(kDataChangedProperty, changed);
}

} // namespace obrix::ui
