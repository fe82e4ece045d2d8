// Writing the association files safely, the probe file, and running the database tools.

#include "app/association/freedesktop/file_io.h"
#include "app/association/freedesktop/tool_runner.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <sys/stat.h>

using namespace obrix::association::freedesktop;
using obrix::association::testing::readFile;
using obrix::association::testing::TempDir;
using obrix::association::testing::writeFile;
using ::testing::Optional;
namespace fs = std::filesystem;

namespace {

std::size_t entriesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicWrite, MakesMissingFoldersPrivate) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir / "a/b/file.txt", "content"));
    EXPECT_EQ(readFile(dir / "a/b/file.txt"), "content");
    EXPECT_EQ(fs::status(dir / "a").permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(entriesIn(dir / "a/b"), 1u) << "no temporary file stays behind";
}

TEST(AtomicWrite, ReplacesARegularFileKeepingItsPermissions) {
    TempDir dir;
    writeFile(dir / "list", "old");
    fs::permissions(dir / "list", fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(writeFileAtomically(dir / "list", "new"));
    EXPECT_EQ(readFile(dir / "list"), "new");
    EXPECT_EQ(fs::status(dir / "list").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST(AtomicWrite, LeavesAFileWithTheSameContentUntouched) {
    TempDir dir;
    writeFile(dir / "same", "content");
    struct stat before {};
    ASSERT_EQ(::stat((dir / "same").c_str(), &before), 0);
    ASSERT_TRUE(writeFileAtomically(dir / "same", "content"));
    struct stat after {};
    ASSERT_EQ(::stat((dir / "same").c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(AtomicWrite, RefusesAnythingButARegularFile) {
    TempDir dir;
    writeFile(dir / "elsewhere", "precious");
    fs::create_symlink(dir / "elsewhere", dir / "link");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const char* name : {"link", "dangling", "folder", "fifo"})
        EXPECT_FALSE(writeFileAtomically(dir / name, "evil")) << name;
    EXPECT_EQ(readFile(dir / "elsewhere"), "precious");
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    EXPECT_EQ(entriesIn(dir.path()), 5u) << "no temporary file stays behind";
}

TEST(ReadRegularFile, ReadsFilesOnlyAndNeverWaitsOnAFifo) {
    TempDir dir;
    writeFile(dir / "file", "text");
    fs::create_symlink(dir / "file", dir / "link");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    writeFile(dir / "big", std::string(100, 'x'));
    EXPECT_THAT(readRegularFile(dir / "file"), Optional(std::string("text")));
    EXPECT_THAT(readRegularFile(dir / "link"), Optional(std::string("text")));
    EXPECT_EQ(readRegularFile(dir / "fifo"), std::nullopt);
    EXPECT_EQ(readRegularFile(dir.path()), std::nullopt);
    EXPECT_EQ(readRegularFile(dir / "missing"), std::nullopt);
    EXPECT_EQ(readRegularFile(dir / "big", 99), std::nullopt);
}

TEST(TempFiles, EachCallCreatesANewEmptyFileNamedLikeWindowsDoes) {
    TempDir dir;
    const std::string first = createUniqueTempFile(dir.path() + "/", "~", 0);
    const std::string second = createUniqueTempFile(dir.path(), "~", 0);
    const std::regex name(".*/~[0-9A-F]{1,4}\\.TMP");
    EXPECT_TRUE(std::regex_match(first, name)) << first;
    EXPECT_TRUE(std::regex_match(second, name)) << second;
    EXPECT_NE(first, second);
    EXPECT_EQ(fs::file_size(first), 0u);
    EXPECT_EQ(fs::status(first).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(createUniqueTempFile(dir / "missing", "~", 0), "");
    // A given number only makes a name.
    EXPECT_EQ(createUniqueTempFile(dir.path(), "~", 0x1A2B), dir / "~1A2B.TMP");
    EXPECT_FALSE(fs::exists(dir / "~1A2B.TMP"));
}

TEST(TempFiles, RenamingNeverReplacesAnExistingFile) {
    TempDir dir;
    writeFile(dir / "from", "probe");
    writeFile(dir / "taken", "someone else's");
    EXPECT_FALSE(renameWithoutReplacing(dir / "from", dir / "taken"));
    EXPECT_EQ(readFile(dir / "taken"), "someone else's");
    EXPECT_TRUE(renameWithoutReplacing(dir / "from", dir / "free"));
    EXPECT_EQ(readFile(dir / "free"), "probe");
    EXPECT_FALSE(fs::exists(dir / "from"));
}

TEST(RunTool, ReportsExitStatusAndNeverUsesAShell) {
    EXPECT_TRUE(runTool({"true"}));
    EXPECT_FALSE(runTool({"false"}));
    EXPECT_FALSE(runTool({"obrix-no-such-tool"}));
    EXPECT_FALSE(runTool({}));
    TempDir dir;
    // Were a shell involved, this would create the file.
    EXPECT_TRUE(runTool({"test", "-n", "x; touch " + (dir / "injected")}));
    EXPECT_FALSE(fs::exists(dir / "injected"));
}

TEST(RunTool, AToolThatHangsIsStoppedAtTheTimeout) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(runTool({"sleep", "30"}, std::chrono::milliseconds(200)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

} // namespace
