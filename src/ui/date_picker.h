#pragma once

// The date-of-test picker: a date edit with a drop-down calendar whose Tab key leaves the control,
// as in every other control of the window. (QDateEdit on its own spends Tab on stepping through
// the day, month and year fields; the arrow keys still do that here.)

#include <QDateEdit>

namespace obrix::ui {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace obrix::ui
