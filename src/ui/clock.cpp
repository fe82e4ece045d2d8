#include "ui/clock.h"

#include <utility>

namespace obrix::ui {

namespace {

TodaySource& source() {
    static TodaySource current;
    return current;
}

} // namespace

QDate today() {
    return source() ? source()() : QDate::currentDate();
}

TodaySource setTodaySource(TodaySource replacement) {
    return std::exchange(source(), std::move(replacement));
}

} // namespace obrix::ui
