#pragma once

// The whole OCI-R computation behind the Compute button: validation of the 18 item texts,
// raw scores, z-scores and percentiles against the chosen norm sample. The texts the window
// shows are made from these numbers by result_texts.h.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace obrix::scoring {

inline constexpr int kItemCount = 18;
inline constexpr int kScaleCount = 7;

// Item n's text is at index n - 1, UTF-8, exactly as the item box holds it.
using ItemTexts = std::array<std::string, kItemCount>;

// Always handled in this order: it is the order of computing, writing and the result rows.
enum class Scale { Washing, Checking, Ordering, Obsessing, Hoarding, Neutralising, Total };

enum class ComparisonGroup { GeneralPopulation, Ocd };

struct ScaleInfo {
    Scale scale;
    std::string_view name;      // "Washing"
    std::string_view caption;   // "Washing:" as the results panel shows it
    std::string_view boxSuffix; // "Wash": the boxes txtWash, txtZScoreWash, txtPercentWash
    std::array<int, 3> items;   // item numbers (1-based); all zero for the Total (every item)
};

// The seven scales in order.
const std::array<ScaleInfo, kScaleCount>& scaleTable();

enum class ValidationError { None, EmptyItem, OutOfRange };

// "All boxes must contain data." or "Only scores between 0 and 4 are possible for any
// individual item."; empty for None.
std::string_view validationMessage(ValidationError error);

// The normal-distribution component that supplies the percentiles.
class NormalDistribution {
public:
    virtual ~NormalDistribution() = default;
    // Probability of a value at or below x under N(mean, sd). Throws std::exception on failure.
    virtual double normalCdf(double x, double mean, double sd) = 0;
};

// Owns the component: creates it the first time a percentile needs it and reuses it after.
class NormalDistributionSource {
public:
    // The factory may throw (or return null) to report that the component cannot be created.
    using Factory = std::function<std::unique_ptr<NormalDistribution>()>;

    NormalDistributionSource(); // the built-in implementation
    explicit NormalDistributionSource(Factory factory);

    NormalDistribution& get(); // throws std::exception when creation fails
    bool created() const { return component_ != nullptr; }

private:
    Factory factory_;
    std::unique_ptr<NormalDistribution> component_;
};

struct ScaleResult {
    int raw = 0;       // 0..12 for a subscale, 0..72 for the Total
    double zScore = 0; // rounded to two decimals, halves to even
    // Rounded like the z-score; none when the raw score is 0 (and for the scales after a
    // failure of the component, see Calculation::percentilesDone).
    std::optional<double> percentile;
};

// Outcome of one computation.
// - validation != None: nothing was computed; the window shows validationMessage() and changes
//   nothing.
// - otherwise raw and zScore of all seven scales are set, and the percentiles of the first
//   percentilesDone scales. When the component failed, percentilesDone < kScaleCount and
//   failure holds its description: the window writes what was computed and does not switch panels.
struct Calculation {
    ValidationError validation = ValidationError::None;
    std::array<ScaleResult, kScaleCount> scales{};
    int percentilesDone = 0;
    std::string failure;

    bool complete() const {
        return validation == ValidationError::None && percentilesDone == kScaleCount;
    }
};

// Numbers in the item texts are always read with a period.
Calculation calculate(const ItemTexts& items, ComparisonGroup group,
                      NormalDistributionSource& statistics);

} // namespace obrix::scoring
