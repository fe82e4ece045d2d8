#include "export/record_writer.h"
#include "export/text_escaping.h"
#include "scoring/number_format.h"

#include <string>

namespace obrix::exporting {

namespace {
// RFC 4180 ends every row, the last included, with CR LF.
constexpr std::string_view kRowEnd = "\r\n";
} // namespace

void CsvWriter::begin(std::string& out) {
    out += "file,identifier,date,group";
    for (std::size_t s = 0; s < scoring::kScaleCount; ++s) {
        for (const std::string_view column : {"_raw", "_z", "_percentile"}) {
            out += ',';
            out += scaleKey(s);
            out += column;
        }
    }
    if (history_)
        out += ",administration,total_change_from_first,total_change_from_previous,"
               "total_at_or_above_cutoff,ocd_scale_raw,hoarding_disorder_raw,"
               "ocd_scale_at_or_above_cutoff,hoarding_disorder_at_or_above_cutoff,"
               "total_reliable_change_from_first,recovered";
    out += kRowEnd;
}

void CsvWriter::write(std::string& out, const ScoredRecord& record) {
    appendCsvField(out, record.file);
    out += ',';
    appendCsvField(out, record.identifier);
    out += ',';
    out += record.date;
    out += ',';
    out += groupKeyword(record.group);
    for (const scoring::ScaleResult& scale : record.scales) {
        out += ',';
        out += std::to_string(scale.raw);
        out += ',';
        // A comma as decimal separator puts the number in quotes.
        appendCsvField(out, scoring::formatGeneral(scale.zScore, separator_));
        out += ',';
        if (scale.percentile)
            appendCsvField(out, scoring::formatGeneral(*scale.percentile, separator_));
    }
    if (history_ && record.history) {
        const ScoredRecord::HistoryColumns& history = *record.history;
        out += ',';
        out += std::to_string(history.administration);
        out += ',';
        out += changeText(history.totalChangeFromFirst);
        out += ',';
        out += changeText(history.totalChangeFromPrevious);
        out += ',';
        out += history.totalAtOrAboveCutoff ? "true" : "false";
        out += ',';
        out += std::to_string(history.split.ocd);
        out += ',';
        out += std::to_string(history.split.hoardingDisorder);
        for (const history::SplitScale scale :
             {history::SplitScale::Ocd, history::SplitScale::HoardingDisorder}) {
            out += ',';
            out += history.split.atOrAboveCutoff(scale) ? "true" : "false";
        }
        out += ',';
        if (history.totalReliableChangeFromFirst)
            out += reliableChangeKeyword(*history.totalReliableChangeFromFirst);
        out += ',';
        if (history.recovered)
            out += *history.recovered ? "true" : "false";
    }
    out += kRowEnd;
}

} // namespace obrix::exporting
