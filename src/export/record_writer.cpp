#include "export/record_writer.h"

#include "records/calendar_date.h"

#include <array>
#include <string>
#include <utility>

namespace obrix::exporting {

std::string changeText(const std::optional<int>& change) {
    return change ? std::to_string(*change) : std::string();
}

std::string_view groupKeyword(scoring::ComparisonGroup group) {
    return group == scoring::ComparisonGroup::GeneralPopulation ? "general" : "ocd";
}

ScoredRecord scoredRecord(const history::Administration& administration,
                          scoring::ComparisonGroup group, std::string file) {
    return {std::move(file),
            administration.record.identifier,
            records::formatIsoDate(administration.record.date),
            group,
            administration.scales,
            ScoredRecord::HistoryColumns{administration.number, administration.changeFromFirst,
                                         administration.changeFromPrevious,
                                         administration.atOrAboveCutoff(), administration.split,
                                         administration.reliableChangeFromFirst,
                                         administration.recovered}};
}

std::string_view reliableChangeKeyword(history::ReliableChange change) {
    switch (change) {
    case history::ReliableChange::Improved:
        return "improved";
    case history::ReliableChange::Deteriorated:
        return "deteriorated";
    case history::ReliableChange::None:
        break;
    }
    return "none";
}

std::string_view scaleKey(std::size_t scaleIndex) {
    static constexpr std::array<std::string_view, scoring::kScaleCount> kKeys = {
        "washing", "checking", "ordering", "obsessing", "hoarding", "neutralising", "total"};
    return kKeys.at(scaleIndex);
}

} // namespace obrix::exporting
