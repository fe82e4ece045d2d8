#pragma once

// The .oci record file: one line of twenty comma-separated fields, the quoted identifier, the
// date as #yyyy-mm-dd# and the eighteen quoted item texts, ended by CR LF, in the system's ANSI
// code page. These functions convert between the bytes of such a file and a ClientRecord.

#include "records/client_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace obrix::records {

inline constexpr int kRecordFieldCount = 2 + kRecordItemCount;

// The descriptions a record that cannot be read fails with.
inline constexpr std::string_view kInputPastEndOfFile = "Input past end of file";
inline constexpr std::string_view kTypeMismatch = "Type mismatch";

// A record, or the description of why there is none.
struct ReadResult {
    std::optional<ClientRecord> record;
    std::string error; // empty when record holds a value

    bool ok() const { return record.has_value(); }
};

// The exact bytes of the record's file: texts in double quotes with inner double quotes
// doubled, the date as #yyyy-mm-dd#, CR LF at the end and nothing after it. The date must be
// valid (isValidDate); writeRecordFile refuses a record whose date is not.
std::string encodeRecord(const ClientRecord& record);

// Reads the first twenty fields of a record file's bytes; whatever follows them is ignored.
// Fails with kInputPastEndOfFile when the bytes end before the twentieth field, and with
// kTypeMismatch when the second field is not a date. See record_reader.cpp for the rules.
ReadResult decodeRecord(std::string_view bytes);

} // namespace obrix::records
