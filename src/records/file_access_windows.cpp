#include "records/file_access.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <random>

namespace obrix::records::file_access {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    std::error_code close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) ? std::error_code{} : lastError();
    }

private:
    HANDLE handle_;
};

std::error_code writeAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD count = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &count, nullptr))
            return lastError();
        written += count;
    }
    return {};
}

std::wstring uniqueName() {
    static thread_local std::mt19937_64 engine{std::random_device{}()};
    wchar_t name[32];
    swprintf(name, 32, L".obrix-%08llx.tmp",
             static_cast<unsigned long long>(engine() & 0xFFFFFFFFu));
    return name;
}

} // namespace

std::error_code readPrefix(const fs::path& path, std::size_t limit, std::string& bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastError();
    bytes.clear();
    char buffer[65536];
    while (bytes.size() < limit) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit - bytes.size()));
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, wanted, &count, nullptr))
            return lastError();
        if (count == 0)
            break;
        bytes.append(buffer, count);
    }
    return file.close();
}

std::error_code checkWritable(const fs::path& path) {
    // Opening for writing also catches a file another program holds locked.
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastError();
    return file.close();
}

// Permissions on Windows come from the folder's inherited access rules, so permissionsFrom has
// nothing to add.
std::error_code writeTemporary(const fs::path& folder, const std::string& bytes,
                               const fs::path& /*permissionsFrom*/, fs::path& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const fs::path candidate = folder / uniqueName();
        Handle file(CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return lastError();
        }
        std::error_code error = writeAll(file.get(), bytes);
        if (!error && !FlushFileBuffers(file.get()))
            error = lastError();
        const std::error_code closeError = file.close();
        if (!error)
            error = closeError;
        if (error) {
            DeleteFileW(candidate.c_str());
            return error;
        }
        temporary = candidate;
        return {};
    }
    return {ERROR_FILE_EXISTS, std::system_category()};
}

std::error_code replace(const fs::path& from, const fs::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastError();
    return {};
}

} // namespace obrix::records::file_access
