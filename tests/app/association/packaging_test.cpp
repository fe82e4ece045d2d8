// The installed desktop files describe the same file type the program registers per user.

#include "app/association/freedesktop/key_file.h"
#include "app/association/freedesktop/registration_files.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace obrix::association::freedesktop;
using obrix::association::testing::readFile;
using ::testing::Optional;

namespace {

const std::string kPackaging = OBRIX_PACKAGING_DIR;

TEST(Packaging, TheInstalledMimePackageIsTheOneTheProgramWrites) {
    EXPECT_EQ(readFile(kPackaging + "/obrix.xml"),
              mimePackageXml("application/x-obrix-record", "Obrix", {"*.oci"}));
}

TEST(Packaging, TheInstalledDesktopEntryOpensRecordFilesWithTheProgram) {
    const std::string entry = readFile(kPackaging + "/obrix.desktop");
    EXPECT_THAT(findKeyFileValue(entry, "Desktop Entry", "Exec"),
                Optional(std::string("Obrix %f")));
    EXPECT_THAT(findKeyFileValue(entry, "Desktop Entry", "MimeType"),
                Optional(std::string("application/x-obrix-record;")));
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + kPackaging + "/obrix.desktop'").c_str()),
                  0);
    }
}

} // namespace
