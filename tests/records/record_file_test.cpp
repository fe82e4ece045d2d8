#include "file_content.h"
#include "record_samples.h"
#include "records/record_file.h"
#include "records/record_messages.h"
#include "records/save/posix_file.h"
#include "records/save/record_save.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>

using namespace obrix::records;
using namespace obrix::records::testing;
namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Saves in a child process that runs as the unprivileged user "nobody", in group, when the tests
// run as root (whose rights would bypass the permission bits under test); returns the save's
// result.
std::string saveAsOrdinaryUser(const fs::path& path, const ClientRecord& record, gid_t group) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const passwd* nobody = ::getpwnam("nobody");
        // Where an in-place save keeps its copy when the record's folder is closed to the user.
        ::setenv("XDG_STATE_HOME", (path.parent_path().parent_path() / "state").c_str(), 1);
        const bool dropped =
            ::geteuid() != 0 || (nobody && ::setgroups(1, &group) == 0 && ::setgid(group) == 0 &&
                                 ::setuid(nobody->pw_uid) == 0);
        const std::string result = dropped ? writeRecordFile(path, record) : "cannot drop rights";
        [[maybe_unused]] const ssize_t sent = ::write(channel[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(count));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return result;
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
    // New records give others nothing, whatever the umask allows; existing ones keep their mode.
    const struct {
        mode_t umask;
        fs::perms fresh;
    } cases[] = {{022, fs::perms(0640)}, {002, fs::perms(0660)}, {077, fs::perms(0600)}};
    const fs::path kept = folder_ / "kept.oci";
    writeBytes(kept, "old");
    fs::permissions(kept, fs::perms(0604));
    for (const auto& c : cases) {
        const mode_t previousMask = ::umask(c.umask);
        const fs::path fresh = folder_ / ("fresh" + std::to_string(c.umask) + ".oci");
        EXPECT_EQ(writeRecordFile(fresh, record_), "");
        EXPECT_EQ(writeRecordFile(kept, record_), "");
        ::umask(previousMask);
        EXPECT_EQ(fs::status(fresh).permissions(), c.fresh) << c.umask;
        EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0604)) << c.umask;
    }
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
    // A plain file is replaced by a renamed copy; a hard-linked one is written in place and put
    // back from its copy.
    for (const bool linked : {false, true}) {
        const fs::path good = folder_ / "good.oci";
        const std::string goodBytes = encodeRecord(exampleRecord());
        writeBytes(good, goodBytes);
        if (linked)
            fs::create_hard_link(good, folder_ / "other.oci");

        // A file size limit between the old and the new record's size fails the write part-way,
        // as a full disk does, and still lets the old record be written back.
        rlimit previous{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = goodBytes.size() + 8;
        ASSERT_LT(limited.rlim_cur, encodeRecord(record_).size());
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const std::string error = writeRecordFile(good, record_);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_EQ(error, "File too large") << linked;
        EXPECT_EQ(contentOf(good), goodBytes) << linked;
        EXPECT_EQ(entries().count("good.oci") + entries().count("other.oci"), entries().size());
        fs::remove(folder_ / "other.oci");
    }
}

TEST_F(RecordFile, SavedFileKeepsItsLinksAndAttributes) {
    const auto inode = [](const fs::path& of) {
        struct stat info {};
        ::stat(of.c_str(), &info);
        return info.st_ino;
    };
    const fs::path linked = folder_ / "linked.oci";
    writeBytes(linked, "old");
    fs::create_hard_link(linked, folder_ / "second name.oci");
    const fs::path tagged = folder_ / "tagged.oci";
    writeBytes(tagged, "old");
    ASSERT_EQ(::setxattr(tagged.c_str(), "user.obrix-test", "kept", 4, 0), 0);
    const ino_t linkedInode = inode(linked);

    ASSERT_EQ(writeRecordFile(linked, record_), "");
    ASSERT_EQ(writeRecordFile(tagged, record_), "");
    EXPECT_EQ(inode(linked), linkedInode);
    EXPECT_EQ(contentOf(folder_ / "second name.oci"), encodeRecord(record_));
    EXPECT_EQ(contentOf(tagged), encodeRecord(record_));
    char value[8] = {};
    EXPECT_EQ(::getxattr(tagged.c_str(), "user.obrix-test", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
    EXPECT_EQ(entries(), (std::set<std::string>{"linked.oci", "second name.oci", "tagged.oci"}));
}

TEST_F(RecordFile, PermissionsAsAnOrdinaryUser) {
    const group* nogroup = ::getgrnam("nogroup");
    ASSERT_NE(nogroup, nullptr);
    const gid_t group = ::geteuid() == 0 ? nogroup->gr_gid : ::getegid();
    fs::permissions(folder_, fs::perms(0755));
    fs::create_directory(folder_ / "state");
    fs::permissions(folder_ / "state", fs::perms(0777));
    const struct {
        const char* name;
        fs::perms folderMode;
        fs::perms fileMode;
        std::string error;
        bool ownerKept;
    } cases[] = {
        // The file's own protection holds even though its folder would allow replacing it.
        {"read-only file", fs::perms(0777), fs::perms(0444), "Permission denied", true},
        // A writable file in a folder the user may not write is written in place.
        {"closed folder", fs::perms(0555), fs::perms(0666), "", true},
        // A shared group folder: the saver becomes the owner; group and mode stay.
        {"group folder", fs::perms(02775), fs::perms(0664), "", false},
    };
    for (const auto& c : cases) {
        const fs::path shared = folder_ / c.name;
        const fs::path path = shared / "record.oci";
        fs::create_directory(shared);
        writeBytes(path, "old");
        ASSERT_EQ(::chown(shared.c_str(), ::geteuid(), group), 0);
        ASSERT_EQ(::chown(path.c_str(), ::geteuid(), group), 0);
        fs::permissions(path, c.fileMode);
        fs::permissions(shared, c.folderMode);
        struct stat before {};
        ::stat(path.c_str(), &before);

        EXPECT_EQ(saveAsOrdinaryUser(path, record_, group), c.error) << c.name;
        EXPECT_EQ(contentOf(path), c.error.empty() ? encodeRecord(record_) : "old") << c.name;
        struct stat after {};
        ::stat(path.c_str(), &after);
        EXPECT_EQ(after.st_uid == before.st_uid, c.ownerKept || ::geteuid() != 0) << c.name;
        EXPECT_EQ(after.st_gid, before.st_gid) << c.name;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1)
            << c.name;
        fs::permissions(shared, fs::perms(0755));
    }
}

TEST_F(RecordFile, OnlyStaleTemporariesOfTheRecordAreRemovedAtTheNextSave) {
    const fs::path path = folder_ / "client.oci";
    writeBytes(path, "old");
    const std::set<std::string> kept = {"client.oci", ".client.oci.obrix-save-InUse1",
                                        ".other.oci.obrix-save-Other1"};
    for (const std::string& name : kept)
        writeBytes(folder_ / name, "contents");
    writeBytes(folder_ / ".client.oci.obrix-save-Stale1", "left by a killed save");
    // A save under way in another window holds its temporary file locked.
    const posix::Fd inUse(::open((folder_ / ".client.oci.obrix-save-InUse1").c_str(), O_RDONLY));
    ASSERT_EQ(::flock(inUse.get(), LOCK_EX), 0);

    ASSERT_EQ(writeRecordFile(path, record_), "");
    EXPECT_EQ(entries(), kept);
}

TEST_F(RecordFile, SavesKilledAtAnyMomentLeaveAWholeRecordOrItsCopy) {
    const fs::path path = folder_ / "client.oci";
    const ClientRecord records[] = {exampleRecord(), record_};
    // A plain file is renamed over; a hard-linked one is written in place after a copy.
    for (const bool linked : {false, true}) {
        writeBytes(path, encodeRecord(records[0]));
        fs::permissions(path, fs::perms(0640));
        if (linked)
            fs::create_hard_link(path, folder_ / "second.oci");
        for (int round = 0; round < 20; ++round) {
            const pid_t child = ::fork();
            if (child == 0)
                for (int save = 0;; ++save)
                    writeRecordFile(path, records[save % 2]);
            ::usleep(static_cast<useconds_t>(1000 + round * 500));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            // Private while written and synced; the record's mode only just before the rename.
            for (const std::string& name : entries()) {
                const fs::perms mode = fs::status(folder_ / name).permissions();
                if (name.starts_with(".client.oci.obrix-save-")) {
                    EXPECT_TRUE(mode == fs::perms(0600) || mode == fs::perms(0640)) << name;
                }
            }
            if (const std::optional<fs::path> copy = findInterruptedSave(path)) {
                ASSERT_EQ(restoreInterruptedSave(path, *copy), "");
            }
            const ReadResult read = readRecordFile(path);
            ASSERT_TRUE(read.ok()) << linked << " " << round << ": " << read.error;
        }
        ASSERT_EQ(writeRecordFile(path, record_), "");
        const std::set<std::string> names = {"client.oci", "second.oci"};
        EXPECT_EQ(entries(), linked ? names : std::set<std::string>{"client.oci"});
        fs::remove(folder_ / "second.oci");
    }
}

TEST_F(RecordFile, ReadFailuresCarryTheirDescription) {
    writeBytes(folder_ / "short.oci", join(exampleFields(), ",").substr(0, 90));
    fs::create_directory(folder_ / "folder.oci");
    // A record followed by enough blanks to pass the largest size a record may have.
    writeBytes(folder_ / "large.oci", encodeRecord(record_) + std::string(kRecordSizeLimit, ' '));
    writeBytes(folder_ / "sparse.oci", "");
    fs::resize_file(folder_ / "sparse.oci", std::uintmax_t{4} << 30);
    const struct {
        const char* name;
        fs::path path;
        std::string error;
    } cases[] = {
        {"missing file", folder_ / "missing.oci", "No such file or directory"},
        {"folder", folder_ / "folder.oci", "Is a directory"},
        {"cut-short file", folder_ / "short.oci", "Input past end of file"},
        {"device", "/dev/null", "Not a regular file"},
        {"just over 1 MiB", folder_ / "large.oci", "Not a record file"},
        {"sparse 4 GiB", folder_ / "sparse.oci", "Not a record file"},
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
