#include "scoring/result_texts.h"

#include "scoring/number_format.h"

namespace obrix::scoring {

std::string rawScoreText(int raw) {
    return std::to_string(raw);
}

std::string zScoreText(double zScore, std::string_view decimalSeparator) {
    return "Z Score = " + formatGeneral(zScore, decimalSeparator);
}

std::string percentileText(const std::optional<double>& percentile,
                           std::string_view decimalSeparator) {
    if (!percentile)
        return "N/A";
    return formatGeneral(*percentile, decimalSeparator) + " Percentile";
}

} // namespace obrix::scoring
