#pragma once

// The clinical reading of a client's administrations beyond the Total's cut-off: the 2015 split
// of the questionnaire into an OCD scale and a Hoarding Disorder subscale with their cut-offs,
// and the reliable and clinically significant change of the Total (Jacobson and Truax 1991).
// Every figure the markers rest on is kept here with its source, so that whatever shows a
// marker can also state what it rests on. Qt-free.

#include "scoring/calculation.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::history {

// Short names of the sources, as the figures cite them.
inline constexpr std::string_view kZendaro2002 = "Zendaro et al. (2002)";
inline constexpr std::string_view kQuillane2015 = "Quillane et al. (2015)";
inline constexpr std::string_view kMarrowby2020 = "Marrowby et al. (2020)";
inline constexpr std::string_view kJacobsonTruax1991 = "Jacobson and Truax (1991)";

struct Reference {
    std::string_view shortName;
    std::string_view citation;
};
// The full references of the sources above, in the order of their short names.
const std::array<Reference, 4>& references();

// A mean with its standard deviation.
struct MeanSd {
    double mean;
    double sd;
};

// The OCD scale (every item but 1, 7 and 13) and the Hoarding Disorder subscale (items 1, 7
// and 13), with the norms and cut-off of Quillane et al. (2015).
enum class SplitScale { Ocd, HoardingDisorder };
inline constexpr std::size_t kSplitScaleCount = 2;

struct SplitScaleInfo {
    SplitScale scale;
    std::string_view name;      // "OCD scale"
    std::string_view shortName; // "OCD" for narrow columns and legends
    std::vector<int> items;     // item numbers, 1-based
    int highest;                // 60
    int cutoff;                 // at or above suggests clinically relevant symptoms
    MeanSd clinical;            // diagnosed sample
    MeanSd community;           // community sample
};
const std::array<SplitScaleInfo, kSplitScaleCount>& splitScaleTable();
const SplitScaleInfo& splitScaleInfo(SplitScale scale);

struct SplitScores {
    int ocd = 0;
    int hoardingDisorder = 0;

    int operator[](SplitScale scale) const {
        return scale == SplitScale::Ocd ? ocd : hoardingDisorder;
    }
    bool atOrAboveCutoff(SplitScale scale) const {
        return (*this)[scale] >= splitScaleInfo(scale).cutoff;
    }
};

// The two split scores of validated item values (each 0 to 4).
SplitScores splitScores(const std::array<std::int16_t, scoring::kItemCount>& itemValues);

// Reliable change of the Total between two administrations, the later minus the earlier: a
// fall of the Total is an improvement.
enum class ReliableChange { None, Improved, Deteriorated };

// The figures of the change rules, derived from the norms of the program's OCD sample and the
// Total's test-retest reliability.
struct ChangeCriteria {
    double sdOcd;               // the Total's SD in the OCD sample: 13.53
    double reliability;         // r of the Total: 0.82
    double standardErrorOfDiff; // SD x sqrt(2 x (1 - r)) = 8.118
    double criticalRatio;       // 1.96: a change is reliable when |change| / SEdiff exceeds it
    int smallestReliableChange; // the least whole-point change that is reliable: 16
    MeanSd general;             // the Total in the general population sample
    MeanSd ocd;                 // the Total in the OCD sample
    double clinicalCutoff;      // c, between the two distributions: 22.96
};
const ChangeCriteria& changeCriteria();

ReliableChange reliableChange(int change);

// Reliable improvement from the first administration to a Total below c.
bool recovered(int firstTotal, int total);

inline constexpr int kAsPublished = -1;

// A figure stated beside the markers: what it is, its value, and its source.
struct SourcedFigure {
    std::string what; // "OCD scale cut-off (at or above)"
    double value;
    int decimals; // as the figure is stated
    std::string_view source;
};

// Every figure the history's cut-offs and change markers use, in reading order.
std::vector<SourcedFigure> sourcedFigures();

// "what: value (source)" with the value to its decimals and the given decimal separator.
std::string figureStatement(const SourcedFigure& figure, std::string_view decimalSeparator);

// The value to a number of decimals (kAsPublished: the shortest form that reads back as the
// value) with the given decimal separator: "22.96", "8,118", "11.1".
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator);

// The reliable-change and recovery rules in words, with their figures, and where the figures
// come from.
std::vector<std::string> changeRules(std::string_view decimalSeparator);

// A sentence on where the figures come from.
inline constexpr std::string_view kFiguresCaveat =
    "These figures come from secondary summaries of the papers.";

} // namespace obrix::history
