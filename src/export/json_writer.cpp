#include "export/record_writer.h"
#include "export/text_escaping.h"
#include "scoring/number_format.h"

#include <string>

namespace obrix::exporting {

namespace {
// The window's general number format with the period json requires: it never has an exponent,
// a "+" or a leading zero.
std::string jsonNumber(double value) {
    return scoring::formatGeneral(value, ".");
}
} // namespace

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
        const scoring::ScaleResult& scale = record.scales[s];
        if (s > 0)
            out += ',';
        appendJsonString(out, scaleKey(s));
        out += ":{\"raw\":";
        out += std::to_string(scale.raw);
        out += ",\"z\":";
        out += jsonNumber(scale.zScore);
        out += ",\"percentile\":";
        out += scale.percentile ? jsonNumber(*scale.percentile) : "null";
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
        const auto boolean = [](bool value) {
            return value ? "true" : "false";
        };
        out += ",\"total_at_or_above_cutoff\":";
        out += boolean(history.totalAtOrAboveCutoff);
        out += ",\"ocd_scale_raw\":" + std::to_string(history.split.ocd);
        out += ",\"hoarding_disorder_raw\":" + std::to_string(history.split.hoardingDisorder);
        out += ",\"ocd_scale_at_or_above_cutoff\":";
        out += boolean(history.split.atOrAboveCutoff(history::SplitScale::Ocd));
        out += ",\"hoarding_disorder_at_or_above_cutoff\":";
        out += boolean(history.split.atOrAboveCutoff(history::SplitScale::HoardingDisorder));
        out += ",\"total_reliable_change_from_first\":";
        if (history.totalReliableChangeFromFirst)
            appendJsonString(out, reliableChangeKeyword(*history.totalReliableChangeFromFirst));
        else
            out += "null";
        out += ",\"recovered\":";
        out += history.recovered ? boolean(*history.recovered) : "null";
    }
    out += '}';
}

void JsonWriter::end(std::string& out) {
    out += first_ ? "]\n" : "\n]\n";
}

} // namespace obrix::exporting
