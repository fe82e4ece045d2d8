#include "cli/record_writer.h"

#include <array>

namespace obrix::cli {

std::unique_ptr<RecordWriter> makeRecordWriter(OutputFormat format) {
    switch (format) {
    case OutputFormat::Csv:
        return std::make_unique<CsvWriter>();
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>();
    case OutputFormat::Table:
        break;
    }
    return std::make_unique<TableWriter>();
}

std::string_view scaleKey(std::size_t scaleIndex) {
    static constexpr std::array<std::string_view, scoring::kScaleCount> kKeys = {
        "washing", "checking", "ordering", "obsessing", "hoarding", "neutralising", "total"};
    return kKeys.at(scaleIndex);
}

} // namespace obrix::cli
