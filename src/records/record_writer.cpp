#include "records/ansi_code_page.h"
#include "records/record_format.h"

namespace obrix::records {

namespace {

void appendQuoted(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char byte : utf8ToAnsi(utf8)) {
        // A double quote is written twice so that the reader can tell it from the closing one.
        if (byte == '"')
            out += '"';
        out += byte;
    }
    out += '"';
}

} // namespace

std::string encodeRecord(const ClientRecord& record) {
    std::string out;
    appendQuoted(out, record.identifier);
    out += ",#";
    out += formatIsoDate(record.date);
    out += '#';
    for (const std::string& item : record.items) {
        out += ',';
        appendQuoted(out, item);
    }
    out += "\r\n";
    return out;
}

} // namespace obrix::records
