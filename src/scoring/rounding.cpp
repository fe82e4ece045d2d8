#include "scoring/rounding.h"

#include <cmath>

namespace obrix::scoring {

double roundHalfEven(double x) {
    if (!std::isfinite(x))
        return x;
    const double lower = std::floor(x);
    const double fraction = x - lower; // exact for every finite double
    double rounded = lower;
    if (fraction > 0.5)
        rounded = lower + 1;
    else if (fraction == 0.5)
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return rounded == 0 ? std::copysign(0.0, x) : rounded;
}

double roundToHundredths(double x) {
    return roundHalfEven(x * 100) / 100;
}

std::optional<std::int16_t> toInt16HalfEven(double x) {
    const double rounded = roundHalfEven(x);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace obrix::scoring
