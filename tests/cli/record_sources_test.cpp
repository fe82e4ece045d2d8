// Which files a PATH stands for, and in which order.
#include "cli/record_sources.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace obrix::cli;
using obrix::cli::testing::TemporaryFolder;
namespace fs = std::filesystem;

namespace {

using Kind = RecordSource::Kind;

// A folder sorts among its siblings by its own name: "a/q.oci" comes before "a.oci".
// The sources as "file:<path relative to root>", "stdin" or "problem:<relative path>".
std::vector<std::string> describe(const std::vector<RecordSource>& sources, const fs::path& root) {
    std::vector<std::string> out;
    for (const RecordSource& source : sources) {
        switch (source.kind) {
        case Kind::File:
            out.push_back("file:" + source.path.lexically_relative(root).generic_string());
            break;
        case Kind::StandardInput:
            out.push_back("stdin");
            break;
        case Kind::Problem:
            out.push_back("problem:" + source.path.lexically_relative(root).generic_string());
            break;
        }
    }
    return out;
}

class RecordSources : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"b.oci", "a.oci", "B.oci", "c.OCI", "notes.txt", "oci",
                                 ".hidden.oci", "a.oci.bak", "10.oci", "9.oci", "sub/x.oci",
                                 "sub/deeper/y.oci", "sub/readme.md", ".git/z.oci", "a/q.oci"})
            folder.write(name, "x");
        fs::create_directories(folder.path() / "folder.oci");
    }

    std::vector<std::string> collect(const std::vector<std::string>& relativePaths,
                                     bool recursive) {
        std::vector<std::string> paths;
        for (const std::string& relative : relativePaths)
            paths.push_back(relative == "-"   ? relative
                            : relative == "." ? folder.path().string()
                                              : (folder.path() / relative).string());
        return describe(collectRecordSources(paths, recursive), folder.path());
    }

    TemporaryFolder folder;
};

TEST_F(RecordSources, FolderGivesItsRecordFilesInByteOrder) {
    EXPECT_EQ(collect({"."}, false),
              (std::vector<std::string>{"file:10.oci", "file:9.oci", "file:B.oci", "file:a.oci",
                                        "file:b.oci", "file:c.OCI"}));
}

TEST_F(RecordSources, RecursiveAddsSubfoldersSortedByPath) {
    EXPECT_EQ(collect({"."}, true),
              (std::vector<std::string>{"file:10.oci", "file:9.oci", "file:B.oci", "file:a/q.oci",
                                        "file:a.oci", "file:b.oci", "file:c.OCI",
                                        "file:sub/deeper/y.oci", "file:sub/x.oci"}));
}

TEST_F(RecordSources, NamedFilesAndStandardInputKeepTheCommandLineOrder) {
    EXPECT_EQ(collect({"notes.txt", "-", "missing.oci", "sub", "b.oci"}, false),
              (std::vector<std::string>{"file:notes.txt", "stdin", "file:missing.oci",
                                        "file:sub/x.oci", "file:b.oci"}));
}

TEST_F(RecordSources, LinkedFoldersAreNotFollowed) {
    fs::create_directory_symlink(folder.path(), folder.path() / "sub" / "loop");
    folder.write("sub/link-target.oci", "x");
    fs::create_symlink(folder.path() / "sub" / "link-target.oci", folder.path() / "linked.oci");
    EXPECT_EQ(collect({"sub"}, true),
              (std::vector<std::string>{"file:sub/deeper/y.oci", "file:sub/link-target.oci",
                                        "file:sub/x.oci"}));
    // A link to a record file counts as the file.
    const auto top = collect({"."}, false);
    EXPECT_NE(std::find(top.begin(), top.end(), "file:linked.oci"), top.end());
}

TEST_F(RecordSources, UnlistableFolderIsAProblemAndTheRestCarriesOn) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root can list any folder";
    fs::permissions(folder.path() / "sub" / "deeper", fs::perms::owner_all,
                    fs::perm_options::remove);
    const std::vector<RecordSource> sources =
        collectRecordSources({(folder.path() / "sub").string()}, true);
    EXPECT_EQ(describe(sources, folder.path()),
              (std::vector<std::string>{"problem:sub/deeper", "file:sub/x.oci"}));
    EXPECT_EQ(sources.front().error, "Permission denied");
    fs::permissions(folder.path() / "sub" / "deeper", fs::perms::owner_all, fs::perm_options::add);
}

TEST(RecordFileName, TakesOciInAnyCaseButNotHiddenFiles) {
    struct Case {
        const char* name;
        bool taken;
    };
    for (const Case c :
         {Case{"a.oci", true}, Case{"A.OCI", true}, Case{"x.Oci", true}, Case{"a b,c.oci", true},
          Case{".oci", false}, Case{".a.oci", false}, Case{"oci", false}, Case{"a.ocii", false},
          Case{"a.oci~", false}, Case{"a_oci", false}})
        EXPECT_EQ(isRecordFileName(c.name), c.taken) << c.name;
}

} // namespace
