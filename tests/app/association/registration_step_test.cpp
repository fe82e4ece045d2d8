// The start-up decision and what it registers, against the scripted backend; the path helpers.

#include "app/association/association.h"
#include "fake_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace obrix::association;
using obrix::association::testing::FakeBackend;
using ::testing::ElementsAre;

namespace {

constexpr const char* kExe = "Obrix.exe";

struct DecisionCase {
    const char* associated; // what the desktop answers; "" also for a failed probe
    bool registers;
};

class RegistrationDecision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(RegistrationDecision, RegistersUnlessTheDesktopStartsAFileNamedExactlyLikeTheProgram) {
    FakeBackend backend;
    backend.associated = GetParam().associated;
    RegisterFileType(backend, kExe);
    EXPECT_EQ(backend.registered.has_value(), GetParam().registers);
    EXPECT_EQ(backend.notified, GetParam().registers);
}

INSTANTIATE_TEST_SUITE_P(
    AssociatedPrograms, RegistrationDecision,
    ::testing::Values(DecisionCase{"C:\\Program Files\\Obrix\\Obrix.exe", false},
                      // Another copy in another folder counts as registered as well.
                      DecisionCase{"D:\\Old Copy\\Obrix.exe", false},
                      DecisionCase{"Obrix.exe", false}, DecisionCase{"", true},
                      DecisionCase{"C:\\WINDOWS\\system32\\NOTEPAD.EXE", true},
                      // Other spellings of the same file are not recognised: registered again.
                      DecisionCase{"C:\\PROGRA~1\\Obrix\\OBRIX.EXE", true},
                      DecisionCase{"C:\\PROGRA~1\\Obrix\\OBRIX~1.EXE", true},
                      DecisionCase{"C:\\Program Files\\Obrix\\obrix.exe", true},
                      DecisionCase{"C:\\Program Files\\Obrix\\Obrix.exe.bak", true}));

TEST(RegistrationStep, AsksAboutTheExtensionThenRegistersTheTypeThenNotifiesOnce) {
    FakeBackend backend;
    RegisterFileType(backend, kExe);
    EXPECT_THAT(backend.calls, ElementsAre("programFolder", "associatedProgram OCI",
                                           "registerFileType", "notifyAssociationsChanged"));
    ASSERT_TRUE(backend.registered);
    EXPECT_EQ(backend.registered->extension, ".oci");
    EXPECT_EQ(backend.registered->fileType, "OCI-R");
    EXPECT_EQ(backend.registered->description, "Obrix");
}

struct FolderCase {
    const char* folder;
    const char* command;
    const char* icon;
};

class ProgramFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolders, TheProgramLiesInItsFolderAndItsCommandIsQuoted) {
    FakeBackend backend;
    backend.folder = GetParam().folder;
    RegisterFileType(backend, kExe);
    ASSERT_TRUE(backend.registered);
    EXPECT_EQ(OpenCommand(backend.registered->program), GetParam().command);
    EXPECT_EQ(backend.registered->icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ProgramFolders,
    ::testing::Values(
        FolderCase{"C:\\Obrix", "\"C:\\Obrix\\Obrix.exe\" \"%1\"", "C:\\Obrix\\OCI-R.ico"},
        // A drive root already ends in a backslash: no second one.
        FolderCase{"C:\\", "\"C:\\Obrix.exe\" \"%1\"", "C:\\OCI-R.ico"},
        // Blanks would otherwise let the shell start C:\Program with arguments.
        FolderCase{"C:\\Program Files\\Velmoor Obrix",
                   "\"C:\\Program Files\\Velmoor Obrix\\Obrix.exe\" \"%1\"",
                   "C:\\Program Files\\Velmoor Obrix\\OCI-R.ico"},
        FolderCase{"\\\\server\\apps\\Obrix", "\"\\\\server\\apps\\Obrix\\Obrix.exe\" \"%1\"",
                   "\\\\server\\apps\\Obrix\\OCI-R.ico"}));

TEST(RegistrationStep, AnUnknownProgramFolderRegistersNothing) {
    FakeBackend backend;
    backend.folder = "";
    RegisterFileType(backend, kExe);
    EXPECT_FALSE(backend.registered);
    EXPECT_FALSE(backend.notified);
}

class FailingCalls : public ::testing::TestWithParam<const char*> {};

TEST_P(FailingCalls, NothingEscapes) {
    FakeBackend backend;
    backend.throwingCall = GetParam();
    EXPECT_NO_THROW(RegisterFileType(backend, kExe));
}

INSTANTIATE_TEST_SUITE_P(Calls, FailingCalls,
                         ::testing::Values("programFolder", "associatedProgram", "registerFileType",
                                           "notifyAssociationsChanged"));

struct StripCase {
    const char* path;
    char separator;
    const char* name;
};

class StripPathTable : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripPathTable, KeepsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(StripPath(GetParam().path, GetParam().separator), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StripPathTable,
    ::testing::Values(StripCase{"C:\\Program Files\\Obrix\\Obrix.exe", '\\', "Obrix.exe"},
                      StripCase{"Obrix.exe", '\\', "Obrix.exe"}, StripCase{"", '\\', ""},
                      StripCase{"C:\\Obrix\\", '\\', ""},
                      StripCase{"\\Obrix.exe", '\\', "Obrix.exe"},
                      StripCase{"C:Obrix.exe", '\\', "C:Obrix.exe"},
                      // Slashes are not separators on Windows.
                      StripCase{"C:\\Tools/Obrix.exe", '\\', "Tools/Obrix.exe"},
                      StripCase{"/usr/bin/Obrix", '/', "Obrix"},
                      StripCase{"/opt/a\\b/Obrix", '/', "Obrix"}, StripCase{"/", '/', ""}));

struct ProbeCase {
    const char* tempFile;
    const char* probe;
};

class ProbeNames : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeNames, TheTemporaryFileTakesTheExtensionAskedAbout) {
    EXPECT_EQ(ProbeFilePath(GetParam().tempFile, "OCI", '\\'), GetParam().probe);
}

INSTANTIATE_TEST_SUITE_P(
    TempFiles, ProbeNames,
    ::testing::Values(ProbeCase{"C:\\Temp\\~1A2B.TMP", "C:\\Temp\\~1A2B.OCI"},
                      // Dots in the folder (a user name with a dot) stay where they are.
                      ProbeCase{"C:\\Users\\jan.de.vries\\AppData\\Local\\Temp\\~1A2B.TMP",
                                "C:\\Users\\jan.de.vries\\AppData\\Local\\Temp\\~1A2B.OCI"},
                      ProbeCase{"C:\\Users\\jan.de.vries\\~1A2B",
                                "C:\\Users\\jan.de.vries\\~1A2B.OCI"},
                      ProbeCase{"C:\\Temp\\~A.B.TMP", "C:\\Temp\\~A.B.OCI"}));

} // namespace
