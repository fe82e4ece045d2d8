#include "record_samples.h"
#include "records/record_format.h"

#include <gtest/gtest.h>

#include <functional>

using namespace obrix::records;
using namespace obrix::records::testing;

namespace {

// The example's fields with one of them replaced.
std::vector<std::string> exampleFieldsWith(std::size_t index, const std::string& field) {
    std::vector<std::string> fields = exampleFields();
    fields[index] = field;
    return fields;
}

std::vector<std::string> firstFields(std::size_t count) {
    std::vector<std::string> fields = exampleFields();
    fields.resize(count);
    return fields;
}

struct AcceptedCase {
    const char* name;
    std::string bytes;
    std::function<void(ClientRecord&)> change; // applied to the example record
};

TEST(RecordReader, AcceptsEveryLayoutOfTheTwentyFields) {
    const auto same = [](ClientRecord&) {
    };
    const std::vector<AcceptedCase> cases = {
        {"one line", join(exampleFields(), ",") + "\r\n", same},
        {"twenty lines, CR LF", join(exampleFields(), "\r\n") + "\r\n", same},
        {"twenty lines, LF", join(exampleFields(), "\n") + "\n", same},
        {"twenty lines, lone CR", join(exampleFields(), "\r") + "\r", same},
        {"no line end at the end", join(exampleFields(), ","), same},
        {"blanks and tabs before fields", " \t" + join(exampleFields(), ", \t"), same},
        {"fields and lines after the twentieth",
         join(exampleFields(), ",") + ",\"extra\",abc\r\nsecond line\r\n", same},
        {"unquoted texts lose blanks at their end",
         join(exampleFieldsWith(0, "Client 0427 \t "), ",") + " ", same},
        {"unquoted date", join(exampleFieldsWith(1, "2026-03-14"), ","), same},
        {"quoted date", join(exampleFieldsWith(1, "\"2026-03-14\""), ","), same},
        {"date with a time of day", join(exampleFieldsWith(1, "#2026-03-14 13:45:07#"), ","), same},
        {"characters after a closing quote or number sign",
         "\"Client 0427\" x\"y," + join(exampleFieldsWith(1, "#2026-03-14# x\"y"), ",").substr(14) +
             "z",
         same},
        {"one-digit month and day", join(exampleFieldsWith(1, "#2026-3-4#"), ","),
         [](ClientRecord& r) {
             r.date = {2026, 3, 4};
         }},
        {"line end and comma inside quotes", join(exampleFieldsWith(0, "\"a,\r\nb\""), ","),
         [](ClientRecord& r) {
             r.identifier = "a,\r\nb";
         }},
        {"doubled quotes", join(exampleFieldsWith(0, "\"\"\"x\"\"\"\"\""), ","),
         [](ClientRecord& r) {
             r.identifier = "\"x\"\"";
         }},
        {"Windows-1252 bytes", join(exampleFieldsWith(0, "\"Zo\xEB \x80\x9F\""), ","),
         [](ClientRecord& r) {
             r.identifier = "Zoë €Ÿ";
         }},
        {"UTF-8 after a byte-order mark",
         "\xEF\xBB\xBF" + join(exampleFieldsWith(0, "\"Zo\xC3\xAB \xE2\x82\xAC\""), ","),
         [](ClientRecord& r) {
             r.identifier = "Zoë €";
         }},
        {"malformed UTF-8 after a byte-order mark",
         "\xEF\xBB\xBF" + join(exampleFieldsWith(0, "\"Zo\xEB\""), ","),
         [](ClientRecord& r) {
             r.identifier = "Zo\uFFFD";
         }},
        {"an empty line is an empty field",
         join(exampleFields(), "\n").insert(join(firstFields(3), "\n").size(), "\n"),
         [](ClientRecord& r) {
             std::copy_backward(r.items.begin() + 1, r.items.end() - 1, r.items.end());
             r.items[1] = "";
         }},
    };
    for (const AcceptedCase& c : cases) {
        ClientRecord expected = exampleRecord(kExampleAnswers);
        c.change(expected);
        const ReadResult result = decodeRecord(c.bytes);
        ASSERT_TRUE(result.ok()) << c.name << ": " << result.error;
        EXPECT_EQ(*result.record, expected) << c.name;
    }
}

TEST(RecordReader, RejectsWhatIsNotARecord) {
    const std::string pastEnd(kInputPastEndOfFile);
    const std::string mismatch(kTypeMismatch);
    const struct {
        const char* name;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"empty file", "", pastEnd},
        {"only a line end", "\r\n", pastEnd},
        {"identifier only", "\"Client 0427\"\r\n", pastEnd},
        {"nineteen fields", join(firstFields(19), ",") + "\r\n", pastEnd},
        {"nineteen fields and a comma", join(firstFields(19), ",") + ",", pastEnd},
        {"nineteen lines", join(firstFields(19), "\r\n") + "\r\n", pastEnd},
        {"cut short inside the last text", join(firstFields(19), ",") + ",\"2", pastEnd},
        {"identifier never closed", "\"Client 0427,#2026-03-14#,1,2,3\r\n", pastEnd},
        {"text date", join(exampleFieldsWith(1, "abc"), ","), mismatch},
        {"empty date", join(exampleFieldsWith(1, ""), ","), mismatch},
        {"30 February", join(exampleFieldsWith(1, "#2026-02-30#"), ","), mismatch},
        {"month 13", join(exampleFieldsWith(1, "#2026-13-01#"), ","), mismatch},
        {"two-digit year", join(exampleFieldsWith(1, "#26-03-14#"), ","), mismatch},
        {"regional date form", join(exampleFieldsWith(1, "14/03/2026"), ","), mismatch},
        {"number sign not closed", join(exampleFieldsWith(1, "#2026-03-14"), ","), mismatch},
        {"hour 25", join(exampleFieldsWith(1, "#2026-03-14 25:00:00#"), ","), mismatch},
        {"time without date", join(exampleFieldsWith(1, "#10:00:00#"), ","), mismatch},
        {"bad date in a short file", "\"a\",abc", mismatch},
    };
    for (const auto& c : cases) {
        const ReadResult result = decodeRecord(c.bytes);
        EXPECT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
    }
}

} // namespace
