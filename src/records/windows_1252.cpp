#include "records/windows_1252.h"

#include "records/utf8_sequence.h"

#include <array>

namespace obrix::records {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr char kReplacement = '?';

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

// The byte for a code point, or the replacement when the code page lacks it.
char byteFor(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == codePoint)
            return static_cast<char>(0x80 + index);
    }
    return kReplacement;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // Windows-1252 reaches no further than the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        std::size_t length = 0;
        const char32_t codePoint = decodeUtf8(utf8, length);
        if (length == 0) {
            out += kReplacement;
            utf8.remove_prefix(1);
            continue;
        }
        out += byteFor(codePoint);
        utf8.remove_prefix(length);
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
    return out;
}

} // namespace obrix::records
