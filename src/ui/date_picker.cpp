#include "ui/date_picker.h"

#include "ui/date_field_typing.h"

#include <QKeyEvent>

#include <optional>

namespace obrix::ui {

namespace {

std::optional<DateField> dateField(QDateTimeEdit::Section section) {
    switch (section) {
    case QDateTimeEdit::DaySection:
        return DateField::Day;
    case QDateTimeEdit::MonthSection:
        return DateField::Month;
    case QDateTimeEdit::YearSection:
        return DateField::Year;
    default:
        return std::nullopt;
    }
}

bool plain(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent) {
    setCalendarPopup(true);
    setWrapping(true);
}

bool DatePicker::focusNextPrevChild(bool next) {
    // Skip QDateTimeEdit's field stepping: move on to the next control.
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::selectField(int index) {
    const int count = sectionCount();
    setSelectedSection(sectionAt((index % count + count) % count));
}

bool DatePicker::typeIntoField(QChar typed) {
    const Section section = currentSection();
    const std::optional<DateField> field = dateField(section);
    if (!field)
        return false;
    if (section != pendingSection_)
        pending_.clear();
    const FieldTyping result = typeIntoDateField(date(), *field, pending_, typed, locale());
    pending_ = result.pending;
    pendingSection_ = section;
    // A date the picker cannot hold would be pulled to its limit: keep the one shown instead.
    if (result.date >= minimumDate() && result.date <= maximumDate())
        setDate(result.date);
    setSelectedSection(section);
    return true;
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && plain(*event)) {
        pending_.clear();
        selectField(currentSectionIndex() + (key == Qt::Key_Right ? 1 : -1));
        return;
    }
    const QString text = event->text();
    const bool printable =
        text.size() == 1 && text.front().isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && typeIntoField(text.front()))
        return;
    // Separators, other characters and deleting keys would only leave a broken date behind.
    if (printable || key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return;
    pending_.clear();
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    pending_.clear();
    QDateEdit::focusOutEvent(event);
}

} // namespace obrix::ui
