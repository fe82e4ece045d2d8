#pragma once

// The built-in normal-distribution component that supplies the percentiles.

#include "scoring/calculation.h"

namespace obrix::scoring {

// Probability of a value at or below x under the normal distribution N(mean, sd):
// 0.5 * erfc(-(x - mean) / (sd * sqrt(2))), accurate in both tails.
// Throws std::invalid_argument when sd is not a positive finite number or an argument is NaN.
double normalCdf(double x, double mean, double sd);

// The component NormalDistributionSource creates by default.
class BuiltInNormalDistribution final : public NormalDistribution {
public:
    double normalCdf(double x, double mean, double sd) override;
};

} // namespace obrix::scoring
