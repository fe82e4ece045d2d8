#pragma once

// One record with its results, as the output forms receive it.

#include "history/client_history.h"
#include "scoring/calculation.h"

#include <array>
#include <optional>
#include <string>

namespace obrix::exporting {

struct ScoredRecord {
    std::string file;       // as named on the command line or found in a folder, UTF-8
    std::string identifier; // UTF-8
    std::string date;       // yyyy-mm-dd
    scoring::ComparisonGroup group = scoring::ComparisonGroup::GeneralPopulation;
    std::array<scoring::ScaleResult, scoring::kScaleCount> scales; // in scale order

    // With --history: the record's place in its client's history.
    struct HistoryColumns {
        int administration = 1;
        std::optional<int> totalChangeFromFirst; // empty for the first administration
        std::optional<int> totalChangeFromPrevious;
        bool totalAtOrAboveCutoff = false;
        history::SplitScores split; // the OCD scale and the Hoarding Disorder subscale
        std::optional<history::ReliableChange> totalReliableChangeFromFirst; // empty for the first
        std::optional<bool> recovered;                                       // empty for the first
    };
    std::optional<HistoryColumns> history;
};

// An administration of a client's history with its history columns; file is its name as shown.
ScoredRecord scoredRecord(const history::Administration& administration,
                          scoring::ComparisonGroup group, std::string file);

} // namespace obrix::exporting
