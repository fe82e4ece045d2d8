// StripPath and the probe-file query of GetAssociatedProgram.

#include "app/association/association.h"
#include "fake_platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using obrix::association::GetAssociatedProgram;
using obrix::association::StripPath;
using obrix::association::testing::FakePlatform;
using ::testing::Contains;
using ::testing::IsEmpty;

namespace {

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

TEST(StripPath, SeparatorDefaultsToBackslash) {
    EXPECT_EQ(StripPath("C:\\a\\b.exe"), "b.exe");
    EXPECT_EQ(StripPath("/usr/bin/Obrix"), "/usr/bin/Obrix");
}

struct ProbeCase {
    const char* tempFolder;
    const char* tempFile;
    const char* probe;
};

class ProbeNames : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeNames, TheTemporaryFileTakesTheExtensionAskedAbout) {
    FakePlatform platform;
    platform.temp = GetParam().tempFolder;
    platform.tempFileName = GetParam().tempFile;
    platform.associatedProgram = "C:\\Obrix\\Obrix.exe";
    EXPECT_EQ(GetAssociatedProgram(platform, "OCI"), "C:\\Obrix\\Obrix.exe");
    const std::string probe = GetParam().probe;
    EXPECT_THAT(platform.calls, Contains("findExecutable " + probe));
    EXPECT_THAT(platform.calls, Contains("removeFile " + probe));
    EXPECT_THAT(platform.files, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    TempFiles, ProbeNames,
    ::testing::Values(ProbeCase{"C:\\Temp\\", "~1A2B.TMP", "C:\\Temp\\~1A2B.OCI"},
                      // Dots in the folder (a user name with a dot) stay where they are.
                      ProbeCase{"C:\\Users\\jan.de.vries\\AppData\\Local\\Temp\\", "~1A2B.TMP",
                                "C:\\Users\\jan.de.vries\\AppData\\Local\\Temp\\~1A2B.OCI"},
                      ProbeCase{"C:\\Users\\jan.de.vries\\", "~1A2B",
                                "C:\\Users\\jan.de.vries\\~1A2B.OCI"},
                      ProbeCase{"C:\\Temp\\", "~A.B.TMP", "C:\\Temp\\~A.B.OCI"}));

TEST(GetAssociatedProgram, NoProgramIsTheEmptyText) {
    FakePlatform platform;
    EXPECT_EQ(GetAssociatedProgram(platform, "OCI"), "");
    EXPECT_THAT(platform.files, IsEmpty());
}

} // namespace
