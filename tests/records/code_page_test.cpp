#include "records/windows_1252.h"

#include <gtest/gtest.h>

using namespace obrix::records;

namespace {

TEST(Windows1252, EveryByteReadsBackAsWritten) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string utf8 = windows1252ToUtf8(byte);
        EXPECT_EQ(utf8ToWindows1252(utf8), byte) << "byte " << value;
    }
}

TEST(Windows1252, ReadsTheCodePagesCharacters) {
    const struct {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"Zo\xEB \xC6r\xF8", "Zoë Ærø"},
        {"\x80\x85\x8A\x99\x9F", "€…Š™Ÿ"},
        // The undefined bytes stand for the C1 controls of the same value.
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
        {"\xA0\xFF", "\u00A0ÿ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windows1252ToUtf8(c.bytes), c.utf8) << c.utf8;
}

TEST(Windows1252, WritesMissingCharactersAndMalformedUtf8AsQuestionMarks) {
    const struct {
        const char* name;
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"Latin-1 and the 0x80 row", "Zoë Ærø €", "Zo\xEB \xC6r\xF8 \x80"},
        {"outside the code page", "Ā 日本 😀", "? ?? ?"},
        {"C1 control the code page lacks", "\u0080\u009F", "??"},
        {"stray continuation byte", "a\x80z", "a?z"},
        {"cut-off sequence", "a\xC3", "a?"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"invalid lead byte", "\xFF\xFE", "??"},
        {"NUL is kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes) << c.name;
}

} // namespace
