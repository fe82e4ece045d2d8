#include "records/file_access.h"

#include <windows.h>

#include <algorithm>

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

} // namespace

std::error_code readSmallFile(const fs::path& path, std::size_t limit, std::string& bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return lastError();
    const auto tooLarge = std::make_error_code(std::errc::file_too_large);
    if (static_cast<unsigned long long>(size.QuadPart) > limit)
        return tooLarge;
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit + 1 - bytes.size()));
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, wanted, &count, nullptr))
            return lastError();
        if (count == 0)
            break;
        bytes.append(buffer, count);
    }
    if (bytes.size() > limit)
        return tooLarge;
    return file.close();
}

} // namespace obrix::records::file_access
