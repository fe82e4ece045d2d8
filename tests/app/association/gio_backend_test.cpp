// The registration on the GIO backend, end to end: a copy of a one-step program named Obrix
// runs in private XDG folders as successive start-ups would, with stand-ins for the database
// tools that note when they start (and, when told to, hang for a minute).

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& content, fs::perms mode = {}) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    if (mode != fs::perms{})
        fs::permissions(path, mode);
}

// A file's identity and time of change: the same as long as nothing wrote it.
std::pair<ino_t, long> stamp(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return {info.st_ino, info.st_mtim.tv_nsec};
}

// What a start-up reported: the program folder, the program associated before the step.
struct Start {
    std::string folder;
    std::string associated;
};

class GioRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        g_autofree char* root = g_dir_make_tmp("obrix-gio-XXXXXX", nullptr);
        ASSERT_TRUE(root);
        root_ = root;
        g_autofree char* tool = g_find_program_in_path("update-mime-database");
        ASSERT_TRUE(tool) << "update-mime-database is missing: install shared-mime-info";
        realMimeTool_ = tool;
        installTools(false);
    }
    void TearDown() override {
        for (const std::string& line : hung_ ? toolLog() : std::vector<std::string>())
            if (line != "ended") // still sleeping: ours to stop
                ::kill(std::stoi(line.substr(line.find(' ') + 1)), SIGTERM);
        // A tool started in the background may still be noting its start.
        std::error_code error;
        for (int tries = 0; tries < 50 && fs::remove_all(root_, error) == std::uintmax_t(-1);
             ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    std::string at(const std::string& relative) const { return root_ + "/" + relative; }

    void installTools(bool hang) {
        hung_ = hang;
        for (const char* name : {"update-mime-database", "update-desktop-database"}) {
            writeFile(at("tools/") + name,
                      std::string("#!/bin/sh\necho \"$(basename \"$0\") $$\" >> '") +
                          at("tools.log") + "'\n" +
                          (hang ? "trap 'kill $!; exit' TERM\nsleep 60 & wait $!\necho ended >> '" +
                                      at("tools.log") + "'\n"
                                : ""),
                      fs::perms::owner_all);
        }
    }

    std::string install(const std::string& folderName) {
        const std::string folder = at(folderName);
        fs::create_directories(folder);
        fs::copy_file(OBRIX_GIO_STEP, folder + "/Obrix");
        return folder;
    }

    Start start(const std::string& folder) {
        char** env = g_get_environ();
        const std::pair<const char*, std::string> settings[] = {
            {"HOME", at("home")},
            {"XDG_DATA_HOME", at("data")},
            {"XDG_CONFIG_HOME", at("config")},
            {"XDG_DATA_DIRS", at("system-data")},
            {"XDG_CONFIG_DIRS", at("system-config")},
            {"PATH", at("tools") + ":" + g_getenv("PATH")}};
        for (const auto& [name, value] : settings)
            env = g_environ_setenv(env, name, value.c_str(), TRUE);
        env = g_environ_unsetenv(env, "XDG_CURRENT_DESKTOP");
        const std::string program = folder + "/Obrix";
        const char* argv[] = {program.c_str(), nullptr};
        g_autofree char* out = nullptr;
        int status = 0;
        const bool ran = g_spawn_sync(nullptr, const_cast<char**>(argv), env, G_SPAWN_DEFAULT,
                                      nullptr, nullptr, &out, nullptr, &status, nullptr);
        g_strfreev(env);
        EXPECT_TRUE(ran && g_spawn_check_wait_status(status, nullptr));
        std::istringstream lines(out ? out : "");
        Start reported;
        std::getline(lines, reported.folder);
        std::getline(lines, reported.associated);
        return reported;
    }

    std::vector<std::string> toolLog() const {
        std::istringstream in(readFile(at("tools.log")));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    // The names of the tools started so far, once `count` have started (they start detached).
    std::multiset<std::string> toolsStarted(std::size_t count) const {
        for (int wait = 0; wait < 200 && toolLog().size() < count; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::multiset<std::string> names;
        for (const std::string& line : toolLog())
            names.insert(line.substr(0, line.find(' ')));
        return names;
    }

    // What the detached update-mime-database run makes of the user's MIME folder.
    void refreshMimeDatabase() const {
        const std::string command =
            "'" + realMimeTool_ + "' '" + at("data/mime") + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    std::string keyFileValue(const std::string& file, const char* group, const char* key) const {
        g_autoptr(GKeyFile) keys = g_key_file_new();
        g_key_file_load_from_file(keys, at(file).c_str(), G_KEY_FILE_NONE, nullptr);
        g_autofree char* value = g_key_file_get_string(keys, group, key, nullptr);
        return value ? value : "";
    }
    std::string defaultFor(const char* type) const {
        return keyFileValue("config/mimeapps.list", "Default Applications", type);
    }

    std::string root_;
    std::string realMimeTool_;
    bool hung_ = false;
    const std::set<std::string> bothTools_{"update-desktop-database", "update-mime-database"};
};

const std::string kEntry = "data/applications/obrix.desktop";
const std::string kPackage = "data/mime/packages/obrix.xml";

class ProgramFolderNames : public GioRegistration,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(ProgramFolderNames, FirstStartRegistersAndTheNextFindsItselfAndWritesNothing) {
    const std::string folder = install(GetParam());
    const Start first = start(folder);
    EXPECT_EQ(first.folder, folder);
    EXPECT_EQ(first.associated, "");
    EXPECT_EQ(toolsStarted(2), std::multiset<std::string>(bothTools_.begin(), bothTools_.end()));
    EXPECT_EQ(readFile(at(kPackage)), readFile(OBRIX_PACKAGING_DIR "/obrix.xml"));
    EXPECT_EQ(std::system(("desktop-file-validate '" + at(kEntry) + "'").c_str()), 0);
    EXPECT_EQ(keyFileValue(kEntry, "Desktop Entry", "Icon"), folder + "/OCI-R.ico");
    refreshMimeDatabase();

    const auto entry = stamp(at(kEntry));
    const auto list = stamp(at("config/mimeapps.list"));
    EXPECT_EQ(start(folder).associated, folder + "/Obrix");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(toolLog().size(), 2u) << "nothing was written, so nothing is refreshed";
    EXPECT_EQ(stamp(at(kEntry)), entry);
    EXPECT_EQ(stamp(at("config/mimeapps.list")), list);
}

INSTANTIATE_TEST_SUITE_P(Folders, ProgramFolderNames,
                         ::testing::Values("bin", "My Programs/Obrix 2", "a$b `c` \"d\" 100%f",
                                           "back\\slash;semicolon"));

TEST_F(GioRegistration, AnotherDefaultIsReplacedAndTheUsersOtherSettingsStay) {
    writeFile(at("viewer/viewer"), "#!/bin/sh\n", fs::perms::owner_all);
    writeFile(at("data/applications/viewer.desktop"),
              "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + at("viewer/viewer") +
                  " %f\nMimeType=application/x-obrix-record;\n");
    writeFile(at(kPackage), readFile(OBRIX_PACKAGING_DIR "/obrix.xml"));
    refreshMimeDatabase();
    writeFile(at("config/mimeapps.list"), "[Default Applications]\ntext/plain=gedit.desktop;\n"
                                          "application/x-obrix-record=viewer.desktop;\n");

    const std::string folder = install("bin");
    EXPECT_EQ(start(folder).associated, at("viewer/viewer"));
    EXPECT_EQ(start(folder).associated, folder + "/Obrix");
    EXPECT_EQ(defaultFor("text/plain"), "gedit.desktop;");
    // The package was there already: only the new desktop entry needs its database refreshed.
    EXPECT_EQ(toolsStarted(1), std::multiset<std::string>{"update-desktop-database"});
}

TEST_F(GioRegistration, AProgramThatMovedIsRegisteredAgainFromItsNewFolder) {
    const std::string oldFolder = install("old");
    start(oldFolder);
    refreshMimeDatabase();
    fs::remove_all(oldFolder);
    const std::string newFolder = install("new");
    EXPECT_EQ(start(newFolder).associated, "");
    EXPECT_EQ(start(newFolder).associated, newFolder + "/Obrix");
}

TEST_F(GioRegistration, AFileThatALinkPointsAtIsNeverWrittenThrough) {
    writeFile(at("elsewhere"), "precious");
    fs::create_directories(at("data/applications"));
    fs::create_symlink(at("elsewhere"), at(kEntry));
    start(install("bin"));
    EXPECT_EQ(readFile(at("elsewhere")), "precious");
    EXPECT_EQ(defaultFor("application/x-obrix-record"), "obrix.desktop");
}

// At every start the database tools may hang, the registration step never waits for them.
TEST_F(GioRegistration, HungDatabaseToolsDoNotHoldUpAnyStart) {
    installTools(true);
    const std::string folder = install("bin");
    start(folder);
    EXPECT_EQ(toolsStarted(2), std::multiset<std::string>(bothTools_.begin(), bothTools_.end()));
    start(folder); // the hung tools built nothing: the type is still unknown
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(toolLog().size(), 2u) << "nothing new was written, so no tool runs again";
    for (const std::string& line : toolLog())
        EXPECT_NE(line, "ended") << "a start waited for a tool";
}

} // namespace
