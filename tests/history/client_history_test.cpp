// Which files of a folder make up a client's history, in which order, and the change columns.
#include "history/client_history.h"

#include "../cli/temporary_folder.h"
#include "records/record_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace obrix::history;
using obrix::cli::testing::TemporaryFolder;
using obrix::records::CalendarDate;
using obrix::records::ClientRecord;

namespace {

// A record whose Total is 18 * item.
std::string recordBytes(const std::string& identifier, CalendarDate date, const std::string& item) {
    ClientRecord record{identifier, date, {}};
    record.items.fill(item);
    return obrix::records::encodeRecord(record);
}

std::vector<std::string> fileNames(const History& history) {
    std::vector<std::string> names;
    for (const Administration& each : history.administrations)
        names.push_back(each.file.filename().string());
    return names;
}

TEST(ClientHistory, KeepsTheClientsRecordsInDateThenFileOrderAndListsBadFiles) {
    TemporaryFolder folder;
    folder.write("c.oci", recordBytes("Client 7", {2026, 3, 1}, "1"));    // 18
    folder.write("b.oci", recordBytes(" Client 7\t", {2026, 1, 5}, "2")); // 36, blanks at ends
    folder.write("a.oci", recordBytes("Client 7", {2026, 3, 1}, "0"));    // same day as c.oci
    folder.write("d.OCI", recordBytes("Client 7", {2026, 4, 9}, "4"));    // 72, capital extension
    folder.write("other.oci", recordBytes("Client 70", {2026, 2, 1}, "2"));
    folder.write("other-bad.oci", recordBytes("Someone", {2026, 2, 1}, "9"));
    folder.write("range.oci", recordBytes("Client 7", {2026, 2, 1}, "5"));
    folder.write("short.oci", "\"Client 7\",#2026-02-01#,\"1\"\r\n");
    folder.write(".hidden.oci", recordBytes("Client 7", {2026, 2, 1}, "1"));
    folder.write("notes.txt", recordBytes("Client 7", {2026, 2, 1}, "1"));

    HistoryRequest request;
    request.folder = folder.path();
    request.identifier = "Client 7 ";
    const History history = readHistory(request);

    EXPECT_EQ(fileNames(history), (std::vector<std::string>{"b.oci", "a.oci", "c.oci", "d.OCI"}));
    EXPECT_EQ(history.filesRead, 8u);
    ASSERT_EQ(history.leftOut.size(), 2u);
    EXPECT_EQ(history.leftOut[0].file.filename(), "range.oci");
    EXPECT_EQ(history.leftOut[0].reason,
              "Only scores between 0 and 4 are possible for any individual item.");
    EXPECT_EQ(history.leftOut[1].file.filename(), "short.oci");
    EXPECT_EQ(history.leftOut[1].reason, "Input past end of file");

    struct Expected {
        int number, total;
        std::optional<int> fromFirst, fromPrevious;
        bool atOrAbove;
    };
    const std::vector<Expected> expected{{1, 36, {}, {}, true},
                                         {2, 0, -36, -36, false},
                                         {3, 18, -18, 18, false},
                                         {4, 72, 36, 54, true}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Administration& got = history.administrations[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(got.number, expected[i].number);
        EXPECT_EQ(got.total(), expected[i].total);
        EXPECT_EQ(got.changeFromFirst, expected[i].fromFirst);
        EXPECT_EQ(got.changeFromPrevious, expected[i].fromPrevious);
        EXPECT_EQ(got.atOrAboveCutoff(), expected[i].atOrAbove);
    }
}

TEST(ClientHistory, CutoffCountsTwentyOneAsAtOrAbove) {
    obrix::scoring::NormalDistributionSource statistics;
    for (const auto& [items, atOrAbove] :
         std::vector<std::pair<int, bool>>{{20, false}, {21, true}}) {
        ClientRecord record{"x", {2026, 1, 1}, {}};
        record.items.fill("0");
        for (int i = 0; i < items / 4; ++i)
            record.items[static_cast<std::size_t>(i)] = "4";
        record.items[5] = std::to_string(items % 4);
        const Scored scored = scoreRecord(
            "x.oci", record, obrix::scoring::ComparisonGroup::GeneralPopulation, statistics);
        ASSERT_TRUE(scored.administration);
        EXPECT_EQ(scored.administration->total(), items);
        EXPECT_EQ(scored.administration->atOrAboveCutoff(), atOrAbove);
    }
}

TEST(ClientHistory, GroupsClientsInOrderOfTheirFirstRecord) {
    obrix::scoring::NormalDistributionSource statistics;
    std::vector<Administration> all;
    const auto add = [&](const char* file, const char* identifier, CalendarDate date) {
        ClientRecord record{identifier, date, {}};
        record.items.fill("1");
        all.push_back(*scoreRecord(file, record, obrix::scoring::ComparisonGroup::Ocd, statistics)
                           .administration);
    };
    add("z.oci", "B", {2026, 5, 1});
    add("y.oci", "A", {2026, 5, 1});
    add("x.oci", " B ", {2026, 1, 1});
    const auto clients = groupByClient(std::move(all));
    ASSERT_EQ(clients.size(), 2u);
    ASSERT_EQ(clients[0].size(), 2u);
    EXPECT_EQ(clients[0][0].file, "x.oci");
    EXPECT_EQ(clients[0][1].number, 2);
    EXPECT_EQ(clients[1][0].file, "y.oci");
}

} // namespace
