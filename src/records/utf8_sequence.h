#pragma once

// Reading well-formed UTF-8 one character at a time.

#include <cstddef>
#include <string_view>

namespace obrix::records {

// Decodes the UTF-8 sequence at the front of text (which must not be empty) and sets length to
// its byte count. A malformed one (stray continuation byte, overlong form, surrogate, beyond
// U+10FFFF, cut short) sets length to 0 and returns 0.
inline char32_t decodeUtf8(std::string_view text, std::size_t& length) {
    const auto byteAt = [&](std::size_t index) {
        return static_cast<unsigned char>(text[index]);
    };
    const unsigned char lead = byteAt(0);
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t count = 0;
    char32_t codePoint = 0;
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < count)
        return 0;
    for (std::size_t index = 1; index < count; ++index) {
        const unsigned char next = byteAt(index);
        if (next < (index == 1 ? low : 0x80) || next > (index == 1 ? high : 0xBF))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    length = count;
    return codePoint;
}

} // namespace obrix::records
