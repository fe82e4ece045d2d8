// The texts of desktop entries, mimeapps.list and MIME packages: reading, quoting, editing.

#include "app/association/freedesktop/exec_line.h"
#include "app/association/freedesktop/key_file.h"
#include "app/association/freedesktop/registration_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace obrix::association::freedesktop;
using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

struct FindCase {
    const char* text;
    const char* group;
    const char* key;
    std::optional<std::string> value;
};

class FindKeyFileValue : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindKeyFileValue, ReadsTheKeyOfTheFirstGroupOfThatName) {
    EXPECT_EQ(findKeyFileValue(GetParam().text, GetParam().group, GetParam().key),
              GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindKeyFileValue,
    ::testing::Values(
        FindCase{"[A]\nk=v\n", "A", "k", "v"}, FindCase{"[A]\nk = v \n", "A", "k", "v"},
        FindCase{"[A]\r\nk=v\r\n", "A", "k", "v"}, FindCase{"[A]\nk=v", "A", "k", "v"},
        FindCase{"[A]\nk=\n", "A", "k", ""}, FindCase{"[A]\n#k=v\n", "A", "k", std::nullopt},
        FindCase{"[B]\nk=v\n[A]\nj=w\n", "A", "k", std::nullopt},
        FindCase{"k=v\n[A]\n", "A", "k", std::nullopt},
        FindCase{"[A]\nk=first\n[A]\nk=second\n", "A", "k", "first"},
        FindCase{"[A]\nkey=v\n", "A", "k", std::nullopt}, FindCase{"[A]\nk=a=b\n", "A", "k", "a=b"},
        FindCase{"[Default Applications]\napplication/x-obrix-record=obrix.desktop;\n",
                 "Default Applications", "application/x-obrix-record", "obrix.desktop;"}));

struct SetCase {
    const char* before;
    const char* after;
};

class SetKeyFileValue : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetKeyFileValue, ChangesOneLineAndKeepsTheRest) {
    EXPECT_EQ(setKeyFileValue(GetParam().before, "A", "k", "new"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetKeyFileValue,
    ::testing::Values(SetCase{"", "[A]\nk=new\n"}, SetCase{"[A]\nk=old\n", "[A]\nk=new\n"},
                      SetCase{"# mine\n[A]\nj=1\nk=old\nl=2\n[B]\nk=3\n",
                              "# mine\n[A]\nj=1\nk=new\nl=2\n[B]\nk=3\n"},
                      SetCase{"[A]\nj=1\n\n[B]\nk=3\n", "[A]\nj=1\nk=new\n\n[B]\nk=3\n"},
                      SetCase{"[B]\nk=3", "[B]\nk=3\n\n[A]\nk=new\n"},
                      SetCase{"[A]", "[A]\nk=new\n"}, SetCase{"[A]\nj=1", "[A]\nj=1\nk=new\n"},
                      SetCase{"[A]\r\nk=old\r\nj=1\r\n", "[A]\r\nk=new\nj=1\r\n"}));

TEST(KeyFileValues, EscapingReadsBackUnchanged) {
    for (const std::string value : {"plain", " leading and trailing ", "back\\slash\\s",
                                    "line\nbreak\ttab\rreturn", "", "\\"}) {
        const std::string raw = escapeValue(value);
        EXPECT_EQ(raw.find('\n'), std::string::npos) << raw;
        const std::string line = "[A]\nk=" + raw + "\n";
        EXPECT_THAT(findKeyFileValue(line, "A", "k"), Optional(raw)) << value;
        EXPECT_EQ(unescapeValue(raw), value);
    }
}

TEST(KeyFileValues, ListsSplitAtUnescapedSemicolons) {
    EXPECT_THAT(splitListValue("a.desktop;b.desktop;"), ElementsAre("a.desktop", "b.desktop"));
    EXPECT_THAT(splitListValue(";;a.desktop"), ElementsAre("a.desktop"));
    EXPECT_THAT(splitListValue("a\\;b;c"), ElementsAre("a;b", "c"));
    EXPECT_THAT(splitListValue(""), ElementsAre());
}

struct ExecCase {
    const char* exec;
    std::optional<std::string> program;
};

class ExecPrograms : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExecPrograms, FirstArgumentWithItsQuotingUndone) {
    EXPECT_EQ(execProgram(GetParam().exec), GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExecPrograms,
    ::testing::Values(ExecCase{"firefox %u", "firefox"},
                      ExecCase{"  /usr/bin/gedit --new-window %F", "/usr/bin/gedit"},
                      ExecCase{"\"/opt/My Apps/Obrix\" %f", "/opt/My Apps/Obrix"},
                      ExecCase{R"("/opt/a\"b\$c\`d\\e/Obrix" %f)", "/opt/a\"b$c`d\\e/Obrix"},
                      ExecCase{"/opt/100%%/Obrix", "/opt/100%/Obrix"},
                      ExecCase{"env A=1 Obrix %f", "env"}, ExecCase{"", std::nullopt},
                      ExecCase{"   ", std::nullopt}, ExecCase{"\"/opt/Obrix %f", std::nullopt},
                      ExecCase{"\"\" %f", std::nullopt}, ExecCase{"%f", std::nullopt}));

class DesktopEntryExec : public ::testing::TestWithParam<const char*> {};

TEST_P(DesktopEntryExec, TheProgramReadsBackFromTheWrittenEntry) {
    const std::string program = GetParam();
    const std::string entry =
        desktopEntryText({"Obrix", program, "/opt/Obrix/OCI-R.ico", "application/x-obrix-record"});
    const std::optional<std::string> exec = findKeyFileValue(entry, "Desktop Entry", "Exec");
    ASSERT_TRUE(exec.has_value()) << entry;
    const std::string unescaped = unescapeValue(*exec);
    EXPECT_THAT(execProgram(unescaped), Optional(program)) << entry;
    // The file placeholder is its own argument, outside every quote.
    EXPECT_EQ(unescaped.substr(unescaped.size() - 3), " %f");
}

INSTANTIATE_TEST_SUITE_P(Programs, DesktopEntryExec,
                         ::testing::Values("/usr/bin/Obrix", "/home/jan/My Programs/Obrix",
                                           "/tmp/a\"b/Obrix", "/tmp/$HOME/`id`/Obrix",
                                           "/tmp/100%f/Obrix", "/tmp/back\\slash/Obrix",
                                           "/tmp/semi;colon/Obrix", "/tmp/ends with blank /Obrix"));

TEST(DesktopEntry, NamesTheTypeAndIcon) {
    const std::string entry = desktopEntryText(
        {"Obrix", "/usr/bin/Obrix", "/usr/bin/OCI-R.ico", "application/x-obrix-record"});
    EXPECT_THAT(findKeyFileValue(entry, "Desktop Entry", "MimeType"),
                Optional(std::string("application/x-obrix-record;")));
    EXPECT_THAT(findKeyFileValue(entry, "Desktop Entry", "Icon"),
                Optional(std::string("/usr/bin/OCI-R.ico")));
    EXPECT_THAT(findKeyFileValue(entry, "Desktop Entry", "Type"),
                Optional(std::string("Application")));
    EXPECT_EQ(desktopEntryText({"Obrix", "/usr/bin/Obrix", "", "x/y"}).find("Icon="),
              std::string::npos);
}

struct CommandCase {
    const char* command;
    std::optional<std::string> program;
};

class OpenCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(OpenCommands, ProgramIsWhatPrecedesThePlaceholder) {
    EXPECT_EQ(programOfOpenCommand(GetParam().command), GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OpenCommands,
    ::testing::Values(CommandCase{"\"/usr/bin/Obrix\" \"%1\"", "/usr/bin/Obrix"},
                      CommandCase{"\"/opt/My Apps/Obrix\" \"%1\"", "/opt/My Apps/Obrix"},
                      CommandCase{"\"/opt/a\" \"b/Obrix\" \"%1\"", "/opt/a\" \"b/Obrix"},
                      CommandCase{"/opt/My Apps/Obrix %1", "/opt/My Apps/Obrix"},
                      CommandCase{"\"Obrix\" \"%1\"", std::nullopt},
                      CommandCase{"\"/usr/bin/Obrix\"", std::nullopt},
                      CommandCase{"", std::nullopt}, CommandCase{" \"%1\"", std::nullopt}));

struct DefaultCase {
    const char* before;
    const char* after;
};

class DefaultApplications : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultApplications, OursComesFirstAndEverythingElseStays) {
    EXPECT_EQ(
        withDefaultApplication(GetParam().before, "application/x-obrix-record", "obrix.desktop"),
        GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DefaultApplications,
    ::testing::Values(
        DefaultCase{"", "[Default Applications]\napplication/x-obrix-record=obrix.desktop;\n"},
        DefaultCase{"[Added Associations]\ntext/plain=gedit.desktop;\n",
                    "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                    "[Default Applications]\napplication/x-obrix-record=obrix.desktop;\n"},
        DefaultCase{"[Default Applications]\ntext/plain=gedit.desktop;\n"
                    "application/x-obrix-record=other.desktop;obrix.desktop;\n",
                    "[Default Applications]\ntext/plain=gedit.desktop;\n"
                    "application/x-obrix-record=obrix.desktop;other.desktop;\n"}));

TEST(MimePackage, DescribesTheTypeWithItsPatterns) {
    EXPECT_EQ(mimePackageXml("application/x-obrix-record", "Obrix & Co <1>", {"*.oci"}),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-obrix-record\">\n"
              "    <comment>Obrix &amp; Co &lt;1&gt;</comment>\n"
              "    <glob pattern=\"*.oci\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
}

} // namespace
