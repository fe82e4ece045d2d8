#include "record_samples.h"
#include "records/record_file.h"
#include "records/record_messages.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <set>

using namespace obrix::records;
using namespace obrix::records::testing;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class RecordFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "obrix-records-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder_))
            names.insert(fs::relative(entry.path(), folder_).string());
        return names;
    }

    fs::path folder_;
    const ClientRecord record_ = exampleRecord(kExampleAnswers);
};

TEST_F(RecordFile, SavedRecordReadsBackAndLeavesNothingElse) {
    const fs::path path = folder_ / "client.oci";
    ASSERT_EQ(writeRecordFile(path, record_), "");
    EXPECT_EQ(contentOf(path), encodeRecord(record_));
    EXPECT_EQ(entries(), std::set<std::string>{"client.oci"});

    const ReadResult result = readRecordFile(path);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(*result.record, record_);
}

TEST_F(RecordFile, PermissionsOfNewAndReplacedFiles) {
    const mode_t previousMask = ::umask(022);
    const fs::path fresh = folder_ / "fresh.oci";
    ASSERT_EQ(writeRecordFile(fresh, record_), "");
    EXPECT_EQ(fs::status(fresh).permissions(), fs::perms(0644));

    const fs::path kept = folder_ / "kept.oci";
    writeBytes(kept, "old");
    fs::permissions(kept, fs::perms(0640));
    ASSERT_EQ(writeRecordFile(kept, record_), "");
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0640));
    ::umask(previousMask);
}

TEST_F(RecordFile, SavingThroughALinkReplacesTheLinkedFile) {
    const fs::path real = folder_ / "real.oci";
    const fs::path link = folder_ / "link.oci";
    writeBytes(real, "old");
    fs::create_symlink("real.oci", link);
    ASSERT_EQ(writeRecordFile(link, record_), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(contentOf(real), encodeRecord(record_));
}

TEST_F(RecordFile, FailedSaveKeepsThePreviousFileAndLeavesNoTemporary) {
    const fs::path good = folder_ / "good.oci";
    const std::string goodBytes = encodeRecord(exampleRecord());
    writeBytes(good, goodBytes);
    writeBytes(folder_ / "plain.txt", "not a folder");
    fs::create_directory(folder_ / "folder.oci");
    const std::set<std::string> before = entries();

    ClientRecord badDate = record_;
    badDate.date = {2026, 2, 30};
    const struct {
        const char* name;
        fs::path target;
        ClientRecord record;
        std::string error;
    } cases[] = {
        {"missing folder", folder_ / "missing" / "good.oci", record_, "No such file or directory"},
        {"parent is a file", folder_ / "plain.txt" / "good.oci", record_, "Not a directory"},
        {"target is a folder", folder_ / "folder.oci", record_, "Is a directory"},
        {"date that does not exist", good, badDate, "The date of the test is not a valid date"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writeRecordFile(c.target, c.record), c.error) << c.name;
        EXPECT_EQ(contentOf(good), goodBytes) << c.name;
        EXPECT_EQ(entries(), before) << c.name;
    }
}

TEST_F(RecordFile, DiskFullDuringSaveKeepsThePreviousFile) {
    const fs::path good = folder_ / "good.oci";
    const std::string goodBytes = encodeRecord(exampleRecord());
    writeBytes(good, goodBytes);

    // A file size limit below the record's size fails the write part-way, as a full disk does.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 40;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string error = writeRecordFile(good, record_);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(contentOf(good), goodBytes);
    EXPECT_EQ(entries(), std::set<std::string>{"good.oci"});
}

TEST_F(RecordFile, ReadOnlyFileOrFolderIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop the superuser";
    // A writable folder would let the file be replaced; the file's own protection must hold.
    const fs::path locked = folder_ / "locked.oci";
    writeBytes(locked, "old");
    fs::permissions(locked, fs::perms(0444));
    EXPECT_EQ(writeRecordFile(locked, record_), "Permission denied");
    EXPECT_EQ(contentOf(locked), "old");

    const fs::path closedFolder = folder_ / "closed";
    fs::create_directory(closedFolder);
    writeBytes(closedFolder / "inside.oci", "old");
    fs::permissions(closedFolder, fs::perms(0555));
    EXPECT_EQ(writeRecordFile(closedFolder / "inside.oci", record_), "Permission denied");
    EXPECT_EQ(contentOf(closedFolder / "inside.oci"), "old");
    fs::permissions(closedFolder, fs::perms(0755));
}

TEST_F(RecordFile, ReadFailuresCarryTheirDescription) {
    writeBytes(folder_ / "short.oci", join(exampleFields(), ",").substr(0, 90));
    fs::create_directory(folder_ / "folder.oci");
    const struct {
        const char* name;
        fs::path path;
        std::string error;
    } cases[] = {
        {"missing file", folder_ / "missing.oci", "No such file or directory"},
        {"folder", folder_ / "folder.oci", "Is a directory"},
        {"cut-short file", folder_ / "short.oci", "Input past end of file"},
        {"device", "/dev/null", "Not a regular file"},
    };
    for (const auto& c : cases) {
        const ReadResult result = readRecordFile(c.path);
        EXPECT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
    }
}

TEST(RecordMessages, SentenceThenLineBreakThenDescription) {
    EXPECT_EQ(unreadableRecordMessage("Input past end of file"),
              "Are you sure the file isn't corrupt and that you're trying to open a correct file "
              "type? Something went very wrong and resulted in the following error\r\n"
              "Input past end of file");
    EXPECT_EQ(saveFailureMessage("Permission denied"),
              "Something went very wrong and resulted in the following error:\r\n"
              "Permission denied");
}

} // namespace
