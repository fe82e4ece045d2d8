// The built obrix-score run on generated record files, as a user or a script runs it.
#include "records/client_record.h"
#include "records/record_format.h"
#include "scoring/calculation.h"
#include "scoring/number_format.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

using obrix::cli::testing::TemporaryFolder;
using obrix::records::ClientRecord;
namespace fs = std::filesystem;

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs obrix-score with arguments in folder, standard input from the given bytes, and collects
// both output streams through files (no pipe can fill up and block). output, when given,
// replaces the file that collects standard output.
ProgramRun runProgram(const TemporaryFolder& folder, const std::vector<std::string>& arguments,
                      const std::string& input = {}, fs::path output = {}) {
    const fs::path in = folder.write("io/stdin", input);
    const fs::path out = output.empty() ? folder.path() / "io" / "stdout" : output;
    const fs::path err = folder.path() / "io" / "stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());

    std::vector<std::string> argv = {OBRIX_SCORE_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    ProgramRun run;
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, OBRIX_SCORE_PROGRAM, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    if (spawned != 0)
        return run;
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = output.empty() ? readFile(out) : std::string();
    run.err = readFile(err);
    return run;
}

std::string recordBytes(const std::string& identifier, std::vector<std::string> items) {
    ClientRecord record{identifier, {2026, 3, 14}, {}};
    for (std::size_t i = 0; i < record.items.size(); ++i)
        record.items[i] = items.size() == 1 ? items[0] : items[i];
    return obrix::records::encodeRecord(record);
}

// Items 2, with the Washing items (5, 11, 17) 0: one "N/A" among present percentiles.
std::vector<std::string> noWashing() {
    std::vector<std::string> items(18, "2");
    items[4] = items[10] = items[16] = "0";
    return items;
}

std::vector<std::string> lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (auto at = text.find(end); at != std::string::npos; at = text.find(end, start)) {
        out.push_back(text.substr(start, at - start));
        start = at + end.size();
    }
    EXPECT_EQ(start, text.size()) << "text does not end with a line end";
    return out;
}

const std::string kUsageHint = "Try 'obrix-score --help'.\n";

class ObrixScore : public ::testing::Test {
protected:
    void SetUp() override {
        // The writer stores "Ana Núñez" in the record file's code page (Windows-1252).
        const std::string b = recordBytes("Ana N\xC3\xBA\xC3\xB1"
                                          "ez",
                                          {"2"});
        ASSERT_NE(b.find("Ana N\xFA\xF1"
                         "ez"),
                  std::string::npos);
        folder.write("records/b.oci", b);
        folder.write("records/a.oci", recordBytes("Client 0427", {"0"}));
        folder.write("records/c.oci", recordBytes("Clinic A, Room 3", noWashing()));
        folder.write("records/notes.txt", "not a record");
        folder.write("records/sub/d.oci", recordBytes("deep", {"4"}));
        folder.write("bad.oci", recordBytes("bad", {""}));
    }

    TemporaryFolder folder;
};

TEST_F(ObrixScore, TableShowsTheWindowTextsInFolderOrder) {
    const ProgramRun run = runProgram(folder, {"records"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 3u * 11 + 2);
    EXPECT_EQ(out[0], "File: records/a.oci");
    EXPECT_EQ(out[1], "Client Name: Client 0427");
    EXPECT_EQ(out[2], "Date of Test: 2026-03-14");
    EXPECT_EQ(out[3], "Reference Sample: General Population Sample");
    EXPECT_EQ(out[10], "Total:         0   Z Score = -1.7    N/A");
    EXPECT_EQ(out[12], "File: records/b.oci");
    EXPECT_EQ(out[13], "Client Name: Ana N\xC3\xBA\xC3\xB1"
                       "ez");
    EXPECT_EQ(out[16], "Washing:       6   Z Score = 1.44    92.45 Percentile");
    EXPECT_EQ(out[24], "File: records/c.oci");
    EXPECT_EQ(out[28], "Washing:       0   Z Score = -0.96   N/A");
}

TEST_F(ObrixScore, CsvAndJsonCarryTheSameFiguresAsTheWindow) {
    // The figures the window computes for c.oci, taken from the shared core.
    obrix::scoring::ItemTexts items;
    const auto mixed = noWashing();
    std::copy(mixed.begin(), mixed.end(), items.begin());
    obrix::scoring::NormalDistributionSource statistics;
    const auto window = obrix::scoring::calculate(
        items, obrix::scoring::ComparisonGroup::GeneralPopulation, statistics);
    ASSERT_TRUE(window.complete());
    const std::string total = obrix::scoring::formatGeneral(window.scales[6].zScore, ",");
    const std::string totalPercentile =
        obrix::scoring::formatGeneral(*window.scales[6].percentile, ",");

    const ProgramRun csv =
        runProgram(folder, {"--format", "csv", "--decimal-separator", ",", "records/c.oci"});
    EXPECT_EQ(csv.status, 0);
    const auto rows = lines(csv.out, "\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].starts_with("file,identifier,date,group,washing_raw,washing_z,"));
    EXPECT_EQ(rows[1], "records/c.oci,\"Clinic A, Room 3\",2026-03-14,general,0,\"-0,96\",,6,"
                       "\"1,21\",\"88,63\",6,\"0,53\",\"70,01\",6,\"1,15\",\"87,58\",6,\"0,6\","
                       "\"72,42\",6,\"1,9\",\"97,13\",30,\"" +
                           total + "\",\"" + totalPercentile + "\"");

    const ProgramRun json = runProgram(
        folder, {"--format=json", "--decimal-separator=,", "--group=ocd", "records/b.oci"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, "[\n{\"file\":\"records/b.oci\",\"identifier\":\"Ana N\xC3\xBA\xC3\xB1"
                        "ez\","
                        "\"date\":\"2026-03-14\",\"group\":\"ocd\",\"scales\":{"
                        "\"washing\":{\"raw\":6,\"z\":0.38,\"percentile\":64.91},"
                        "\"checking\":{\"raw\":6,\"z\":0.3,\"percentile\":61.91},"
                        "\"ordering\":{\"raw\":6,\"z\":0.31,\"percentile\":62.17},"
                        "\"obsessing\":{\"raw\":6,\"z\":-0.32,\"percentile\":37.44},"
                        "\"hoarding\":{\"raw\":6,\"z\":0.6,\"percentile\":72.64},"
                        "\"neutralising\":{\"raw\":6,\"z\":0.74,\"percentile\":77.04},"
                        "\"total\":{\"raw\":36,\"z\":0.59,\"percentile\":72.26}}}\n]\n");
}

TEST_F(ObrixScore, BadRecordAmongGoodOnesIsOneErrorLineAndExitOne) {
    const ProgramRun run = runProgram(
        folder, {"--format", "csv", "records/a.oci", "bad.oci", "missing.oci", "records/b.oci"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "bad.oci: All boxes must contain data.\n"
                       "missing.oci: No such file or directory\n");
    const auto rows = lines(run.out, "\r\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[1].starts_with("records/a.oci,Client 0427,"));
    EXPECT_TRUE(rows[2].starts_with("records/b.oci,"));
}

TEST_F(ObrixScore, RecursiveDescendsIntoSubfolders) {
    const auto flat = lines(runProgram(folder, {"--format=csv", "records"}).out, "\r\n");
    const ProgramRun run = runProgram(folder, {"--format=csv", "--recursive", "records"});
    EXPECT_EQ(run.status, 0);
    const auto rows = lines(run.out, "\r\n");
    ASSERT_EQ(flat.size(), 4u);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[4].starts_with("records/sub/d.oci,deep,2026-03-14,general,12,3.84,99.99,"));
}

TEST_F(ObrixScore, FolderWithoutRecordsIsNamedAndExitsOne) {
    folder.write("clinic/2026-03/old/e.oci", recordBytes("old", {"1"}));
    const ProgramRun run = runProgram(folder, {"clinic/2026-03", "records/a.oci"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "clinic/2026-03: no record files (*.oci) found\n");
    EXPECT_TRUE(run.out.starts_with("File: records/a.oci\n"));
}

TEST_F(ObrixScore, DashReadsOneRecordFromStandardInput) {
    const ProgramRun run =
        runProgram(folder, {"--format", "json", "-"}, recordBytes("piped", {"2"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("[\n{\"file\":\"-\",\"identifier\":\"piped\","));

    const ProgramRun cut = runProgram(folder, {"-"}, "\"piped\",#2026-03-14#,\"1\"");
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err, "-: Input past end of file\n");
    EXPECT_EQ(cut.out, "");
}

TEST_F(ObrixScore, UsageErrorsExitTwoWithAHint) {
    struct Case {
        std::vector<std::string> arguments;
        std::string firstLine;
    };
    for (const Case& c :
         {Case{{}, "obrix-score: no record file or folder given\n"},
          Case{{"--format", "xml", "records"},
               "obrix-score: invalid format 'xml' (use table, csv or json)\n"},
          Case{{"--nonsense", "records"}, "obrix-score: unrecognised option '--nonsense'\n"},
          Case{{"records", "--group"}, "obrix-score: option '--group' needs a value\n"}}) {
        const ProgramRun run = runProgram(folder, c.arguments);
        EXPECT_EQ(run.status, 2) << c.firstLine;
        EXPECT_EQ(run.err, c.firstLine + kUsageHint);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(ObrixScore, HelpAndVersionGoToStandardOutput) {
    const ProgramRun help = runProgram(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: obrix-score [OPTION]... PATH...\n"));
    EXPECT_EQ(help.err, "");
    const ProgramRun version = runProgram(folder, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("obrix-score (Obrix) "));
}

TEST_F(ObrixScore, FullOutputDeviceIsAFailure) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const ProgramRun run = runProgram(folder, {"records"}, {}, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "obrix-score: cannot write the output: No space left on device\n");
}

} // namespace
