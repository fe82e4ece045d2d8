// obrix-score --history: each client's rows together, in date and then path order, with the
// history columns after the scores; bad records named on the error stream and left out.
#include "cli/batch_scorer.h"

#include "records/record_format.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace obrix::cli;
using obrix::cli::testing::TemporaryFolder;

namespace {

std::string recordBytes(const std::string& identifier, const std::string& date,
                        const std::string& item) {
    obrix::records::ClientRecord record{identifier, {}, {}};
    record.date = *obrix::records::parseIsoDateTime(date);
    record.items.fill(item);
    return obrix::records::encodeRecord(record);
}

// The rows of csv output, each cut down to its file name, identifier and the history columns.
std::vector<std::string> historyCells(const std::string& csv, const std::string& folder) {
    std::vector<std::string> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line); // header
    while (std::getline(lines, line)) {
        line.pop_back(); // CR
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');)
            cells.push_back(cell);
        if (line.back() == ',')
            cells.emplace_back();
        std::string row = cells[0].substr(folder.size() + 1) + "|" + cells[1];
        for (std::size_t i = cells.size() - 10; i < cells.size(); ++i)
            row += "|" + cells[i];
        rows.push_back(row);
    }
    return rows;
}

TEST(HistoryRun, GroupsClientsOrdersByDateThenPathAndAddsTheColumns) {
    TemporaryFolder folder;
    folder.write("1.oci", recordBytes("Ann", "2026-05-01", "2"));   // 36
    folder.write("2.oci", recordBytes("Bob", "2026-01-01", "1"));   // 18
    folder.write("3.oci", recordBytes(" Ann ", "2026-02-01", "1")); // 18
    folder.write("4.oci", recordBytes("Ann", "2026-05-01", "0"));   // same day as 1.oci
    folder.write("5.oci", recordBytes("Ann", "2026-03-01", "7"));   // out of range
    folder.write("6.oci", "\"Ann\",#abc#");

    Options options;
    options.format = OutputFormat::Csv;
    options.history = true;
    options.paths = {folder.path().string()};
    std::string output;
    std::string errors;
    BatchIo io;
    io.writeOutput = [&](std::string_view text) {
        output += text;
        return std::string();
    };
    io.writeError = [&](std::string_view text) {
        errors += text;
    };
    const BatchSummary summary =
        scoreBatch(options, collectRecordSources(options.paths, false), io);

    EXPECT_NE(output.find(",administration,total_change_from_first,total_change_from_previous,"
                          "total_at_or_above_cutoff,ocd_scale_raw,hoarding_disorder_raw,"
                          "ocd_scale_at_or_above_cutoff,hoarding_disorder_at_or_above_cutoff,"
                          "total_reliable_change_from_first,recovered\r\n"),
              std::string::npos);
    EXPECT_EQ(historyCells(output, folder.path().string()),
              (std::vector<std::string>{"3.oci| Ann |1|||false|15|3|true|false||",
                                        "1.oci|Ann|2|18|18|true|30|6|true|true|deteriorated|false",
                                        "4.oci|Ann|3|-18|-36|false|0|0|false|false|improved|true",
                                        "2.oci|Bob|1|||false|15|3|true|false||"}));
    EXPECT_NE(errors.find("5.oci: Only scores between 0 and 4"), std::string::npos);

    options.format = OutputFormat::Json;
    output.clear();
    scoreBatch(options, collectRecordSources(options.paths, false), io);
    EXPECT_NE(output.find("\"administration\":1,\"total_change_from_first\":null,"
                          "\"total_change_from_previous\":null,\"total_at_or_above_cutoff\":false,"
                          "\"ocd_scale_raw\":15,\"hoarding_disorder_raw\":3,"
                          "\"ocd_scale_at_or_above_cutoff\":true,"
                          "\"hoarding_disorder_at_or_above_cutoff\":false,"
                          "\"total_reliable_change_from_first\":null,\"recovered\":null}"),
              std::string::npos);
    EXPECT_NE(output.find("\"total_reliable_change_from_first\":\"improved\",\"recovered\":true}"),
              std::string::npos);
    EXPECT_NE(errors.find("6.oci: Type mismatch"), std::string::npos);
    EXPECT_EQ(summary.scored, 4u);
    EXPECT_EQ(summary.exitStatus(), 1);
}

} // namespace
