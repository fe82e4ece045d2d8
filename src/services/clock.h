#pragma once

// The date the machine's clock gives; tests fix "today" with a clock of their own.

#include <QDate>

namespace obrix::services {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's local date.
    virtual QDate today() = 0;

protected:
    Clock() = default;
    Clock(const Clock&) = default;
    Clock& operator=(const Clock&) = default;
};

class SystemClock final : public Clock {
public:
    QDate today() override;
};

} // namespace obrix::services
