// Two writers saving one record alternately while a reader loops over it: every read must see a
// whole record, old or new, for a file with an extended attribute (which must survive), renamed
// over, and for one with a second hard link, written in place. OBRIX_CONCURRENT_SAVE_SECONDS
// lengthens each run for measuring.
#include "record_samples.h"
#include "records/record_file.h"
#include "records/save/record_save.h"

#include <gtest/gtest.h>

#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

using namespace obrix::records;
using namespace obrix::records::testing;
namespace fs = std::filesystem;

namespace {

std::chrono::milliseconds runTime() {
    const char* seconds = std::getenv("OBRIX_CONCURRENT_SAVE_SECONDS");
    return std::chrono::milliseconds(seconds ? std::atoi(seconds) * 1000 : 1000);
}

class ConcurrentSave : public ::testing::TestWithParam<bool> {};

TEST_P(ConcurrentSave, ReadersNeverSeeAPartialRecord) {
    const bool linked = GetParam();
    // The build folder, not /tmp: it must be a real file system that keeps user attributes.
    const fs::path folder = fs::current_path() / "concurrent-save";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path path = folder / "shared.oci";
    std::ofstream(path, std::ios::binary) << encodeRecord(exampleRecord());
    if (::setxattr(path.c_str(), "user.obrix-test", "kept", 4, 0) != 0)
        GTEST_SKIP() << "no user extended attributes on " << folder;
    if (linked)
        fs::create_hard_link(path, folder / "second name.oci");

    std::atomic<bool> stop = false;
    std::atomic<long> saves = 0;
    std::atomic<long> failedSaves = 0;
    const auto writer = [&](const ClientRecord& record) {
        for (; !stop; ++saves) {
            failedSaves += !writeRecordFile(path, record).empty();
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // a user between saves
        }
    };
    std::thread first(writer, exampleRecord());
    std::thread second(writer, exampleRecord(kExampleAnswers));

    long reads = 0;
    long torn = 0;
    for (const auto end = std::chrono::steady_clock::now() + runTime();
         std::chrono::steady_clock::now() < end; ++reads)
        torn += !readRecordFile(path).ok();
    stop = true;
    first.join();
    second.join();
    std::printf("%s: %ld reads, %ld torn; %ld saves, %ld failed\n", linked ? "in place" : "renamed",
                reads, torn, saves.load(), failedSaves.load());

    EXPECT_EQ(torn, 0);
    EXPECT_EQ(failedSaves, 0);
    EXPECT_GT(saves, 0);
    char value[8] = {};
    EXPECT_EQ(::getxattr(path.c_str(), "user.obrix-test", value, sizeof value), 4);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              linked ? 2 : 1);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(RenamedAndInPlace, ConcurrentSave, ::testing::Bool());

} // namespace
