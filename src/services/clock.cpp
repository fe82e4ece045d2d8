#include "services/clock.h"

namespace obrix::services {

QDate SystemClock::today() {
    return QDate::currentDate();
}

} // namespace obrix::services
