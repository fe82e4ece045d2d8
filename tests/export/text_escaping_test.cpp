// Untrusted text in the outputs: well-formed UTF-8, no broken lines, fields or strings, no
// terminal control sequences.
#include "export/text_escaping.h"

#include <gtest/gtest.h>

#include <string>

using namespace obrix::exporting;

namespace {

struct EscapeCase {
    const char* name;
    std::string input;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const EscapeCase& c) {
    return out << c.name;
}

const auto kCaseName = [](const auto& info) {
    return std::string(info.param.name);
};

const std::string kReplacement = "\xEF\xBF\xBD";

class ValidUtf8 : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ValidUtf8, ReplacesEveryByteOutsideAWellFormedSequence) {
    EXPECT_EQ(validUtf8(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ValidUtf8,
    ::testing::Values(EscapeCase{"Ascii", "Client 0427", "Client 0427"},
                      EscapeCase{"TwoThreeFourBytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
                                 "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
                      EscapeCase{"Windows1252Byte", "Caf\xE9", "Caf" + kReplacement},
                      EscapeCase{"StrayContinuation", "a\x80z", "a" + kReplacement + "z"},
                      EscapeCase{"CutShortAtEnd", "a\xE2\x82", "a" + kReplacement + kReplacement},
                      EscapeCase{"OverlongSlash", "\xC0\xAF", kReplacement + kReplacement},
                      EscapeCase{"OverlongThreeBytes", "\xE0\x80\xAF",
                                 kReplacement + kReplacement + kReplacement},
                      EscapeCase{"Surrogate", "\xED\xA0\x80",
                                 kReplacement + kReplacement + kReplacement},
                      EscapeCase{"AboveUnicode", "\xF4\x90\x80\x80",
                                 kReplacement + kReplacement + kReplacement + kReplacement},
                      EscapeCase{"NulKept", std::string("a\0b", 3), std::string("a\0b", 3)}),
    kCaseName);

class VisibleText : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(VisibleText, ShowsControlCharactersAsEscapes) {
    EXPECT_EQ(visibleText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, VisibleText,
    ::testing::Values(EscapeCase{"Plain", "Clinic A, Room 3", "Clinic A, Room 3"},
                      EscapeCase{"LineBreaks", "a\r\nb", "a\\x0D\\x0Ab"},
                      EscapeCase{"Escape", "\x1B[31mred", "\\x1B[31mred"},
                      EscapeCase{"Delete", "a\x7F", "a\\x7F"},
                      EscapeCase{"C1Control",
                                 "a\xC2\x9B"
                                 "1m",
                                 "a\\x9B1m"},
                      EscapeCase{"LatinKept", "\xC2\xA0\xC3\xA9", "\xC2\xA0\xC3\xA9"},
                      EscapeCase{"BackslashKept", "C:\\records", "C:\\records"}),
    kCaseName);

class CsvField : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(CsvField, QuotesOnlyWhatNeedsIt) {
    std::string out = "x,";
    appendCsvField(out, GetParam().input);
    EXPECT_EQ(out, "x," + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvField,
                         ::testing::Values(EscapeCase{"Plain", "Client 0427", "Client 0427"},
                                           EscapeCase{"Empty", "", ""},
                                           EscapeCase{"Comma", "Clinic A, Room 3",
                                                      "\"Clinic A, Room 3\""},
                                           EscapeCase{"DecimalComma", "1,44", "\"1,44\""},
                                           EscapeCase{"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                                           EscapeCase{"LineFeed", "a\nb", "\"a\nb\""},
                                           EscapeCase{"CarriageReturn", "a\rb", "\"a\rb\""},
                                           EscapeCase{"BlanksKept", "  a  ", "  a  "},
                                           EscapeCase{"Semicolon", "a;b", "a;b"}),
                         kCaseName);

class JsonString : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonString, EscapesQuoteBackslashAndControls) {
    std::string out;
    appendJsonString(out, GetParam().input);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, JsonString,
    ::testing::Values(EscapeCase{"Empty", "", "\"\""}, EscapeCase{"Quote", "a\"b", "\"a\\\"b\""},
                      EscapeCase{"Backslash", "C:\\r", "\"C:\\\\r\""},
                      EscapeCase{"ShortEscapes", "\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
                      EscapeCase{"OtherControls", std::string("\0\x1F", 2), "\"\\u0000\\u001F\""},
                      EscapeCase{"DeleteAndNonAsciiKept", "\x7F\xC3\xA9", "\"\x7F\xC3\xA9\""},
                      EscapeCase{"Slash", "a/b", "\"a/b\""}),
    kCaseName);

TEST(CharacterCount, CountsCodePointsNotBytes) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("Z Score = 1,44"), 14u);
    EXPECT_EQ(characterCount("1\xC2\xB7"
                             "44"),
              4u);
    EXPECT_EQ(characterCount("\xF0\x9F\x98\x80"), 1u);
}

} // namespace
