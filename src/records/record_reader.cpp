#include "records/ansi_code_page.h"
#include "records/record_format.h"
#include "records/utf8_sequence.h"

// How the twenty fields are read:
// - Fields are separated by a comma or by a line end, so a file with one field per line reads
//   like the one-line form. A line end is CR LF, LF, or a CR on its own (older Mac editors).
//   Every separator ends exactly one field: an empty line between fields is an empty field.
// - Blanks and tabs in front of a field are skipped.
// - A text field that begins with a double quote runs to the closing double quote; commas,
//   blanks and line ends inside belong to the text, and a doubled double quote stands for one,
//   which makes the reader the exact inverse of the writer. A missing closing quote means the
//   file was cut short and fails as "Input past end of file".
// - Characters between a closing double quote (or the closing # of a date) and the next comma
//   or line end are ignored, the way a quoted field is usually ended.
// - A text field without quotes runs to the next comma or line end, without blanks at its end.
// - The date is #yyyy-mm-dd#, optionally with a time " hh:mm:ss" that is dropped. The same
//   yyyy-mm-dd form without the number signs (bare or quoted, as a spreadsheet may save it) is
//   accepted too, since it means the same date everywhere. Regional forms such as 14/03/2026 are
//   not: they read differently under different regional settings, so they fail as
//   "Type mismatch" like any other text that is not a date.
// - A file that starts with the UTF-8 byte-order mark (as editors that save UTF-8 write it) is
//   read as UTF-8 after the mark, not as the code page: the mark's bytes would otherwise become
//   "ï»¿" at the start of the identifier and part the record from its client's others.
// - The bytes ending before the twentieth field has begun fail as "Input past end of file";
//   the twentieth field may end at the end of the bytes without a line end. Anything after the
//   twentieth field is ignored.

namespace obrix::records {

namespace {

struct FieldError {
    std::string_view description;
};

class FieldCursor {
public:
    explicit FieldCursor(std::string_view bytes)
        : bytes_(bytes) {}

    // The next text field's raw bytes (still in the file's code page).
    std::string readText() {
        startField();
        if (peek() == '"')
            return readQuotedText();
        return readUnquotedText();
    }

    CalendarDate readDate() {
        startField();
        std::optional<CalendarDate> date;
        if (peek() == '#') {
            ++position_;
            const std::size_t start = position_;
            while (!atEnd() && peek() != '#' && !atSeparator())
                ++position_;
            if (atEnd() || peek() != '#')
                throw FieldError{kTypeMismatch};
            date = parseIsoDateTime(bytes_.substr(start, position_ - start));
            ++position_;
            skipToSeparator();
        } else {
            const std::string text = peek() == '"' ? readQuotedText() : readUnquotedText();
            date = parseIsoDateTime(text);
        }
        if (!date)
            throw FieldError{kTypeMismatch};
        return *date;
    }

private:
    bool atEnd() const { return position_ >= bytes_.size(); }
    char peek() const { return bytes_[position_]; }
    bool atSeparator() const { return peek() == ',' || peek() == '\r' || peek() == '\n'; }

    void startField() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t'))
            ++position_;
        if (atEnd())
            throw FieldError{kInputPastEndOfFile};
    }

    // Consumes one separator, if the field is not the last thing in the bytes.
    void consumeSeparator() {
        if (atEnd())
            return;
        const char separator = peek();
        ++position_;
        if (separator == '\r' && !atEnd() && peek() == '\n')
            ++position_;
    }

    void skipToSeparator() {
        while (!atEnd() && !atSeparator())
            ++position_;
        consumeSeparator();
    }

    std::string readQuotedText() {
        ++position_; // the opening quote
        std::string text;
        for (;;) {
            if (atEnd())
                throw FieldError{kInputPastEndOfFile};
            const char byte = peek();
            ++position_;
            if (byte != '"') {
                text += byte;
                continue;
            }
            if (!atEnd() && peek() == '"') {
                text += '"';
                ++position_;
                continue;
            }
            break;
        }
        skipToSeparator();
        return text;
    }

    std::string readUnquotedText() {
        const std::size_t start = position_;
        while (!atEnd() && !atSeparator())
            ++position_;
        std::string_view text = bytes_.substr(start, position_ - start);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        consumeSeparator();
        return std::string(text);
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text with each malformed UTF-8 byte replaced by U+FFFD, so that it is well-formed.
std::string wellFormedUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        std::size_t length = 0;
        decodeUtf8(text, length);
        if (length == 0) {
            result += "\xEF\xBF\xBD";
            length = 1;
        } else {
            result += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return result;
}

} // namespace

ReadResult decodeRecord(std::string_view bytes) {
    const bool utf8 = bytes.starts_with(kUtf8ByteOrderMark);
    if (utf8)
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    const auto toUtf8 = [utf8](const std::string& text) {
        return utf8 ? wellFormedUtf8(text) : ansiToUtf8(text);
    };
    FieldCursor cursor(bytes);
    ClientRecord record;
    try {
        record.identifier = toUtf8(cursor.readText());
        record.date = cursor.readDate();
        for (std::string& item : record.items)
            item = toUtf8(cursor.readText());
    } catch (const FieldError& error) {
        return {std::nullopt, std::string(error.description)};
    }
    return {std::move(record), {}};
}

} // namespace obrix::records
