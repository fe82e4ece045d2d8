#include "loading/program_module.h"
#include "records/save/file_replace.h"

#include <atomic>

namespace obrix::records {

// GIO brings a dozen libraries with it; loaded at the first save rather than at start-up.
std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    static std::atomic<ReplaceFileContentsEntry> replace = nullptr;
    if (replace == nullptr) {
        std::string error;
        replace = reinterpret_cast<ReplaceFileContentsEntry>(
            loading::programModuleSymbol(OBRIX_GIO_MODULE_NAME, kReplaceFileContentsEntry, error));
        if (replace == nullptr) {
            return "The program's file library cannot be loaded: " + error;
        }
    }
    return replace.load()(path, bytes);
}

} // namespace obrix::records
