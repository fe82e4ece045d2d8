#pragma once

// The date the machine's clock gives, behind a replaceable source so that tests can fix "today".

#include <QDate>

#include <functional>

namespace obrix::ui {

using TodaySource = std::function<QDate()>;

// Today's local date from the current source.
QDate today();

// Replaces the source (empty: the system clock). Returns the previous one.
TodaySource setTodaySource(TodaySource source);

} // namespace obrix::ui
