#pragma once

// The date-of-test picker: a date edit with a drop-down calendar that works from the keyboard as
// the platform's date picker does. One field (day, month or year) is selected at a time: Left and
// Right move to the previous or next field, round the end; Up and Down step the selected field and
// wrap within it (December goes on to January of the same year, the 31st of March to the 1st);
// digits and month names are typed as date_field_typing.h describes, and the date is whole at every
// moment. Tab leaves the control, as in every other control of the window. (QDateEdit on its own
// spends Tab on stepping through the fields, stops at a field's end and takes typing only into a
// selected field, and never a month number where the month shows as a name.)

#include <QDateEdit>

namespace obrix::ui {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void selectField(int index);
    // Handles a typed character in the selected field; false when it is not one for a field.
    bool typeIntoField(QChar typed);

    // The digits typed so far into pendingSection_.
    QString pending_;
    Section pendingSection_ = NoSection;
};

} // namespace obrix::ui
