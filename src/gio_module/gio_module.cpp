// The module obrix-gio: the program's uses of GIO, which the program loads when it first saves a
// record (or registers the file type itself), so that starting it does not load GIO and the
// libraries GIO brings.

#include "app/association/system_backend.h"
#include "records/save/file_replace.h"

#define OBRIX_ENTRY extern "C" __attribute__((visibility("default")))

OBRIX_ENTRY std::string obrixReplaceFileContents(const std::filesystem::path& path,
                                                 std::string_view bytes) {
    return obrix::records::replaceFileContents(path, bytes);
}

OBRIX_ENTRY void obrixRegisterFileType() {
    obrix::association::registerFileTypeForThisProgram();
}

// The entry points have the types the program calls them with.
[[maybe_unused]] constexpr obrix::records::ReplaceFileContentsEntry kReplaceEntry =
    &obrixReplaceFileContents;
[[maybe_unused]] constexpr obrix::association::RegisterFileTypeEntry kRegisterEntry =
    &obrixRegisterFileType;
