#include "cli/record_writer.h"

#include <array>
#include <string>

namespace obrix::cli {

std::unique_ptr<RecordWriter> makeRecordWriter(OutputFormat format, bool history) {
    switch (format) {
    case OutputFormat::Csv:
        return std::make_unique<CsvWriter>(history);
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>();
    case OutputFormat::Table:
        break;
    }
    return std::make_unique<TableWriter>();
}

std::string changeText(const std::optional<int>& change) {
    return change ? std::to_string(*change) : std::string();
}

std::string_view scaleKey(std::size_t scaleIndex) {
    static constexpr std::array<std::string_view, scoring::kScaleCount> kKeys = {
        "washing", "checking", "ordering", "obsessing", "hoarding", "neutralising", "total"};
    return kKeys.at(scaleIndex);
}

} // namespace obrix::cli
