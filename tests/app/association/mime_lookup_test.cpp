// Finding the program for a file name: XDG folders, MIME patterns, default applications.

#include "app/association/freedesktop/default_application.h"
#include "app/association/freedesktop/mime_globs.h"
#include "app/association/freedesktop/xdg_dirs.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using namespace obrix::association::freedesktop;
using obrix::association::testing::TempDir;
using obrix::association::testing::writeFile;
using obrix::association::testing::writeProgram;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

XdgDirs resolve(const std::map<std::string, std::string>& variables) {
    return resolveXdgDirs([&](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    });
}

TEST(XdgDirs, DefaultsHangOffTheHomeFolder) {
    const XdgDirs dirs = resolve({{"HOME", "/home/jan/"}});
    EXPECT_EQ(dirs.dataHome, "/home/jan/.local/share");
    EXPECT_EQ(dirs.configHome, "/home/jan/.config");
    EXPECT_THAT(dirs.dataDirs, ElementsAre("/usr/local/share", "/usr/share"));
    EXPECT_THAT(dirs.configDirs, ElementsAre("/etc/xdg"));
    EXPECT_THAT(dirs.desktops, ElementsAre());
}

TEST(XdgDirs, RelativePathsAreIgnored) {
    const XdgDirs dirs = resolve({{"HOME", "/home/jan"},
                                  {"XDG_DATA_HOME", "data"},
                                  {"XDG_CONFIG_HOME", "/cfg//"},
                                  {"XDG_DATA_DIRS", "share:/opt/share/::/usr/share"},
                                  {"XDG_CONFIG_DIRS", "etc"},
                                  {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}});
    EXPECT_EQ(dirs.dataHome, "/home/jan/.local/share");
    EXPECT_EQ(dirs.configHome, "/cfg");
    EXPECT_THAT(dirs.dataDirs, ElementsAre("/opt/share", "/usr/share"));
    EXPECT_THAT(dirs.configDirs, ElementsAre());
    EXPECT_THAT(dirs.desktops, ElementsAre("ubuntu", "gnome"));
}

TEST(XdgDirs, WithoutAHomeThereAreNoUserFolders) {
    for (const XdgDirs& dirs : {resolve({}), resolve({{"HOME", "relative"}})}) {
        EXPECT_EQ(dirs.dataHome, "");
        EXPECT_EQ(dirs.configHome, "");
    }
    EXPECT_EQ(resolve({{"HOME", "/"}}).dataHome, "/.local/share");
}

struct GlobCase {
    const char* name;
    const char* type;
};

class MimeTypeByName : public ::testing::TestWithParam<GlobCase> {};

TEST_P(MimeTypeByName, HighestWeightThenLongestPatternWins) {
    MimeGlobs globs;
    globs.addGlobs2("# comment\n"
                    "50:application/x-obrix-record:*.oci\n"
                    "50:text/x-readme:readme*\n"
                    "50:text/x-readme-oci:readme.oci\n"
                    "80:text/x-makefile:makefile*\n"
                    "50:text/x-c:*.c:cs\n"
                    "50:text/x-c++:*.C:cs\n"
                    "malformed line\n"
                    "x:text/bad-weight:*.bad\n"
                    "50::*.empty\n");
    EXPECT_EQ(globs.typeOf(GetParam().name), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Names, MimeTypeByName,
                         ::testing::Values(GlobCase{"~1A2B.OCI", "application/x-obrix-record"},
                                           GlobCase{"client.oci", "application/x-obrix-record"},
                                           GlobCase{"client.oci.bak", ""},
                                           GlobCase{"client.ocir", ""},
                                           GlobCase{"README.oci", "text/x-readme-oci"},
                                           GlobCase{"Makefile.oci", "text/x-makefile"},
                                           GlobCase{"main.c", "text/x-c"},
                                           GlobCase{"main.C", "text/x-c++"}, GlobCase{"x.bad", ""},
                                           GlobCase{"x.empty", ""}, GlobCase{"", ""}));

TEST(MimeGlobs, NoGlobsInAMoreImportantFileDropsThePatternsOfLaterOnes) {
    MimeGlobs globs;
    globs.addGlobs2("0:application/x-obrix-record:__NOGLOBS__\n"
                    "50:application/x-obrix-record:*.ocir\n");
    globs.addGlobs2("50:application/x-obrix-record:*.oci\n50:text/plain:*.txt\n");
    EXPECT_EQ(globs.typeOf("a.oci"), "");
    EXPECT_EQ(globs.typeOf("a.ocir"), "application/x-obrix-record");
    EXPECT_EQ(globs.typeOf("a.txt"), "text/plain");
}

// A user data folder and a system data folder with applications, and a config folder.
class DefaultApplicationLookup : public ::testing::Test {
protected:
    void SetUp() override {
        dirs_.dataHome = root_ / "home-data";
        dirs_.configHome = root_ / "home-config";
        dirs_.dataDirs = {root_ / "system-data"};
        dirs_.configDirs = {root_ / "system-config"};
        writeProgram(root_ / "bin/Obrix");
        writeProgram(root_ / "bin/other");
        addEntry(dirs_.dataDirs[0], "obrix.desktop", root_ / "bin/Obrix");
        addEntry(dirs_.dataDirs[0], "other.desktop", root_ / "bin/other");
    }

    void addEntry(const std::string& dataDir, const std::string& id, const std::string& program,
                  const std::string& extra = "") {
        writeFile(dataDir + "/applications/" + id,
                  "[Desktop Entry]\nType=Application\nName=X\nExec=\"" + program + "\" %f\n" +
                      extra);
    }

    std::string lookup() const { return defaultApplicationFor(dirs_, kType); }

    static constexpr const char* kType = "application/x-obrix-record";
    TempDir root_;
    XdgDirs dirs_;
};

TEST_F(DefaultApplicationLookup, MimeappsListFilesInOrderOfImportance) {
    dirs_.desktops = {"gnome"};
    const std::string c = dirs_.configHome, s = dirs_.dataDirs[0];
    EXPECT_THAT(mimeappsListFiles(dirs_),
                ElementsAreArray({c + "/gnome-mimeapps.list", c + "/mimeapps.list",
                                  root_ / "system-config/gnome-mimeapps.list",
                                  root_ / "system-config/mimeapps.list",
                                  dirs_.dataHome + "/applications/gnome-mimeapps.list",
                                  dirs_.dataHome + "/applications/mimeapps.list",
                                  s + "/applications/gnome-mimeapps.list",
                                  s + "/applications/mimeapps.list"}));
}

TEST_F(DefaultApplicationLookup, NothingDeclaredMeansNoApplication) {
    EXPECT_EQ(lookup(), "");
}

TEST_F(DefaultApplicationLookup, TheUsersDefaultBeatsTheSystemsAndSkipsUninstalledEntries) {
    writeFile(dirs_.dataDirs[0] + "/applications/mimeapps.list",
              "[Default Applications]\napplication/x-obrix-record=other.desktop;\n");
    EXPECT_EQ(lookup(), "other.desktop");
    writeFile(dirs_.configHome + "/mimeapps.list",
              "[Default Applications]\napplication/x-obrix-record=gone.desktop;obrix.desktop;\n");
    EXPECT_EQ(lookup(), "obrix.desktop");
}

TEST_F(DefaultApplicationLookup, WithoutDefaultsDeclaredApplicationsCountUnlessRemoved) {
    writeFile(dirs_.dataDirs[0] + "/applications/mimeinfo.cache",
              "[MIME Cache]\napplication/x-obrix-record=other.desktop;obrix.desktop;\n");
    EXPECT_EQ(lookup(), "other.desktop");
    writeFile(dirs_.configHome + "/mimeapps.list",
              "[Removed Associations]\napplication/x-obrix-record=other.desktop;\n");
    EXPECT_EQ(lookup(), "obrix.desktop");
}

TEST_F(DefaultApplicationLookup, AHiddenUserEntryHidesTheSystemOne) {
    writeFile(dirs_.configHome + "/mimeapps.list",
              "[Default Applications]\napplication/x-obrix-record=obrix.desktop;\n");
    EXPECT_EQ(findDesktopEntry(dirs_, "obrix.desktop"),
              dirs_.dataDirs[0] + "/applications/obrix.desktop");
    addEntry(dirs_.dataHome, "obrix.desktop", root_ / "bin/Obrix", "Hidden=true\n");
    EXPECT_EQ(findDesktopEntry(dirs_, "obrix.desktop"), "");
    EXPECT_EQ(lookup(), "");
    EXPECT_EQ(findDesktopEntry(dirs_, "../applications/obrix.desktop"), "");
}

struct EntryCase {
    const char* exec;
    const char* program; // relative to the test folder; "" for none
};

class ProgramOfEntry : public DefaultApplicationLookup,
                       public ::testing::WithParamInterface<EntryCase> {};

TEST_P(ProgramOfEntry, OnlyAnExecutableFileFoundByAbsolutePathCounts) {
    writeFile(root_ / "bin/not-executable", "data");
    std::string exec = GetParam().exec;
    for (std::size_t at = exec.find("ROOT"); at != std::string::npos; at = exec.find("ROOT"))
        exec.replace(at, 4, root_.path());
    const std::string entry = "[Desktop Entry]\nExec=" + exec + "\n";
    const std::string expected = *GetParam().program ? root_ / GetParam().program : "";
    EXPECT_EQ(programOfDesktopEntry(entry, "relative:" + (root_ / "bin")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ProgramOfEntry,
    ::testing::Values(EntryCase{"\"ROOT/bin/Obrix\" %f", "bin/Obrix"},
                      EntryCase{"Obrix %f", "bin/Obrix"}, EntryCase{"ROOT/bin/Obrix", "bin/Obrix"},
                      EntryCase{"missing %f", ""}, EntryCase{"not-executable %f", ""},
                      EntryCase{"bin/Obrix %f", ""}, EntryCase{"ROOT/bin %f", ""},
                      EntryCase{"\"ROOT/bin/Obrix %f", ""}, EntryCase{"", ""}));

} // namespace
