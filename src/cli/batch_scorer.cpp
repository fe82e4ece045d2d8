#include "cli/batch_scorer.h"

#include "cli/progress_line.h"
#include "export/record_writer.h"
#include "export/text_escaping.h"
#include "history/client_history.h"
#include "records/record_file.h"
#include "records/utf8_path.h"
#include "scoring/calculation.h"

#include <memory>
#include <utility>

namespace obrix::cli {

namespace {

using exporting::validUtf8;
using exporting::visibleText;

// Output is handed on in pieces of about this size rather than per record.
constexpr std::size_t kOutputChunk = 64 * 1024;

std::string displayName(const RecordSource& source) {
    return source.kind == RecordSource::Kind::StandardInput
               ? std::string("-")
               : validUtf8(records::utf8String(source.path));
}

// Numbers go out with the separator asked for, but json numbers always with a period.
std::unique_ptr<exporting::RecordWriter> makeRecordWriter(const Options& options) {
    switch (options.format) {
    case OutputFormat::Csv:
        return std::make_unique<exporting::CsvWriter>(options.history, options.decimalSeparator);
    case OutputFormat::Json:
        return std::make_unique<exporting::JsonWriter>();
    case OutputFormat::Table:
        break;
    }
    return std::make_unique<exporting::TableWriter>(options.decimalSeparator);
}

// The record on standard input goes into a history under the name "-", as it is shown. A file
// cannot come by that path: "-" on the command line is standard input.
const std::filesystem::path kStandardInputPath = "-";

class Batch {
public:
    Batch(const Options& options, const BatchIo& io, std::size_t total)
        : options_(options)
        , io_(io)
        , writer_(makeRecordWriter(options))
        , progress_(io.writeError, total,
                    ProgressLine::wanted(total, io.errorIsTerminal, io.outputIsTerminal)) {
        buffer_.reserve(2 * kOutputChunk);
    }

    BatchSummary run(const std::vector<RecordSource>& sources) {
        writer_->begin(buffer_);
        for (const RecordSource& source : sources) {
            score(source);
            progress_.advance();
            if (buffer_.size() >= kOutputChunk && !flush())
                break;
        }
        progress_.clear();
        if (options_.history && summary_.outputError.empty())
            writeHistories();
        if (summary_.outputError.empty()) {
            writer_->end(buffer_);
            flush();
        }
        return std::move(summary_);
    }

private:
    void score(const RecordSource& source) {
        if (source.kind == RecordSource::Kind::Problem) {
            leaveOut(source, source.error);
            return;
        }
        const records::ReadResult read = source.kind == RecordSource::Kind::StandardInput
                                             ? io_.readStandardInput()
                                             : records::readRecordFile(source.path);
        if (!read.ok()) {
            leaveOut(source, read.error);
            return;
        }
        const records::ClientRecord& record = *read.record;
        if (options_.history) {
            collect(source, record);
            return;
        }
        const scoring::Calculation result =
            scoring::calculate(record.items, options_.group, statistics_);
        if (result.validation != scoring::ValidationError::None) {
            leaveOut(source, scoring::validationMessage(result.validation));
            return;
        }
        if (!result.complete()) {
            leaveOut(source, result.failure);
            return;
        }
        const exporting::ScoredRecord scored{
            displayName(source), record.identifier, records::formatIsoDate(record.date),
            options_.group,      result.scales,     std::nullopt};
        writer_->write(buffer_, scored);
        ++summary_.scored;
    }

    // Histories need every record before the first row: they are kept and written at the end.
    void collect(const RecordSource& source, const records::ClientRecord& record) {
        const bool standardInput = source.kind == RecordSource::Kind::StandardInput;
        history::Scored scored = history::scoreRecord(
            standardInput ? kStandardInputPath : source.path, record, options_.group, statistics_);
        if (!scored.administration) {
            leaveOut(source, scored.reason);
            return;
        }
        collected_.push_back(std::move(*scored.administration));
    }

    void writeHistories() {
        for (const auto& client : history::groupByClient(std::move(collected_))) {
            for (const history::Administration& administration : client) {
                const std::string file = administration.file == kStandardInputPath
                                             ? std::string("-")
                                             : validUtf8(records::utf8String(administration.file));
                writer_->write(buffer_,
                               exporting::scoredRecord(administration, options_.group, file));
                ++summary_.scored;
                if (buffer_.size() >= kOutputChunk && !flush())
                    return;
            }
        }
    }

    // One line on the error stream: the file and why it is not in the output.
    void leaveOut(const RecordSource& source, std::string_view reason) {
        progress_.clear();
        io_.writeError(visibleText(displayName(source)) + ": " + visibleText(reason) + "\n");
        ++summary_.leftOut;
    }

    bool flush() {
        if (buffer_.empty())
            return true;
        summary_.outputError = io_.writeOutput(buffer_);
        buffer_.clear();
        return summary_.outputError.empty();
    }

    const Options& options_;
    const BatchIo& io_;
    std::unique_ptr<exporting::RecordWriter> writer_;
    ProgressLine progress_;
    // One normal-distribution component for the whole run, as the window keeps one.
    scoring::NormalDistributionSource statistics_;
    std::string buffer_;
    BatchSummary summary_;
    std::vector<history::Administration> collected_; // with --history
};

} // namespace

BatchSummary scoreBatch(const Options& options, const std::vector<RecordSource>& sources,
                        const BatchIo& io) {
    return Batch(options, io, sources.size()).run(sources);
}

} // namespace obrix::cli
