#include "record_samples.h"
#include "records/record_format.h"

#include <gtest/gtest.h>

using namespace obrix::records;
using namespace obrix::records::testing;

namespace {

const std::string kExampleLine = "\"Client 0427\",#2026-03-14#,\"2\",\"1\",\"0\",\"3\",\"2\",\"1\","
                                 "\"0\",\"0\",\"1\",\"2\",\"4\",\"1\",\"0\",\"2\",\"3\",\"1\","
                                 "\"0\",\"2\"\r\n";
const std::string kEmptyItemsLine =
    "\"Client 0427\",#2026-03-14#,\"\",\"\",\"\",\"\",\"\",\"\","
    "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

TEST(RecordWriter, WorkedExamplesAreByteExact) {
    const std::string filled = encodeRecord(exampleRecord(kExampleAnswers));
    EXPECT_EQ(filled, kExampleLine);
    EXPECT_EQ(filled.size(), 100u);

    const std::string empty = encodeRecord(exampleRecord());
    EXPECT_EQ(empty, kEmptyItemsLine);
    EXPECT_EQ(empty.size(), 82u);
}

TEST(RecordWriter, SizeFollowsIdentifierLength) {
    for (const std::string identifier : {"", "A", "Clinic A, Room 3 - long identifier"}) {
        ClientRecord record = exampleRecord(kExampleAnswers);
        record.identifier = identifier;
        EXPECT_EQ(encodeRecord(record).size(), identifier.size() + 89) << identifier;
        record.items = {};
        EXPECT_EQ(encodeRecord(record).size(), identifier.size() + 71) << identifier;
    }
}

TEST(RecordWriter, DoublesInnerQuotesAndPadsTheDate) {
    ClientRecord record{"say \"hi\"", {987, 1, 5}, {}};
    record.items[17] = "\"";
    const std::string bytes = encodeRecord(record);
    EXPECT_TRUE(bytes.starts_with("\"say \"\"hi\"\"\",#0987-01-05#,")) << bytes;
    EXPECT_TRUE(bytes.ends_with(",\"\"\"\"\r\n")) << bytes;
}

TEST(RecordRoundTrip, EveryTextComesBackExactly) {
    const std::vector<std::string> texts = {
        "",
        "Clinic A, Room 3",
        "  blanks at both ends  ",
        "\ttab",
        "44",
        "9",
        "Zoë Ærø €",
        "say \"hi\"",
        "\"",
        "\"\"",
        "\",\"",
        "ends with\"",
        "two\r\nlines",
        "lone\rcr",
        "#2026-03-14#",
        "trailing,",
        "x\xC2\x81\xC2\x9D",
    };
    for (const std::string& text : texts) {
        ClientRecord record = exampleRecord(kExampleAnswers);
        record.identifier = text;
        record.items[0] = text;
        record.items[17] = text + text;
        const ReadResult result = decodeRecord(encodeRecord(record));
        ASSERT_TRUE(result.ok()) << text << ": " << result.error;
        EXPECT_EQ(*result.record, record) << text;
    }
}

TEST(RecordRoundTrip, CalendarEdgesComeBack) {
    for (const CalendarDate date : {CalendarDate{1, 1, 1}, CalendarDate{9999, 12, 31},
                                    CalendarDate{2024, 2, 29}, CalendarDate{2000, 2, 29}}) {
        ClientRecord record = exampleRecord();
        record.date = date;
        const ReadResult result = decodeRecord(encodeRecord(record));
        ASSERT_TRUE(result.ok()) << formatIsoDate(date) << ": " << result.error;
        EXPECT_EQ(result.record->date, date);
    }
}

TEST(CalendarDate, ValidityFollowsTheGregorianCalendar) {
    const struct {
        CalendarDate date;
        bool valid;
    } cases[] = {
        {{2024, 2, 29}, true},  {{2023, 2, 29}, false}, {{2000, 2, 29}, true},
        {{1900, 2, 29}, false}, {{2026, 4, 31}, false}, {{2026, 12, 31}, true},
        {{2026, 13, 1}, false}, {{2026, 0, 1}, false},  {{2026, 1, 0}, false},
        {{0, 1, 1}, false},     {{10000, 1, 1}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidDate(c.date), c.valid) << formatIsoDate(c.date);
}

} // namespace
