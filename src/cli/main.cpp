// obrix-score: scores batches of .oci record files from the command line, with the same core
// as the Obrix window.

#include "cli/batch_scorer.h"
#include "cli/console.h"
#include "cli/options.h"
#include "cli/record_sources.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

using namespace obrix::cli;

constexpr int kUsageError = 2;

int usageError(const std::string& message) {
    std::fprintf(stderr, "obrix-score: %s\nTry 'obrix-score --help'.\n", message.c_str());
    return kUsageError;
}

// Help and version go to standard output; failing to write them is a failure too.
int show(std::string_view text) {
    std::string error = console::writeAll(stdout, text);
    if (error.empty())
        error = console::flush(stdout);
    if (error.empty())
        return 0;
    std::fprintf(stderr, "obrix-score: cannot write the output: %s\n", error.c_str());
    return 1;
}

int run(const Options& options) {
    const std::vector<RecordSource> sources =
        collectRecordSources(options.paths, options.recursive);
    BatchIo io;
    io.writeOutput = [](std::string_view text) {
        return console::writeAll(stdout, text);
    };
    io.writeError = [](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
    };
    io.readStandardInput = console::readStandardInputRecord;
    io.errorIsTerminal = console::isTerminal(stderr);
    io.outputIsTerminal = console::isTerminal(stdout);

    BatchSummary summary = scoreBatch(options, sources, io);
    if (summary.outputError.empty())
        summary.outputError = console::flush(stdout);
    if (!summary.outputError.empty())
        std::fprintf(stderr, "obrix-score: cannot write the output: %s\n",
                     summary.outputError.c_str());
    return summary.exitStatus();
}

} // namespace

int main(int argc, char** argv) {
    console::useBinaryStreams();
    const std::vector<std::string> texts = console::arguments(argc, argv);
    const std::vector<std::string_view> arguments(texts.begin(), texts.end());
    return std::visit(
        [](const auto& parsed) -> int {
            using Parsed = std::decay_t<decltype(parsed)>;
            if constexpr (std::is_same_v<Parsed, Options>)
                return run(parsed);
            else if constexpr (std::is_same_v<Parsed, ShowHelp>)
                return show(helpText());
            else if constexpr (std::is_same_v<Parsed, ShowVersion>)
                return show(versionText());
            else
                return usageError(parsed.message);
        },
        parseCommandLine(arguments));
}
