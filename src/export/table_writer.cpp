#include "export/record_writer.h"
#include "export/text_escaping.h"
#include "history/client_history.h"
#include "scoring/result_texts.h"

#include <algorithm>
#include <array>
#include <string>

namespace obrix::exporting {

namespace {

using scoring::kScaleCount;

void appendPadded(std::string& out, std::string_view text, std::size_t width, bool right) {
    const std::size_t length = characterCount(text);
    const std::size_t padding = length < width ? width - length : 0;
    if (right)
        out.append(padding, ' ');
    out += text;
    if (!right)
        out.append(padding, ' ');
}

void appendLine(std::string& out, std::string_view label, std::string_view value) {
    out += label;
    out += ' ';
    out += value;
    out += '\n';
}

} // namespace

void TableWriter::write(std::string& out, const ScoredRecord& record) {
    if (!first_)
        out += '\n';
    first_ = false;

    appendLine(out, "File:", visibleText(record.file));
    appendLine(out, "Client Name:", visibleText(record.identifier));
    appendLine(out, "Date of Test:", record.date);
    appendLine(out, "Reference Sample:",
               record.group == scoring::ComparisonGroup::GeneralPopulation
                   ? "General Population Sample"
                   : "OCD Population Sample");

    // Columns as wide as their widest text, and at least as wide as usual figures ("72",
    // "Z Score = -1.01") need, so that the numbers line up within and across records.
    struct Texts {
        std::string raw, zScore, percentile;
    };
    std::array<Texts, kScaleCount> texts;
    std::size_t captionWidth = 0;
    std::size_t rawWidth = 2;
    std::size_t zWidth = 15;
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        const scoring::ScaleResult& scale = record.scales[s];
        texts[s] = {scoring::rawScoreText(scale.raw), scoring::zScoreText(scale.zScore, separator_),
                    scoring::percentileText(scale.percentile, separator_)};
        captionWidth = std::max(captionWidth, scoring::scaleTable()[s].caption.size());
        rawWidth = std::max(rawWidth, characterCount(texts[s].raw));
        zWidth = std::max(zWidth, characterCount(texts[s].zScore));
    }
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        appendPadded(out, scoring::scaleTable()[s].caption, captionWidth + 1, false);
        appendPadded(out, texts[s].raw, rawWidth, true);
        out += "   ";
        appendPadded(out, texts[s].zScore, zWidth, false);
        out += "   ";
        out += texts[s].percentile;
        out += '\n';
    }
    if (record.history) {
        const ScoredRecord::HistoryColumns& history = *record.history;
        const auto change = [](const std::optional<int>& value) {
            return value ? changeText(value) : std::string("-");
        };
        appendLine(out, "Administration:", std::to_string(history.administration));
        appendLine(out, "Total change from first:", change(history.totalChangeFromFirst));
        appendLine(out, "Total change from previous:", change(history.totalChangeFromPrevious));
        appendLine(out,
                   "Total at or above cut-off (" + std::to_string(history::kClinicalCutoff) + "):",
                   history.totalAtOrAboveCutoff ? "yes" : "no");
        for (const history::SplitScaleInfo& scale : history::splitScaleTable()) {
            const std::string name(scale.name);
            appendLine(out, name + ":", std::to_string(history.split[scale.scale]));
            appendLine(out, name + " at or above cut-off (" + std::to_string(scale.cutoff) + "):",
                       history.split.atOrAboveCutoff(scale.scale) ? "yes" : "no");
        }
        appendLine(out, "Total reliable change from first:",
                   history.totalReliableChangeFromFirst
                       ? std::string(reliableChangeKeyword(*history.totalReliableChangeFromFirst))
                       : std::string("-"));
        appendLine(out,
                   "Recovered:", history.recovered ? (*history.recovered ? "yes" : "no") : "-");
    }
}

} // namespace obrix::exporting
