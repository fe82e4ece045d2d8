// The three output forms, byte for byte, for records scored by the window's computation.
#include "export/record_writer.h"

#include "scoring/calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace obrix::exporting;
using obrix::scoring::ComparisonGroup;

namespace {

ScoredRecord scored(std::string file, std::string identifier, std::string date,
                    const std::string& item, ComparisonGroup group) {
    obrix::scoring::ItemTexts items;
    items.fill(item);
    obrix::scoring::NormalDistributionSource statistics;
    const auto result = obrix::scoring::calculate(items, group, statistics);
    EXPECT_TRUE(result.complete());
    return {std::move(file), std::move(identifier), std::move(date),
            group,           result.scales,         std::nullopt};
}

// All items 2 against the general population: every percentile present.
ScoredRecord allTwosGeneral() {
    return scored("a.oci", "Client 0427", "2026-03-14", "2", ComparisonGroup::GeneralPopulation);
}

// All items 0 against the OCD sample: no percentile ("N/A").
ScoredRecord allZerosOcd() {
    return scored("dir/b.oci", "Clinic A, Room 3", "2026-01-02", "0", ComparisonGroup::Ocd);
}

enum class Form { Table, Csv, Json };

std::string written(Form form, const std::vector<ScoredRecord>& records,
                    const std::string& separator = ".") {
    TableWriter table(separator);
    CsvWriter csv(false, separator);
    JsonWriter json;
    RecordWriter& writer = form == Form::Table ? static_cast<RecordWriter&>(table)
                           : form == Form::Csv ? static_cast<RecordWriter&>(csv)
                                               : json;
    std::string out;
    writer.begin(out);
    for (const ScoredRecord& record : records)
        writer.write(out, record);
    writer.end(out);
    return out;
}

const std::string kCsvHeader =
    "file,identifier,date,group,washing_raw,washing_z,washing_percentile,checking_raw,"
    "checking_z,checking_percentile,ordering_raw,ordering_z,ordering_percentile,obsessing_raw,"
    "obsessing_z,obsessing_percentile,hoarding_raw,hoarding_z,hoarding_percentile,"
    "neutralising_raw,neutralising_z,neutralising_percentile,total_raw,total_z,"
    "total_percentile\r\n";

TEST(TableForm, AlignsTheWindowTextsOfEachRecord) {
    EXPECT_EQ(written(Form::Table, {allTwosGeneral(), allZerosOcd()}),
              "File: a.oci\n"
              "Client Name: Client 0427\n"
              "Date of Test: 2026-03-14\n"
              "Reference Sample: General Population Sample\n"
              "Washing:       6   Z Score = 1.44    92.45 Percentile\n"
              "Checking:      6   Z Score = 1.21    88.63 Percentile\n"
              "Ordering:      6   Z Score = 0.53    70.01 Percentile\n"
              "Obsessing:     6   Z Score = 1.15    87.58 Percentile\n"
              "Hoarding:      6   Z Score = 0.6     72.42 Percentile\n"
              "Neutralising:  6   Z Score = 1.9     97.13 Percentile\n"
              "Total:        36   Z Score = 1.55    93.92 Percentile\n"
              "\n"
              "File: dir/b.oci\n"
              "Client Name: Clinic A, Room 3\n"
              "Date of Test: 2026-01-02\n"
              "Reference Sample: OCD Population Sample\n"
              "Washing:       0   Z Score = -1.01   N/A\n"
              "Checking:      0   Z Score = -1.25   N/A\n"
              "Ordering:      0   Z Score = -1.19   N/A\n"
              "Obsessing:     0   Z Score = -1.88   N/A\n"
              "Hoarding:      0   Z Score = -0.95   N/A\n"
              "Neutralising:  0   Z Score = -0.83   N/A\n"
              "Total:         0   Z Score = -2.07   N/A\n");
}

TEST(TableForm, KeepsRecordTextsOnTheirLines) {
    ScoredRecord record = allTwosGeneral();
    record.file = "new\nline.oci";
    record.identifier = "\x1B]0;title\x07Name";
    const std::string out = written(Form::Table, {record}, ",");
    EXPECT_NE(out.find("File: new\\x0Aline.oci\n"), std::string::npos);
    EXPECT_NE(out.find("Client Name: \\x1B]0;title\\x07Name\n"), std::string::npos);
    EXPECT_NE(out.find("Washing:       6   Z Score = 1,44    92,45 Percentile\n"),
              std::string::npos);
    EXPECT_EQ(out.find('\x1B'), std::string::npos);
}

TEST(TableForm, AlignsByCharactersWithAMultiByteSeparator) {
    const std::string out = written(Form::Table, {allTwosGeneral()}, "\xC2\xB7");
    EXPECT_NE(out.find("Hoarding:      6   Z Score = 0\xC2\xB7"
                       "6     72\xC2\xB7"
                       "42 Percentile\n"),
              std::string::npos);
}

TEST(CsvForm, GivesAHeaderAndOneRowPerRecordWithCrLf) {
    EXPECT_EQ(written(Form::Csv, {allTwosGeneral(), allZerosOcd()}),
              kCsvHeader +
                  "a.oci,Client 0427,2026-03-14,general,6,1.44,92.45,6,1.21,88.63,6,0.53,70.01,6,"
                  "1.15,87.58,6,0.6,72.42,6,1.9,97.13,36,1.55,93.92\r\n"
                  "dir/b.oci,\"Clinic A, Room 3\",2026-01-02,ocd,0,-1.01,,0,-1.25,,0,-1.19,,0,"
                  "-1.88,,0,-0.95,,0,-0.83,,0,-2.07,\r\n");
}

TEST(CsvForm, QuotesNumbersWithADecimalComma) {
    EXPECT_EQ(written(Form::Csv, {allTwosGeneral()}, ","),
              kCsvHeader + "a.oci,Client 0427,2026-03-14,general,6,\"1,44\",\"92,45\",6,\"1,21\","
                           "\"88,63\",6,\"0,53\",\"70,01\",6,\"1,15\",\"87,58\",6,\"0,6\","
                           "\"72,42\",6,\"1,9\",\"97,13\",36,\"1,55\",\"93,92\"\r\n");
    EXPECT_EQ(written(Form::Csv, {allZerosOcd()}, ";"),
              kCsvHeader + "dir/b.oci,\"Clinic A, Room 3\",2026-01-02,ocd,0,-1;01,,0,-1;25,,0,"
                           "-1;19,,0,-1;88,,0,-0;95,,0,-0;83,,0,-2;07,\r\n");
}

TEST(CsvForm, QuotesIdentifiersAndFileNamesThatNeedIt) {
    ScoredRecord record = allZerosOcd();
    record.file = "a,b.oci";
    record.identifier = "say \"hi\"\r\nbye";
    const std::string out = written(Form::Csv, {record});
    EXPECT_TRUE(out.starts_with(kCsvHeader + "\"a,b.oci\",\"say \"\"hi\"\"\r\nbye\",2026-01-02,"))
        << out;
}

TEST(JsonForm, GivesOneArrayOfObjectsWithNullForNoPercentile) {
    EXPECT_EQ(written(Form::Json, {allTwosGeneral(), allZerosOcd()}),
              "[\n"
              "{\"file\":\"a.oci\",\"identifier\":\"Client 0427\",\"date\":\"2026-03-14\","
              "\"group\":\"general\",\"scales\":{"
              "\"washing\":{\"raw\":6,\"z\":1.44,\"percentile\":92.45},"
              "\"checking\":{\"raw\":6,\"z\":1.21,\"percentile\":88.63},"
              "\"ordering\":{\"raw\":6,\"z\":0.53,\"percentile\":70.01},"
              "\"obsessing\":{\"raw\":6,\"z\":1.15,\"percentile\":87.58},"
              "\"hoarding\":{\"raw\":6,\"z\":0.6,\"percentile\":72.42},"
              "\"neutralising\":{\"raw\":6,\"z\":1.9,\"percentile\":97.13},"
              "\"total\":{\"raw\":36,\"z\":1.55,\"percentile\":93.92}}},\n"
              "{\"file\":\"dir/b.oci\",\"identifier\":\"Clinic A, Room 3\",\"date\":\"2026-01-02\","
              "\"group\":\"ocd\",\"scales\":{"
              "\"washing\":{\"raw\":0,\"z\":-1.01,\"percentile\":null},"
              "\"checking\":{\"raw\":0,\"z\":-1.25,\"percentile\":null},"
              "\"ordering\":{\"raw\":0,\"z\":-1.19,\"percentile\":null},"
              "\"obsessing\":{\"raw\":0,\"z\":-1.88,\"percentile\":null},"
              "\"hoarding\":{\"raw\":0,\"z\":-0.95,\"percentile\":null},"
              "\"neutralising\":{\"raw\":0,\"z\":-0.83,\"percentile\":null},"
              "\"total\":{\"raw\":0,\"z\":-2.07,\"percentile\":null}}}\n"
              "]\n");
}

TEST(JsonForm, EscapesTextsFromRecordsAndFileNames) {
    ScoredRecord record = allTwosGeneral();
    record.file = "C:\\a \"b\".oci";
    record.identifier = "tab\there\n";
    const std::string out = written(Form::Json, {record});
    EXPECT_TRUE(
        out.starts_with("[\n{\"file\":\"C:\\\\a \\\"b\\\".oci\",\"identifier\":\"tab\\there\\n\","))
        << out;
}

TEST(EveryForm, StaysWellFormedWithoutRecords) {
    EXPECT_EQ(written(Form::Table, {}), "");
    EXPECT_EQ(written(Form::Csv, {}), kCsvHeader);
    EXPECT_EQ(written(Form::Json, {}), "[]\n");
}

} // namespace
