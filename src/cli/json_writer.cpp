#include "cli/bare_numbers.h"
#include "cli/record_writer.h"
#include "cli/text_escaping.h"

#include <string>

namespace obrix::cli {

// The numbers go out as the window's texts hold them; the caller has them formatted with a
// period, which json requires. They never have an exponent, a "+" or a leading zero.

void JsonWriter::begin(std::string& out) {
    out += '[';
}

void JsonWriter::write(std::string& out, const ScoredRecord& record) {
    out += first_ ? "\n" : ",\n";
    first_ = false;
    out += "{\"file\":";
    appendJsonString(out, record.file);
    out += ",\"identifier\":";
    appendJsonString(out, record.identifier);
    out += ",\"date\":";
    appendJsonString(out, record.date);
    out += ",\"group\":";
    appendJsonString(out, groupKeyword(record.group));
    out += ",\"scales\":{";
    for (std::size_t s = 0; s < scoring::kScaleCount; ++s) {
        const scoring::ScaleTexts& texts = record.texts[s];
        if (s > 0)
            out += ',';
        appendJsonString(out, scaleKey(s));
        out += ":{\"raw\":";
        out += texts.raw;
        out += ",\"z\":";
        out += zScoreNumber(texts.zScore);
        out += ",\"percentile\":";
        const auto percentile = percentileNumber(texts.percentile);
        out += percentile ? *percentile : "null";
        out += '}';
    }
    out += '}';
    if (record.history) {
        const ScoredRecord::HistoryColumns& history = *record.history;
        const auto change = [](const std::optional<int>& value) {
            return value ? std::to_string(*value) : std::string("null");
        };
        out += ",\"administration\":" + std::to_string(history.administration);
        out += ",\"total_change_from_first\":" + change(history.totalChangeFromFirst);
        out += ",\"total_change_from_previous\":" + change(history.totalChangeFromPrevious);
        out += ",\"total_at_or_above_cutoff\":";
        out += history.totalAtOrAboveCutoff ? "true" : "false";
    }
    out += '}';
}

void JsonWriter::end(std::string& out) {
    out += first_ ? "]\n" : "\n]\n";
}

} // namespace obrix::cli
