// Finding the record named on the command line: splitting a Windows argument text, one candidate
// per argument elsewhere, the last existing candidate winning, and what counts as an ordinary file.
#include "records/command_line.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

using namespace obrix::records;
namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

struct TextCase {
    const char* name;
    std::string text;
    Strings candidates;
};

class CandidatesFromText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CandidatesFromText, SplitsAtQuoteBlankQuoteAndDropsQuotes) {
    EXPECT_EQ(candidatesFromText(GetParam().text), GetParam().candidates);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CandidatesFromText,
    ::testing::Values(
        TextCase{"Empty", "", {}},
        TextCase{
            "PathWithBlanks", R"(C:\My Records\client 27.oci)", {R"(C:\My Records\client 27.oci)"}},
        TextCase{"QuotedPath", R"("C:\My Records\a.oci")", {R"(C:\My Records\a.oci)"}},
        TextCase{"TwoQuotedPaths", R"("C:\a b.oci" "D:\c.oci")", {R"(C:\a b.oci)", R"(D:\c.oci)"}},
        TextCase{"ThreeQuotedPaths", R"("a" "b" "c")", {"a", "b", "c"}},
        TextCase{"TwoUnquotedPathsStayOne", R"(C:\a.oci D:\b.oci)", {R"(C:\a.oci D:\b.oci)"}},
        TextCase{"TwoBlanksAreNoSeparator", R"("a"  "b")", {"a  b"}},
        TextCase{"QuoteInsideAPathIsDropped", R"(C:\a"b.oci)", {R"(C:\ab.oci)"}},
        TextCase{"SeparatorAtTheEnds", R"(" "a" ")", {"", "a", ""}},
        TextCase{"OnlyQuotes", R"("")", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArgumentText, FollowsTheProgramName) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"", ""},
        {"Obrix.exe", ""},
        {"Obrix.exe   ", ""},
        {R"(Obrix.exe C:\a.oci)", R"(C:\a.oci)"},
        {"Obrix.exe \t \"C:\\a b.oci\"", R"("C:\a b.oci")"},
        {R"("C:\Program Files\Obrix\Obrix.exe" "C:\a b.oci")", R"("C:\a b.oci")"},
        {R"("C:\Program Files\Obrix\Obrix.exe")", ""},
        {R"("C:\Program Files\Obrix\Obrix.exe)", ""},
        {R"(C:\Obrix\Obrix.exe "a" "b" )", R"("a" "b" )"},
    };
    for (const auto& [commandLine, expected] : table)
        EXPECT_EQ(argumentText(commandLine), expected) << commandLine;
}

TEST(ChooseStartupFile, TheLastExistingCandidateWins) {
    const std::set<std::string> existing = {"first", "second"};
    const FileTest exists = [&](const std::string& path) {
        return existing.count(path) > 0;
    };
    const std::vector<std::pair<Strings, std::optional<std::string>>> table = {
        {{}, std::nullopt},
        {{"missing"}, std::nullopt},
        {{"first"}, "first"},
        {{"first", "second"}, "second"},
        {{"first", "missing"}, "first"},
        {{"second", "first", "missing"}, "first"},
    };
    for (const auto& [candidates, chosen] : table)
        EXPECT_EQ(chooseStartupFile(candidates, exists), chosen);
}

TEST(CandidatesFromArguments, OneEachQuotesDroppedUnlessTheNameHasThem) {
    const FileTest exists = [](const std::string& path) {
        return path == "odd\"name.oci";
    };
    EXPECT_EQ(
        candidatesFromArguments({"/tmp/a b.oci", "\"/tmp/c.oci\"", "odd\"name.oci", ""}, exists),
        (Strings{"/tmp/a b.oci", "/tmp/c.oci", "odd\"name.oci", ""}));
}

class OrdinaryFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "obrix-command-line-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
        std::ofstream(folder_ / "a record.oci") << "x";
        std::ofstream(folder_ / ".hidden.oci") << "x";
        fs::create_directory(folder_ / "folder.oci");
        ASSERT_EQ(::mkfifo((folder_ / "pipe.oci").c_str(), 0600), 0);
        fs::create_symlink(folder_ / "a record.oci", folder_ / "link.oci");
        fs::create_symlink(folder_ / "folder.oci", folder_ / "folder-link.oci");
        fs::create_symlink(folder_ / "gone.oci", folder_ / "dangling.oci");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string at(const char* name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST_F(OrdinaryFile, OnlyExistingPlainFilesCount) {
    const std::vector<std::pair<std::string, bool>> table = {
        {at("a record.oci"), true},     {at(".hidden.oci"), true},   {at("link.oci"), true},
        {at("missing.oci"), false},     {at("folder.oci"), false},   {at("pipe.oci"), false},
        {at("folder-link.oci"), false}, {at("dangling.oci"), false}, {at("*.oci"), false},
        {at("a record.oc?"), false},    {folder_.string(), false},   {"", false},
    };
    for (const auto& [path, expected] : table)
        EXPECT_EQ(isOrdinaryFile(path), expected) << path;
}

TEST_F(OrdinaryFile, NamesOutsideTheCodePageWork) {
    const std::string name = at("Zoë Ω.oci");
    std::ofstream(fs::path(std::u8string(name.begin(), name.end()))) << "x";
    EXPECT_TRUE(isOrdinaryFile(name));
}

} // namespace
