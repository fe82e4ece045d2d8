#pragma once

// Scores a list of records with the window's own computation and writes them in one output
// form. Records that cannot be read or scored are named on the error stream and left out; the
// others are still scored.

#include "cli/options.h"
#include "cli/record_sources.h"
#include "records/record_format.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::cli {

struct BatchIo {
    // Writes output text; returns the system's description of a failure, empty on success.
    std::function<std::string(std::string_view)> writeOutput;
    // Writes to the error stream (whole lines, and the progress line).
    std::function<void(std::string_view)> writeError;
    // The record on standard input, for the source "-".
    std::function<records::ReadResult()> readStandardInput;
    bool errorIsTerminal = false;
    bool outputIsTerminal = false;
};

struct BatchSummary {
    std::size_t scored = 0;
    std::size_t leftOut = 0; // records and folders named on the error stream
    std::string outputError; // why the output could not be written; the run stopped there

    // 0 when every record was scored and written, 1 otherwise.
    int exitStatus() const { return leftOut == 0 && outputError.empty() ? 0 : 1; }
};

BatchSummary scoreBatch(const Options& options, const std::vector<RecordSource>& sources,
                        const BatchIo& io);

} // namespace obrix::cli
