#include "cli/bare_numbers.h"

namespace obrix::cli {

namespace {
constexpr std::string_view kZScorePrefix = "Z Score = ";
constexpr std::string_view kPercentileSuffix = " Percentile";
} // namespace

std::string_view zScoreNumber(std::string_view zScoreText) {
    if (zScoreText.starts_with(kZScorePrefix))
        zScoreText.remove_prefix(kZScorePrefix.size());
    return zScoreText;
}

std::optional<std::string_view> percentileNumber(std::string_view percentileText) {
    if (!percentileText.ends_with(kPercentileSuffix))
        return std::nullopt;
    percentileText.remove_suffix(kPercentileSuffix.size());
    return percentileText;
}

} // namespace obrix::cli
