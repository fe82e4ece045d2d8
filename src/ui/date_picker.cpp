#include "ui/date_picker.h"

namespace obrix::ui {

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent) {
    setCalendarPopup(true);
}

bool DatePicker::focusNextPrevChild(bool next) {
    // Skip QDateTimeEdit's field stepping: move on to the next control.
    return QWidget::focusNextPrevChild(next);
}

} // namespace obrix::ui
