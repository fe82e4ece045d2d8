#pragma once

// A client's history: the administrations of one client, each scored with the window's own
// computation, ordered by date of test and then by file path, with the Total's change from the
// first and from the previous administration, whether it reaches the clinical cut-off, the OCD
// and Hoarding Disorder scales, and the Total's reliable change from the first administration.
// Qt-free: the history window and obrix-score --history share it.

#include "history/clinical_change.h"
#include "records/client_record.h"
#include "scoring/calculation.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::history {

// A Total raw score at or above this suggests clinically relevant symptoms (Zendaro et al. 2002).
inline constexpr int kClinicalCutoff = 21;

// Published severity ranges of the Total raw score (Marrowby et al. 2020), lowest first.
struct SeverityBand {
    std::string_view name; // "Mild"
    int lowest;
    int highest;
};
inline constexpr std::array<SeverityBand, 3> kSeverityBands{{
    {"Mild", 0, 15},
    {"Moderate", 16, 27},
    {"Severe", 28, 72},
}};

struct Administration {
    std::filesystem::path file;
    records::ClientRecord record;
    std::array<scoring::ScaleResult, scoring::kScaleCount> scales; // in scale order; Total last
    int number = 0;                                                // 1 for the first, 2, ...
    std::optional<int> changeFromFirst;                            // empty for the first
    std::optional<int> changeFromPrevious;                         // empty for the first
    SplitScores split;                                             // OCD and Hoarding Disorder
    std::optional<ReliableChange> reliableChangeFromFirst;         // empty for the first
    std::optional<bool> recovered;                                 // empty for the first

    int total() const { return scales.back().raw; }
    bool atOrAboveCutoff() const { return total() >= kClinicalCutoff; }
};

// A file that is not in the history, and why.
struct LeftOut {
    std::filesystem::path file;
    std::string reason;
};

// The identifier without the blanks (spaces and tabs) at both ends: two records belong to the
// same client when these are equal.
std::string_view clientKey(std::string_view identifier);

// Scores one record as the window does; the reason is set when its items fail validation or
// the normal-distribution component fails.
struct Scored {
    std::optional<Administration> administration;
    std::string reason;
};
Scored scoreRecord(const std::filesystem::path& file, const records::ClientRecord& record,
                   scoring::ComparisonGroup group, scoring::NormalDistributionSource& statistics);

// Orders one client's administrations by date of test, then by file path (byte order), and
// numbers them and fills the change columns, reliable change and recovery included.
void orderAdministrations(std::vector<Administration>& administrations);

// Puts the administrations of each client together, clients in the order their first record
// came, each client's ordered and numbered as orderAdministrations does.
std::vector<std::vector<Administration>> groupByClient(std::vector<Administration> all);

// The record files of a folder: names ending in ".oci" in any letter case, not hidden, regular
// files (or links to them), in byte order of their names. Throws std::filesystem::filesystem_error
// when the folder cannot be listed.
std::vector<std::filesystem::path> recordFilesIn(const std::filesystem::path& folder);

struct History {
    std::vector<Administration> administrations; // ordered and numbered
    std::vector<LeftOut> leftOut;                // in file order
    std::size_t filesRead = 0;
    bool cancelled = false;
};

struct HistoryRequest {
    std::filesystem::path folder;
    std::string identifier;
    scoring::ComparisonGroup group = scoring::ComparisonGroup::GeneralPopulation;
    // Told how many files are done of how many after each one; returning false stops the read.
    std::function<bool(std::size_t done, std::size_t total)> progress;
};

// Reads every record file of the folder and keeps those of the client. A file that cannot be
// read is left out with its reason whoever it belongs to (it may be this client's); a record of
// the client whose items fail validation is left out with the validation message. Records of
// other clients are passed over silently. A folder that cannot be listed throws as
// recordFilesIn does.
History readHistory(const HistoryRequest& request);

} // namespace obrix::history
