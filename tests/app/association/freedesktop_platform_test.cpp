// The registration step on the freedesktop backend, end to end, in private XDG folders: the
// files it writes, the databases the real tools build from them, and reading them back.

#include "app/association/association.h"
#include "app/association/freedesktop/freedesktop_platform.h"
#include "app/association/freedesktop/key_file.h"
#include "app/association/freedesktop/registration_files.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sys/stat.h>

using obrix::association::FreedesktopPlatform;
using obrix::association::GetAssociatedProgram;
using obrix::association::RegisterFileType;
using obrix::association::testing::readFile;
using obrix::association::testing::TempDir;
using obrix::association::testing::writeFile;
using obrix::association::testing::writeProgram;
using namespace obrix::association::freedesktop;
using ::testing::IsEmpty;
using ::testing::Optional;
namespace fs = std::filesystem;

namespace {

constexpr const char* kExe = "Obrix";

// Points the XDG variables and TMPDIR of this process at a test folder, and back afterwards.
class PrivateEnvironment {
public:
    explicit PrivateEnvironment(const TempDir& root) {
        set("XDG_DATA_HOME", root / "data");
        set("XDG_CONFIG_HOME", root / "config");
        set("XDG_DATA_DIRS", root / "system-data");
        set("XDG_CONFIG_DIRS", root / "system-config");
        set("TMPDIR", root / "tmp");
        unset("XDG_CURRENT_DESKTOP");
        fs::create_directories(root / "tmp");
    }
    PrivateEnvironment(const PrivateEnvironment&) = delete;
    PrivateEnvironment& operator=(const PrivateEnvironment&) = delete;
    ~PrivateEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

private:
    void save(const std::string& name) {
        const char* value = std::getenv(name.c_str());
        saved_.emplace(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    void set(const std::string& name, const std::string& value) {
        save(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void unset(const std::string& name) {
        save(name);
        ::unsetenv(name.c_str());
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

struct FileState {
    ino_t inode;
    long long modified;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {0, 0};
    return {info.st_ino, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

class FreedesktopRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(std::system("command -v update-mime-database >/dev/null"), 0)
            << "update-mime-database is missing: install shared-mime-info";
    }

    // The backend as start-up makes it, with the program in a folder of the test.
    FreedesktopPlatform platform(const std::string& programFolder) {
        FreedesktopPlatform::Options options = FreedesktopPlatform::optionsFromEnvironment();
        options.programFolder = programFolder;
        const auto realRunner = options.runTool;
        options.runTool = [this, realRunner](const std::vector<std::string>& arguments) {
            toolRuns_.push_back(arguments.front());
            realRunner(arguments);
        };
        return FreedesktopPlatform(std::move(options));
    }

    std::string installProgram(const std::string& folderName) {
        const std::string folder = root_ / folderName;
        writeProgram(folder + "/" + kExe);
        return folder;
    }

    std::string desktopEntry() const { return root_ / "data/applications/obrix.desktop"; }
    std::string mimePackage() const { return root_ / "data/mime/packages/obrix.xml"; }
    std::string mimeappsList() const { return root_ / "config/mimeapps.list"; }

    TempDir root_;
    PrivateEnvironment environment_{root_};
    std::vector<std::string> toolRuns_;
};

class ProgramFolderNames : public FreedesktopRegistration,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(ProgramFolderNames, FirstStartRegistersAndTheSecondFindsItselfAndWritesNothing) {
    const std::string folder = installProgram(GetParam());
    {
        FreedesktopPlatform first = platform(folder);
        EXPECT_EQ(GetAssociatedProgram(first, "OCI"), "");
        RegisterFileType(first, kExe);
    }
    EXPECT_EQ(toolRuns_,
              (std::vector<std::string>{"update-mime-database", "update-desktop-database"}));
    EXPECT_THAT(findKeyFileValue(readFile(mimeappsList()), "Default Applications",
                                 "application/x-obrix-record"),
                Optional(std::string("obrix.desktop;")));
    EXPECT_THAT(findKeyFileValue(readFile(desktopEntry()), "Desktop Entry", "Icon"),
                Optional(escapeValue(folder + "/OCI-R.ico")));

    const std::vector<FileState> before = {stateOf(desktopEntry()), stateOf(mimePackage()),
                                           stateOf(mimeappsList()),
                                           stateOf(root_ / "data/mime/globs2")};
    toolRuns_.clear();
    FreedesktopPlatform second = platform(folder);
    EXPECT_EQ(GetAssociatedProgram(second, "OCI"), folder + "/" + kExe);
    RegisterFileType(second, kExe);
    EXPECT_THAT(toolRuns_, IsEmpty());
    EXPECT_EQ(before, (std::vector<FileState>{stateOf(desktopEntry()), stateOf(mimePackage()),
                                              stateOf(mimeappsList()),
                                              stateOf(root_ / "data/mime/globs2")}));
    EXPECT_TRUE(fs::is_empty(root_ / "tmp")) << "a probe file stayed";
}

INSTANTIATE_TEST_SUITE_P(Folders, ProgramFolderNames,
                         ::testing::Values("bin", "My Programs/Obrix 2", "a$b `c` \"d\" 100%f",
                                           "back\\slash;semicolon"));

TEST_F(FreedesktopRegistration, TheWrittenDesktopEntryAndMimePackageAreValid) {
    const std::string folder = installProgram("Velmoor Obrix");
    FreedesktopPlatform first = platform(folder);
    RegisterFileType(first, kExe);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + desktopEntry() + "'").c_str()), 0);
    }
    EXPECT_EQ(readFile(mimePackage()),
              mimePackageXml("application/x-obrix-record", "Obrix", {"*.oci"}));
}

TEST_F(FreedesktopRegistration, AnotherDefaultIsReplacedAndTheUsersOtherSettingsStay) {
    writeProgram(root_ / "viewer/viewer");
    writeFile(root_ / "data/applications/viewer.desktop",
              "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + (root_ / "viewer/viewer") +
                  " %f\n");
    writeFile(root_ / "data/mime/packages/viewer.xml",
              mimePackageXml("application/x-obrix-record", "Viewer", {"*.oci"}));
    ASSERT_EQ(std::system(("update-mime-database '" + (root_ / "data/mime") + "'").c_str()), 0);
    writeFile(mimeappsList(), "[Default Applications]\ntext/plain=gedit.desktop;\n"
                              "application/x-obrix-record=viewer.desktop;\n");

    const std::string folder = installProgram("bin");
    FreedesktopPlatform first = platform(folder);
    EXPECT_EQ(GetAssociatedProgram(first, "OCI"), root_ / "viewer/viewer");
    RegisterFileType(first, kExe);

    FreedesktopPlatform second = platform(folder);
    EXPECT_EQ(GetAssociatedProgram(second, "OCI"), folder + "/" + kExe);
    EXPECT_EQ(readFile(mimeappsList()),
              "[Default Applications]\ntext/plain=gedit.desktop;\n"
              "application/x-obrix-record=obrix.desktop;viewer.desktop;\n");
}

TEST_F(FreedesktopRegistration, AProgramThatMovedIsRegisteredAgainFromItsNewFolder) {
    const std::string oldFolder = installProgram("old");
    FreedesktopPlatform first = platform(oldFolder);
    RegisterFileType(first, kExe);
    fs::remove_all(oldFolder);

    const std::string newFolder = installProgram("new");
    FreedesktopPlatform second = platform(newFolder);
    EXPECT_EQ(GetAssociatedProgram(second, "OCI"), "");
    RegisterFileType(second, kExe);
    FreedesktopPlatform third = platform(newFolder);
    EXPECT_EQ(GetAssociatedProgram(third, "OCI"), newFolder + "/" + kExe);
}

TEST_F(FreedesktopRegistration, ASymbolicLinkInPlaceOfAFileIsNeverWrittenThrough) {
    writeFile(root_ / "dotfiles/mimeapps.list", "[Default Applications]\n");
    fs::create_directories(root_ / "config");
    fs::create_symlink(root_ / "dotfiles/mimeapps.list", mimeappsList());
    writeFile(root_ / "elsewhere", "precious");
    fs::create_directories(root_ / "data/applications");
    fs::create_symlink(root_ / "elsewhere", desktopEntry());

    FreedesktopPlatform first = platform(installProgram("bin"));
    RegisterFileType(first, kExe);
    EXPECT_EQ(readFile(root_ / "elsewhere"), "precious");
    EXPECT_EQ(readFile(root_ / "dotfiles/mimeapps.list"), "[Default Applications]\n");
    EXPECT_TRUE(fs::is_symlink(desktopEntry()));
    EXPECT_TRUE(fs::is_symlink(mimeappsList()));
}

TEST_F(FreedesktopRegistration, WithoutUserFoldersNothingIsWrittenAndNothingBreaks) {
    FreedesktopPlatform::Options options;
    options.programFolder = installProgram("bin");
    options.tempFolder = root_ / "tmp";
    options.runTool = [this](const std::vector<std::string>& arguments) {
        toolRuns_.push_back(arguments.front());
    };
    FreedesktopPlatform homeless(std::move(options));
    RegisterFileType(homeless, kExe);
    EXPECT_THAT(toolRuns_, IsEmpty());
    EXPECT_FALSE(fs::exists(root_ / "data"));
    EXPECT_FALSE(fs::exists(root_ / "config"));
}

TEST_F(FreedesktopRegistration, AMissingTemporaryFolderMeansNoAnswer) {
    FreedesktopPlatform::Options options = FreedesktopPlatform::optionsFromEnvironment();
    options.tempFolder = root_ / "missing";
    FreedesktopPlatform platform(std::move(options));
    EXPECT_EQ(platform.tempFolder(), "");
    EXPECT_EQ(GetAssociatedProgram(platform, "OCI"), "");
}

TEST(FreedesktopPlatform, TheProgramFolderIsThatOfTheRunningExecutable) {
    FreedesktopPlatform platform(FreedesktopPlatform::optionsFromEnvironment());
    EXPECT_EQ(platform.programFolder(), fs::canonical("/proc/self/exe").parent_path().string());
}

} // namespace
