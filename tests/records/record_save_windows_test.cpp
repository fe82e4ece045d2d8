// Saving on Windows (run under Wine): a saved record reads back, and a save that fails keeps
// the old record and leaves nothing behind.
#include "file_content.h"
#include "record_samples.h"
#include "records/record_file.h"
#include "records/save/record_save.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace obrix::records;
using namespace obrix::records::testing;
namespace fs = std::filesystem;

namespace {

TEST(RecordSaveWindows, SavesAndKeepsTheOldRecordWhenASaveFails) {
    const fs::path folder = fs::temp_directory_path() /
                            (L"obrix save \u00e9\u4e2d " + std::to_wstring(std::random_device{}()));
    fs::create_directories(folder);
    const ClientRecord record = exampleRecord(kExampleAnswers);
    const fs::path path = folder / L"client \u4e2d.oci";
    ASSERT_EQ(writeRecordFile(path, record), "");
    ASSERT_EQ(writeRecordFile(path, record), "") << "replacing an existing file";
    EXPECT_EQ(readRecordFile(path).record, record);

    const std::string old = encodeRecord(exampleRecord());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << old;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_NE(writeRecordFile(path, record), "");
    EXPECT_EQ(contentOf(path), old);
    EXPECT_NE(writeRecordFile(folder / "missing" / "x.oci", record), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(folder);
}

} // namespace
