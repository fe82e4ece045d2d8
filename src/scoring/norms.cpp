#include "scoring/norms.h"

namespace obrix::scoring {

const std::array<ScaleNorms, kScaleCount>& normTable(ComparisonGroup group) {
    // Washing, Checking, Ordering, Obsessing, Hoarding, Neutralising, Total.
    static const std::array<ScaleNorms, kScaleCount> general{{
        {{2.41, 2.5}, {2.41, 2.5}},
        {{2.91, 2.56}, {2.91, 2.56}},
        {{4.4, 3.03}, {4.41, 3.03}}, // the percentile uses the mean 4.41, the z-score 4.4
        {{2.86, 2.72}, {2.86, 2.72}},
        {{4.41, 2.67}, {4.41, 2.67}},
        {{1.82, 2.2}, {1.82, 2.2}},
        {{18.82, 11.1}, {18.82, 11.1}},
    }};
    static const std::array<ScaleNorms, kScaleCount> ocd{{
        {{4.35, 4.31}, {4.35, 4.31}},
        {{4.83, 3.86}, {4.83, 3.86}},
        {{4.76, 4}, {4.76, 4}},
        {{7.23, 3.84}, {7.23, 3.84}},
        {{3.67, 3.87}, {3.67, 3.87}},
        {{3.18, 3.81}, {3.18, 3.81}},
        {{28.01, 13.53}, {28.01, 13.53}},
    }};
    return group == ComparisonGroup::GeneralPopulation ? general : ocd;
}

} // namespace obrix::scoring
