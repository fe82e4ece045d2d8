#pragma once

// One record with its results, as the output forms receive it.

#include "scoring/calculation.h"

#include <array>
#include <optional>
#include <string>

namespace obrix::cli {

struct ScoredRecord {
    std::string file;       // as named on the command line or found in a folder, UTF-8
    std::string identifier; // UTF-8
    std::string date;       // yyyy-mm-dd
    scoring::ComparisonGroup group = scoring::ComparisonGroup::GeneralPopulation;
    // The window's texts, in scale order: "6", "Z Score = 1.44", "92.45 Percentile" or "N/A".
    std::array<scoring::ScaleTexts, scoring::kScaleCount> texts;

    // With --history: the record's place in its client's history.
    struct HistoryColumns {
        int administration = 1;
        std::optional<int> totalChangeFromFirst; // empty for the first administration
        std::optional<int> totalChangeFromPrevious;
        bool totalAtOrAboveCutoff = false;
    };
    std::optional<HistoryColumns> history;
};

} // namespace obrix::cli
