#include "scoring/normal_distribution.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace obrix::scoring {

double normalCdf(double x, double mean, double sd) {
    if (!(sd > 0) || !std::isfinite(sd))
        throw std::invalid_argument("The standard deviation must be a positive number.");
    if (std::isnan(x) || std::isnan(mean))
        throw std::invalid_argument("The value and the mean must be numbers.");
    return 0.5 * std::erfc(-(x - mean) / (sd * std::numbers::sqrt2));
}

double BuiltInNormalDistribution::normalCdf(double x, double mean, double sd) {
    return scoring::normalCdf(x, mean, sd);
}

} // namespace obrix::scoring
