// Loading the program's own modules: the module obrix-gio is found beside the program (here the
// test), and a missing module or entry point comes back as a reason, never as a crash.

#include "loading/program_module.h"
#include "records/save/file_replace.h"

#include <gtest/gtest.h>

namespace {

struct ModuleCase {
    const char* module;
    const char* symbol;
    bool found;
    const char* reasonMentions; // for a case that is not found
};

class ProgramModule : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ProgramModule, FindsEntryPointsOrSaysWhyNot) {
    const ModuleCase& test = GetParam();
    std::string error;
    void* entry = obrix::loading::programModuleSymbol(test.module, test.symbol, error);
    EXPECT_EQ(entry != nullptr, test.found) << error;
    if (!test.found) {
        EXPECT_NE(error.find(test.reasonMentions), std::string::npos) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramModule,
    ::testing::Values(
        ModuleCase{OBRIX_GIO_MODULE_NAME, obrix::records::kReplaceFileContentsEntry, true, ""},
        ModuleCase{OBRIX_GIO_MODULE_NAME, "obrixNoSuchEntry", false, "obrixNoSuchEntry"},
        ModuleCase{"obrix-absent.so", obrix::records::kReplaceFileContentsEntry, false,
                   "obrix-absent.so"}));

} // namespace
