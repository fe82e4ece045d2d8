// A run over several records: what reaches the output and the error stream, the exit status,
// the progress line and a failing output.
#include "cli/batch_scorer.h"

#include "records/record_format.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace obrix::cli;
using obrix::cli::testing::TemporaryFolder;
using obrix::records::ClientRecord;

namespace {

std::string recordBytes(const std::string& identifier, const std::string& item) {
    ClientRecord record{identifier, {2026, 3, 14}, {}};
    record.items.fill(item);
    return obrix::records::encodeRecord(record);
}

// An io that collects everything in strings.
struct CapturedIo {
    std::string output;
    std::string errors;
    std::vector<std::string> outputPieces;
    std::string failWith; // writeOutput fails with this once set
    std::string standardInput;
    bool errorIsTerminal = false;
    bool outputIsTerminal = false;

    BatchIo io() {
        BatchIo io;
        io.writeOutput = [this](std::string_view text) {
            if (!failWith.empty())
                return failWith;
            output += text;
            outputPieces.emplace_back(text);
            return std::string();
        };
        io.writeError = [this](std::string_view text) {
            errors += text;
        };
        io.readStandardInput = [this] {
            return obrix::records::decodeRecord(standardInput);
        };
        io.errorIsTerminal = errorIsTerminal;
        io.outputIsTerminal = outputIsTerminal;
        return io;
    }
};

Options csvOptions() {
    Options options;
    options.format = OutputFormat::Csv;
    return options;
}

std::vector<RecordSource> files(const std::vector<std::filesystem::path>& paths) {
    std::vector<RecordSource> sources;
    for (const auto& path : paths)
        sources.push_back({RecordSource::Kind::File, path, {}});
    return sources;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

TEST(BatchRun, LeavesOutBadRecordsWithOneLineEachAndScoresTheRest) {
    TemporaryFolder folder;
    const auto good1 = folder.write("good1.oci", recordBytes("first", "2"));
    const auto empty = folder.write("empty.oci", recordBytes("x", ""));
    const auto range = folder.write("range.oci", recordBytes("x", "5"));
    const auto short19 = folder.write("short.oci", "\"x\",#2026-03-14#,\"1\"\r\n");
    const auto date = folder.write("date.oci", "\"x\",abc" + std::string(18 * 4, ','));
    const auto good2 = folder.write("good2.oci", recordBytes("second", "1"));
    std::vector<RecordSource> sources =
        files({good1, empty, range, short19, date, folder.path() / "missing.oci", good2});
    sources.push_back({RecordSource::Kind::Problem, folder.path() / "locked", "Permission denied"});

    CapturedIo captured;
    const BatchSummary summary = scoreBatch(csvOptions(), sources, captured.io());

    EXPECT_EQ(summary.scored, 2u);
    EXPECT_EQ(summary.leftOut, 6u);
    EXPECT_EQ(summary.exitStatus(), 1);
    EXPECT_EQ(count(captured.output, "\r\n"), 3u); // header and the two good records
    EXPECT_NE(captured.output.find(good1.string() + ",first,"), std::string::npos);
    EXPECT_NE(captured.output.find(good2.string() + ",second,"), std::string::npos);
    EXPECT_EQ(captured.errors,
              empty.string() + ": All boxes must contain data.\n" + range.string() +
                  ": Only scores between 0 and 4 are possible for any individual item.\n" +
                  short19.string() + ": Input past end of file\n" + date.string() +
                  ": Type mismatch\n" + (folder.path() / "missing.oci").string() +
                  ": No such file or directory\n" + (folder.path() / "locked").string() +
                  ": Permission denied\n");
}

TEST(BatchRun, AllGoodIsExitStatusZero) {
    TemporaryFolder folder;
    const auto one = folder.write("one.oci", recordBytes("one", "0"));
    CapturedIo captured;
    const BatchSummary summary = scoreBatch(csvOptions(), files({one}), captured.io());
    EXPECT_EQ(summary.exitStatus(), 0);
    EXPECT_EQ(captured.errors, "");
}

TEST(BatchRun, StandardInputIsNamedDash) {
    CapturedIo captured;
    captured.standardInput = recordBytes("piped", "4");
    const BatchSummary summary =
        scoreBatch(csvOptions(), {{RecordSource::Kind::StandardInput, "-", {}}}, captured.io());
    EXPECT_EQ(summary.exitStatus(), 0);
    EXPECT_NE(captured.output.find("\r\n-,piped,2026-03-14,general,12,3.84,99.99,"),
              std::string::npos);

    captured = {};
    captured.standardInput = recordBytes("piped", "");
    scoreBatch(csvOptions(), {{RecordSource::Kind::StandardInput, "-", {}}}, captured.io());
    EXPECT_EQ(captured.errors, "-: All boxes must contain data.\n");
}

TEST(BatchRun, JsonUsesAPeriodWhateverTheSeparator) {
    CapturedIo captured;
    captured.standardInput = recordBytes("x", "2");
    Options options;
    options.format = OutputFormat::Json;
    options.decimalSeparator = ",";
    scoreBatch(options, {{RecordSource::Kind::StandardInput, "-", {}}}, captured.io());
    EXPECT_NE(captured.output.find("\"washing\":{\"raw\":6,\"z\":1.44,\"percentile\":92.45}"),
              std::string::npos);
}

TEST(BatchRun, ErrorLinesShowFileNamesSafely) {
    CapturedIo captured;
    scoreBatch(csvOptions(), {{RecordSource::Kind::Problem, "bad\n\x1B[2Jname\xFF", "No way"}},
               captured.io());
#ifdef _WIN32
    // A Windows name holds no undecodable bytes: the path reads its text as the ANSI code page.
    EXPECT_EQ(captured.errors, "bad\\x0A\\x1B[2Jname\xC3\xBF: No way\n");
#else
    EXPECT_EQ(captured.errors, "bad\\x0A\\x1B[2Jname\xEF\xBF\xBD: No way\n");
#endif
}

TEST(BatchRun, FailingOutputStopsTheRunAndFails) {
    TemporaryFolder folder;
    const auto record = folder.write("r.oci", recordBytes("x", "2"));
    const std::vector<RecordSource> many = files(std::vector<std::filesystem::path>(2000, record));

    CapturedIo captured;
    captured.failWith = "No space left on device";
    const BatchSummary summary = scoreBatch(csvOptions(), many, captured.io());
    EXPECT_EQ(summary.outputError, "No space left on device");
    EXPECT_EQ(summary.exitStatus(), 1);
    EXPECT_LT(summary.scored, 2000u); // it gave up at the first failing write
}

TEST(BatchRun, WritesOutputInLargePieces) {
    TemporaryFolder folder;
    const auto record = folder.write("r.oci", recordBytes("x", "2"));
    CapturedIo captured;
    scoreBatch(csvOptions(), files(std::vector<std::filesystem::path>(1000, record)),
               captured.io());
    EXPECT_EQ(count(captured.output, "\r\n"), 1001u);
    EXPECT_LT(captured.outputPieces.size(), 10u);
}

struct ProgressCase {
    const char* name;
    std::size_t records;
    bool errorIsTerminal;
    bool outputIsTerminal;
    bool shown;
};

std::ostream& operator<<(std::ostream& out, const ProgressCase& c) {
    return out << c.name;
}

class ProgressOfARun : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressOfARun, ShowsOnlyForLongRunsOnATerminal) {
    const ProgressCase& c = GetParam();
    // Missing files: each is one error line, which must not be mixed with the progress line.
    const std::vector<RecordSource> sources =
        files(std::vector<std::filesystem::path>(c.records, "/nonexistent/obrix/m.oci"));
    CapturedIo captured;
    captured.errorIsTerminal = c.errorIsTerminal;
    captured.outputIsTerminal = c.outputIsTerminal;
    scoreBatch(csvOptions(), sources, captured.io());

    EXPECT_EQ(captured.errors.find("Scoring records: ") != std::string::npos, c.shown);
    EXPECT_EQ(count(captured.errors, "/nonexistent/obrix/m.oci: No such file or directory\n"),
              c.records);
    if (!c.shown) {
        EXPECT_EQ(captured.errors.find('\r'), std::string::npos);
        return;
    }
    EXPECT_NE(captured.errors.find("\rScoring records: 301 of 301"), std::string::npos);
    // Every error line starts on a fresh or cleared line, and the run ends with the line cleared.
    const std::string blank(std::string_view("Scoring records: 301 of 301").size(), ' ');
    for (auto at = captured.errors.find("/nonexistent"); at != std::string::npos;
         at = captured.errors.find("/nonexistent", at + 1))
        EXPECT_TRUE(at == 0 || captured.errors[at - 1] == '\n' || captured.errors[at - 1] == '\r')
            << at;
    EXPECT_TRUE(captured.errors.ends_with("\rScoring records: 301 of 301\r" + blank + "\r"));
}

INSTANTIATE_TEST_SUITE_P(
    Terminals, ProgressOfARun,
    ::testing::Values(ProgressCase{"LongRunOnTerminal", 301, true, false, true},
                      ProgressCase{"ShortRun", 300, true, false, false},
                      ProgressCase{"ErrorsToAPipe", 301, false, false, false},
                      ProgressCase{"OutputOnTheSameScreen", 301, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
