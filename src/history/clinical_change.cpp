#include "history/clinical_change.h"

#include "history/client_history.h"
#include "scoring/norms.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace obrix::history {

namespace {

// A change is reliable at the 95% level when it exceeds this many standard errors.
constexpr double kCriticalRatio = 1.96;
// Two-week test-retest reliability of the Total in the OCD group (n = 41).
constexpr double kTotalReliability = 0.82;

ChangeCriteria makeCriteria() {
    const std::size_t total = scoring::kScaleCount - 1;
    const scoring::Norm general =
        scoring::normTable(scoring::ComparisonGroup::GeneralPopulation)[total].zScore;
    const scoring::Norm ocd = scoring::normTable(scoring::ComparisonGroup::Ocd)[total].zScore;
    ChangeCriteria criteria{};
    criteria.reliability = kTotalReliability;
    criteria.standardErrorOfDiff = ocd.sd * std::sqrt(2 * (1 - kTotalReliability));
    criteria.criticalRatio = kCriticalRatio;
    // Totals are whole numbers: the least change whose ratio exceeds the critical one.
    criteria.smallestReliableChange =
        static_cast<int>(std::floor(kCriticalRatio * criteria.standardErrorOfDiff)) + 1;
    criteria.general = {general.mean, general.sd};
    criteria.ocd = {ocd.mean, ocd.sd};
    // Jacobson and Truax's c: the point between the two distributions weighted by their spread.
    criteria.clinicalCutoff =
        (ocd.sd * general.mean + general.sd * ocd.mean) / (ocd.sd + general.sd);
    return criteria;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string itemList(const std::vector<int>& items) {
    std::string text;
    for (const int item : items) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(item);
    }
    return text;
}

} // namespace

const std::array<Reference, 4>& references() {
    static const std::array<Reference, 4> all{{
        {kZendaro2002,
         "Zendaro (2002). The Obsessive-Compulsive Inventory: Development and validation of a "
         "short version. Psychological Assessment, 14(4), 485-496. "
         "https://doi.org/10.1037/1040-3590.14.4.485"},
        {kQuillane2015,
         "Quillane (2015). A contemporary psychometric evaluation of the Obsessive Compulsive "
         "Inventory-Revised (OCI-R). Psychological Assessment, 27(3), 874-882. "
         "https://doi.org/10.1037/pas0000075"},
        {kMarrowby2020,
         "Marrowby (2020). Severity benchmarks and contemporary clinical norms for the "
         "Obsessive-Compulsive Inventory-Revised (OCI-R). Journal of Obsessive-Compulsive and "
         "Related Disorders, 27, 100557. https://doi.org/10.1016/j.jocrd.2020.100557"},
        {kJacobsonTruax1991,
         "Jacobson and Truax (1991). Clinical significance: A statistical approach to defining "
         "meaningful change in psychotherapy research. Journal of Consulting and Clinical "
         "Psychology, 59(1), 12-19. https://doi.org/10.1037/0022-006X.59.1.12"},
    }};
    return all;
}

const std::array<SplitScaleInfo, kSplitScaleCount>& splitScaleTable() {
    static const std::array<SplitScaleInfo, kSplitScaleCount> table{{
        {SplitScale::Ocd,
         "OCD scale",
         "OCD",
         {2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18},
         60,
         12,
         {23.94, 12.11},
         {2.35, 3.54}},
        {SplitScale::HoardingDisorder,
         "Hoarding Disorder subscale",
         "Hoarding Disorder",
         {1, 7, 13},
         12,
         6,
         {9.29, 2.45},
         {1.32, 2.16}},
    }};
    return table;
}

const SplitScaleInfo& splitScaleInfo(SplitScale scale) {
    return splitScaleTable()[static_cast<std::size_t>(scale)];
}

SplitScores splitScores(const std::array<std::int16_t, scoring::kItemCount>& itemValues) {
    const auto sum = [&](SplitScale scale) {
        int total = 0;
        for (const int item : splitScaleInfo(scale).items)
            total += itemValues[static_cast<std::size_t>(item - 1)];
        return total;
    };
    return {sum(SplitScale::Ocd), sum(SplitScale::HoardingDisorder)};
}

const ChangeCriteria& changeCriteria() {
    static const ChangeCriteria criteria = makeCriteria();
    return criteria;
}

ReliableChange reliableChange(int change) {
    const ChangeCriteria& criteria = changeCriteria();
    if (std::abs(change) / criteria.standardErrorOfDiff <= criteria.criticalRatio)
        return ReliableChange::None;
    return change < 0 ? ReliableChange::Improved : ReliableChange::Deteriorated;
}

bool recovered(int firstTotal, int total) {
    return reliableChange(total - firstTotal) == ReliableChange::Improved &&
           total < changeCriteria().clinicalCutoff;
}

std::vector<SourcedFigure> sourcedFigures() {
    const ChangeCriteria& c = changeCriteria();
    std::vector<SourcedFigure> figures{
        {"Total cut-off (at or above)", kClinicalCutoff, 0, kZendaro2002},
    };
    for (const SeverityBand& band : kSeverityBands)
        if (band.lowest > 0)
            figures.push_back({"Lowest Total of the " + lowerCase(band.name) + " range",
                               static_cast<double>(band.lowest), 0, kMarrowby2020});
    for (const SplitScaleInfo& scale : splitScaleTable()) {
        const std::string name(scale.name);
        figures.push_back({name + " (items " + itemList(scale.items) + ") cut-off (at or above)",
                           static_cast<double>(scale.cutoff), 0, kQuillane2015});
        figures.push_back(
            {name + ", clinical mean", scale.clinical.mean, kAsPublished, kQuillane2015});
        figures.push_back({name + ", clinical SD", scale.clinical.sd, kAsPublished, kQuillane2015});
        figures.push_back(
            {name + ", community mean", scale.community.mean, kAsPublished, kQuillane2015});
        figures.push_back(
            {name + ", community SD", scale.community.sd, kAsPublished, kQuillane2015});
    }
    figures.insert(
        figures.end(),
        {
            {"Total, OCD sample: mean", c.ocd.mean, kAsPublished, kZendaro2002},
            {"Total, OCD sample: SD", c.ocd.sd, kAsPublished, kZendaro2002},
            {"Total, general population sample: mean", c.general.mean, kAsPublished, kZendaro2002},
            {"Total, general population sample: SD", c.general.sd, kAsPublished, kZendaro2002},
            {"Total, two-week test-retest reliability r in the OCD group (n = 41)", c.reliability,
             kAsPublished, kZendaro2002},
            {"Standard error of the difference SEdiff = SD(OCD) x sqrt(2 x (1 - r))",
             c.standardErrorOfDiff, 3, kJacobsonTruax1991},
            {"Reliable change at 95%: |change| / SEdiff above", c.criticalRatio, kAsPublished,
             kJacobsonTruax1991},
            {"Clinically significant cut-off c = (SD(OCD) x mean(general) + SD(general) x "
             "mean(OCD)) / (SD(OCD) + SD(general))",
             c.clinicalCutoff, 2, kJacobsonTruax1991},
        });
    return figures;
}

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
    std::array<char, 32> digits{};
    char* const end = digits.data() + digits.size();
    const auto written =
        decimals < 0 ? std::to_chars(digits.data(), end, value)
                     : std::to_chars(digits.data(), end, value, std::chars_format::fixed, decimals);
    std::string text(digits.data(), written.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string figureStatement(const SourcedFigure& figure, std::string_view decimalSeparator) {
    return figure.what + ": " + formatFixed(figure.value, figure.decimals, decimalSeparator) +
           " (" + std::string(figure.source) + ")";
}

std::vector<std::string> changeRules(std::string_view decimalSeparator) {
    const ChangeCriteria& c = changeCriteria();
    const std::string points = std::to_string(c.smallestReliableChange);
    return {
        "Reliable change: the Total changed from the first administration by " + points +
            " points or more (|change| / SEdiff above " +
            formatFixed(c.criticalRatio, kAsPublished, decimalSeparator) +
            "); a fall is an improvement, a rise a deterioration.",
        "Recovered: a reliable improvement from the first administration to a Total below c (" +
            formatFixed(c.clinicalCutoff, 2, decimalSeparator) + ").",
        std::string(kFiguresCaveat),
    };
}

} // namespace obrix::history
