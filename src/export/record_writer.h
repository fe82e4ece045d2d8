#pragma once

// The three output forms of scored records. A writer appends text to a buffer that the caller
// hands on to the output; it never writes anywhere itself. Numbers are formatted here, in the
// general number format of the results panel.

#include "export/scored_record.h"

#include <string>
#include <string_view>
#include <utility>

namespace obrix::exporting {

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
// has them; a blank line between records. decimalSeparator goes into the numbers.
class TableWriter final : public RecordWriter {
public:
    explicit TableWriter(std::string decimalSeparator = ".")
        : separator_(std::move(decimalSeparator)) {}
    void write(std::string& out, const ScoredRecord& record) override;

private:
    std::string separator_;
    bool first_ = true;
};

// A header row, then one row per record; CRLF line ends. No percentile is an empty cell. With
// history, the history columns follow the scores. decimalSeparator goes into the numbers, which
// are then quoted when it holds a comma.
class CsvWriter final : public RecordWriter {
public:
    explicit CsvWriter(bool history = false, std::string decimalSeparator = ".")
        : history_(history)
        , separator_(std::move(decimalSeparator)) {}
    void begin(std::string& out) override;
    void write(std::string& out, const ScoredRecord& record) override;

private:
    bool history_;
    std::string separator_;
};

// One array, one object per line. No percentile is null; numbers always have a period. History
// keys follow "scales" when the record has them.
class JsonWriter final : public RecordWriter {
public:
    void begin(std::string& out) override;
    void write(std::string& out, const ScoredRecord& record) override;
    void end(std::string& out) override;

private:
    bool first_ = true;
};

// "5", "-3", "0", or empty when there is no earlier administration.
std::string changeText(const std::optional<int>& change);

// "improved", "deteriorated" or "none", as the csv and json output name a reliable change.
std::string_view reliableChangeKeyword(history::ReliableChange change);

// "washing", ..., "neutralising", "total": the scale names of the csv header and json keys.
std::string_view scaleKey(std::size_t scaleIndex);

// "general" or "ocd", as the command line and the csv and json output name the groups.
std::string_view groupKeyword(scoring::ComparisonGroup group);

} // namespace obrix::exporting
