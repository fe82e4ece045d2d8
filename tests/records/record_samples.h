#pragma once

// Records and field lists shared by the record format tests.

#include "records/client_record.h"

#include <ostream>
#include <string>
#include <vector>

namespace obrix::records {

// Readable failure output for record comparisons.
inline void PrintTo(const ClientRecord& record, std::ostream* out) {
    *out << '[' << record.identifier << "] " << formatIsoDate(record.date);
    for (const std::string& item : record.items)
        *out << " [" << item << ']';
}

} // namespace obrix::records

namespace obrix::records::testing {

// "Client 0427", 14 March 2026, with the given item texts (empty when none are given).
inline ClientRecord exampleRecord(const std::vector<std::string>& items = {}) {
    ClientRecord record{"Client 0427", {2026, 3, 14}, {}};
    for (std::size_t index = 0; index < items.size() && index < record.items.size(); ++index)
        record.items[index] = items[index];
    return record;
}

inline const std::vector<std::string> kExampleAnswers = {
    "2", "1", "0", "3", "2", "1", "0", "0", "1", "2", "4", "1", "0", "2", "3", "1", "0", "2"};

// The fields of the example record as the writer lays them out, without separators.
inline std::vector<std::string> exampleFields() {
    std::vector<std::string> fields = {"\"Client 0427\"", "#2026-03-14#"};
    for (const std::string& answer : kExampleAnswers)
        fields.push_back('"' + answer + '"');
    return fields;
}

inline std::string join(const std::vector<std::string>& fields, const std::string& separator) {
    std::string out;
    for (std::size_t index = 0; index < fields.size(); ++index)
        out += (index == 0 ? "" : separator) + fields[index];
    return out;
}

} // namespace obrix::records::testing
