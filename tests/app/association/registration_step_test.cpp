// The start-up decision and the registry writes, against the scripted platform.

#include "app/association/association.h"
#include "fake_platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using obrix::association::RegisterFileType;
using obrix::association::testing::FakePlatform;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* kExe = "Obrix.exe";

const std::vector<std::string> kWritesForProgramFiles = {
    "OCI-R||Obrix",
    ".oci||OCI-R",
    "OCI-R|shell\\open\\command|\"C:\\Program Files\\Obrix\\Obrix.exe\" \"%1\"",
    "OCI-R|DefaultIcon|C:\\Program Files\\Obrix\\OCI-R.ico",
};

struct DecisionCase {
    const char* associated;
    bool writes;
};

class RegistrationDecision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(RegistrationDecision, WritesUnlessTheShellStartsAFileNamedExactlyLikeTheProgram) {
    FakePlatform platform;
    platform.associatedProgram = GetParam().associated;
    RegisterFileType(platform, kExe);
    if (GetParam().writes) {
        EXPECT_EQ(platform.writes(), kWritesForProgramFiles);
        EXPECT_TRUE(platform.notified());
    } else {
        EXPECT_THAT(platform.writes(), IsEmpty());
        EXPECT_FALSE(platform.notified());
    }
}

INSTANTIATE_TEST_SUITE_P(
    AssociatedPrograms, RegistrationDecision,
    ::testing::Values(DecisionCase{"C:\\Program Files\\Obrix\\Obrix.exe", false},
                      // Another copy in another folder counts as registered as well.
                      DecisionCase{"D:\\Old Copy\\Obrix.exe", false},
                      DecisionCase{"Obrix.exe", false}, DecisionCase{"", true},
                      DecisionCase{"C:\\WINDOWS\\system32\\NOTEPAD.EXE", true},
                      // Other spellings of the same file are not recognised: written again.
                      DecisionCase{"C:\\PROGRA~1\\Obrix\\OBRIX.EXE", true},
                      DecisionCase{"C:\\PROGRA~1\\Obrix\\OBRIX~1.EXE", true},
                      DecisionCase{"C:\\Program Files\\Obrix\\obrix.exe", true},
                      DecisionCase{"C:\\Program Files\\Obrix\\Obrix.exe.bak", true}));

TEST(RegistrationStep, OpensWritesAndClosesEachKeyInTurnThenNotifiesOnce) {
    FakePlatform platform;
    RegisterFileType(platform, kExe);
    EXPECT_THAT(platform.calls,
                ElementsAre("programFolder", "tempFolder", "createTempFile C:\\Temp\\|~|0",
                            "renameFile C:\\Temp\\~1A2B.TMP|C:\\Temp\\~1A2B.OCI",
                            "findExecutable C:\\Temp\\~1A2B.OCI", "removeFile C:\\Temp\\~1A2B.OCI",
                            "openClassKey OCI-R", "setDefaultValue OCI-R||Obrix", "closeKey OCI-R",
                            "openClassKey .oci", "setDefaultValue .oci||OCI-R", "closeKey .oci",
                            "openClassKey OCI-R", "setDefaultValue " + kWritesForProgramFiles[2],
                            "closeKey OCI-R", "openClassKey OCI-R",
                            "setDefaultValue " + kWritesForProgramFiles[3], "closeKey OCI-R",
                            "notifyAssociationsChanged"));
    EXPECT_THAT(platform.files, IsEmpty());
}

struct FolderCase {
    const char* folder;
    const char* command;
    const char* icon;
};

class ProgramFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolders, CommandQuotesThePathAndThePlaceholder) {
    FakePlatform platform;
    platform.folder = GetParam().folder;
    RegisterFileType(platform, kExe);
    const std::vector<std::string> writes = platform.writes();
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[2], std::string("OCI-R|shell\\open\\command|") + GetParam().command);
    EXPECT_EQ(writes[3], std::string("OCI-R|DefaultIcon|") + GetParam().icon);
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

TEST(RegistrationStep, NoTemporaryFolderOrFileMeansNoAnswerAndTheRegistrationIsWritten) {
    FakePlatform noFolder;
    noFolder.temp = "";
    RegisterFileType(noFolder, kExe);
    EXPECT_EQ(noFolder.writes(), kWritesForProgramFiles);
    EXPECT_TRUE(noFolder.notified());

    FakePlatform noFile;
    noFile.tempFileName = "";
    noFile.associatedProgram = "C:\\Obrix\\Obrix.exe"; // never asked: there is no probe
    RegisterFileType(noFile, kExe);
    EXPECT_EQ(noFile.writes(), kWritesForProgramFiles);
    EXPECT_TRUE(noFile.notified());
}

TEST(RegistrationStep, ATemporaryFileThatCannotTakeTheProbeNameIsRemovedAndNotAsked) {
    FakePlatform platform;
    platform.renameSucceeds = false;
    platform.associatedProgram = "C:\\Obrix\\Obrix.exe";
    RegisterFileType(platform, kExe);
    EXPECT_THAT(platform.files, IsEmpty());
    for (const std::string& call : platform.calls)
        EXPECT_EQ(call.find("findExecutable"), std::string::npos);
    EXPECT_EQ(platform.writes(), kWritesForProgramFiles);
}

TEST(RegistrationStep, AKeyThatCannotBeOpenedGetsNoValueAndTheRestGoesOn) {
    FakePlatform platform;
    platform.unopenableKeys = {".oci"};
    RegisterFileType(platform, kExe);
    EXPECT_THAT(platform.writes(), ElementsAre(kWritesForProgramFiles[0], kWritesForProgramFiles[2],
                                               kWritesForProgramFiles[3]));
    EXPECT_TRUE(platform.notified());
    for (const std::string& call : platform.calls)
        EXPECT_NE(call, "closeKey .oci");
}

TEST(RegistrationStep, AnUnknownProgramFolderWritesNothing) {
    FakePlatform platform;
    platform.folder = "";
    RegisterFileType(platform, kExe);
    EXPECT_THAT(platform.writes(), IsEmpty());
    EXPECT_FALSE(platform.notified());
}

class FailingCalls : public ::testing::TestWithParam<const char*> {};

TEST_P(FailingCalls, NothingEscapesAndNoProbeFileStays) {
    FakePlatform platform;
    const std::string failing = GetParam();
    platform.beforeCall = [&](const std::string& call) {
        if (call == failing)
            throw std::runtime_error("refused");
    };
    EXPECT_NO_THROW(RegisterFileType(platform, kExe));
    EXPECT_THAT(platform.files, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Calls, FailingCalls,
                         ::testing::Values("programFolder", "tempFolder", "createTempFile",
                                           "renameFile", "findExecutable", "openClassKey",
                                           "setDefaultValue", "notifyAssociationsChanged"));

} // namespace
