#pragma once

// The three output forms. A writer appends text to a buffer that the caller hands on to the
// output; it never writes anywhere itself.

#include "cli/options.h"
#include "cli/scored_record.h"

#include <memory>
#include <string>
#include <string_view>

namespace obrix::cli {

class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    virtual void begin(std::string& /*out*/) {}
    virtual void write(std::string& out, const ScoredRecord& record) = 0;
    // Called once after the last record, also when there was none.
    virtual void end(std::string& /*out*/) {}
};

// Per record: the file, "Client Name:", "Date of Test:" and "Reference Sample:" lines, then one
// aligned line per scale with the window's three texts, then the history lines when the record
// has them; a blank line between records.
class TableWriter final : public RecordWriter {
public:
    void write(std::string& out, const ScoredRecord& record) override;

private:
    bool first_ = true;
};

// A header row, then one row per record; CRLF line ends. "N/A" is an empty cell. With history,
// the history columns follow the scores.
class CsvWriter final : public RecordWriter {
public:
    explicit CsvWriter(bool history = false) : history_(history) {}
    void begin(std::string& out) override;
    void write(std::string& out, const ScoredRecord& record) override;

private:
    bool history_;
};

// One array, one object per line. "N/A" is null. History keys follow "scales" when the record
// has them.
class JsonWriter final : public RecordWriter {
public:
    void begin(std::string& out) override;
    void write(std::string& out, const ScoredRecord& record) override;
    void end(std::string& out) override;

private:
    bool first_ = true;
};

std::unique_ptr<RecordWriter> makeRecordWriter(OutputFormat format, bool history = false);

// "5", "-3", "0", or empty when there is no earlier administration.
std::string changeText(const std::optional<int>& change);

// "washing", ..., "neutralising", "total": the scale names of the csv header and json keys.
std::string_view scaleKey(std::size_t scaleIndex);

} // namespace obrix::cli
