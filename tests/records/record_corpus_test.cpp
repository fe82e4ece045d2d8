#include "file_content.h"
#include "records/record_file.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace obrix::records;
using obrix::records::testing::contentOf;
namespace fs = std::filesystem;

// Hand-made record files, good and broken, also used as the fuzzer's starting inputs. A file's
// name says what reading it must give: ok_*, past_end_* or type_mismatch_*.
namespace {

std::string expectedError(const std::string& name) {
    if (name.starts_with("past_end_"))
        return std::string(kInputPastEndOfFile);
    if (name.starts_with("type_mismatch_"))
        return std::string(kTypeMismatch);
    return {};
}

TEST(RecordCorpus, EveryFileReadsAsItsNameSays) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(OBRIX_RECORD_CORPUS)) {
        const std::string name = entry.path().filename().string();
        ++files;
        const ReadResult result = readRecordFile(entry.path());
        EXPECT_EQ(result.error, expectedError(name)) << name;
        if (result.ok()) {
            // What was read saves and reads back unchanged.
            const ReadResult again = decodeRecord(encodeRecord(*result.record));
            ASSERT_TRUE(again.ok()) << name << ": " << again.error;
            EXPECT_EQ(*again.record, *result.record) << name;
        }
    }
    EXPECT_GE(files, 15);
}

TEST(RecordCorpus, EveryCutShortFileFailsCleanlyOrReadsWholly) {
    for (const auto& entry : fs::directory_iterator(OBRIX_RECORD_CORPUS)) {
        const std::string bytes = contentOf(entry.path());
        for (std::size_t length = 0; length <= bytes.size(); ++length) {
            const ReadResult result = decodeRecord(std::string_view(bytes).substr(0, length));
            if (!result.ok()) {
                EXPECT_TRUE(result.error == kInputPastEndOfFile || result.error == kTypeMismatch)
                    << entry.path().filename() << " cut at " << length << ": " << result.error;
            }
        }
    }
}

} // namespace
