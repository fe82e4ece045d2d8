// libFuzzer target for the record reader, built by scripts/fuzz.sh with clang.
//
// Any bytes must either read as a record or fail with one of the reader's two descriptions, and
// a record read from any bytes must save and read back as the code page's view of it (unchanged
// for a record in the code page; a record read as UTF-8 after a byte-order mark keeps only the
// characters the code page has). The same bytes taken as the texts of a record must save to a
// file that reads back as the code page's view of them.

#include "records/record_format.h"
#include "records/windows_1252.h"

#include <cstdint>
#include <cstdlib>

using namespace obrix::records;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

std::string codePageView(const std::string& text) {
    return windows1252ToUtf8(utf8ToWindows1252(text));
}

ClientRecord codePageView(ClientRecord record) {
    record.identifier = codePageView(record.identifier);
    for (std::string& item : record.items)
        item = codePageView(item);
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const ReadResult result = decodeRecord(bytes);
    if (result.ok()) {
        const ReadResult again = decodeRecord(encodeRecord(*result.record));
        require(again.ok() && *again.record == codePageView(*result.record));
    } else {
        require(result.error == kInputPastEndOfFile || result.error == kTypeMismatch);
    }

    ClientRecord record{std::string(bytes), {2026, 3, 14}, {}};
    record.items[0] = record.identifier;
    record.items[17] = record.identifier;
    const ReadResult written = decodeRecord(encodeRecord(record));
    require(written.ok());
    const std::string expected = codePageView(std::string(bytes));
    require(written.record->identifier == expected && written.record->items[0] == expected &&
            written.record->items[17] == expected && written.record->date == record.date);
    return 0;
}
