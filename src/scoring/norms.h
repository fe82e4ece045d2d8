#pragma once

// The published norms of the two comparison samples.

#include "scoring/calculation.h"

#include <array>

namespace obrix::scoring {

struct Norm {
    double mean;
    double sd;
};

struct ScaleNorms {
    Norm zScore;     // for z = (raw - mean) / sd
    Norm percentile; // passed to NormalCdf; differs only for Ordering in the general population
};

// The norms of group for the seven scales in scale order.
const std::array<ScaleNorms, kScaleCount>& normTable(ComparisonGroup group);

} // namespace obrix::scoring
