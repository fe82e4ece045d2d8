#include "records/save/file_replace.h"

#include <windows.h>

#include <system_error>

// The new contents go to a temporary file in the target's folder, reach the disk, and then
// ReplaceFileW puts them in place in one step. ReplaceFileW gives the new file the old one's
// identity: its attributes, access control list, alternate streams and creation time. A failure
// at any step leaves the old file as it was and removes the temporary file.

namespace obrix::records {

namespace {

std::string describe(DWORD error) {
    return std::error_code(static_cast<int>(error), std::system_category()).message();
}

std::string lastError() {
    return describe(GetLastError());
}

std::string writeDurably(const wchar_t* path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    std::string failure = ok ? std::string() : lastError();
    CloseHandle(file);
    return failure;
}

} // namespace

std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : L".";
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(folder.c_str(), L"obx", 0, temporary)) {
        // GetTempFileNameW calls a missing folder an invalid directory name; the user is told
        // the path was not found, as opening a file in it would say.
        const DWORD error = GetLastError();
        const bool folderMissing = error == ERROR_DIRECTORY &&
                                   GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
        return describe(folderMissing ? ERROR_PATH_NOT_FOUND : error);
    }
    std::string failure = writeDurably(temporary, bytes);
    if (failure.empty()) {
        const bool replaced = GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES
                                  ? MoveFileExW(temporary, path.c_str(), MOVEFILE_WRITE_THROUGH)
                                  : ReplaceFileW(path.c_str(), temporary, nullptr,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        if (!replaced)
            failure = lastError();
    }
    if (!failure.empty())
        DeleteFileW(temporary);
    return failure;
}

} // namespace obrix::records

namespace obrix::records {

// ReplaceFileW never writes a file in place, so no save leaves a copy behind.
std::optional<std::filesystem::path> interruptedSaveCopy(const std::filesystem::path&) {
    return std::nullopt;
}

std::string restoreSaveCopy(const std::filesystem::path&, const std::filesystem::path&) {
    return {};
}

} // namespace obrix::records
