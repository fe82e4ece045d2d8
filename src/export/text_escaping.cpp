#include "export/text_escaping.h"

#include "records/utf8_sequence.h"

#include <array>

namespace obrix::exporting {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                             '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};

void appendHexEscape(std::string& out, std::string_view prefix, unsigned value, int digits) {
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

} // namespace

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::size_t length = 0;
        records::decodeUtf8(text, length);
        if (length == 0) {
            out += kReplacementCharacter;
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string visibleText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F) {
            appendHexEscape(out, "\\x", byte, 2);
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // U+0080..U+009F, the C1 controls (some terminals act on them too).
            appendHexEscape(out, "\\x", static_cast<unsigned char>(utf8[i + 1]), 2);
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

void appendCsvField(std::string& out, std::string_view utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                appendHexEscape(out, "\\u", static_cast<unsigned char>(c), 4);
            else
                out += c;
        }
    }
    out += '"';
}

} // namespace obrix::exporting
