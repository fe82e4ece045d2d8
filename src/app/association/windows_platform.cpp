#ifdef _WIN32

#include "app/association/windows_platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace obrix::association {

namespace {

constexpr DWORD kBufferSize = MAX_PATH;

// The buffer's text up to its first NUL; the calls may fill it completely without one.
std::string bufferText(const char* buffer) {
    return std::string(buffer, strnlen(buffer, kBufferSize));
}

HKEY toHkey(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::string WindowsPlatform::programFolder() {
    char buffer[kBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, kBufferSize);
    // A full buffer means the path was cut short: better no folder than a wrong one.
    if (length == 0 || length >= kBufferSize)
        return {};
    const std::string path(buffer, length);
    const std::size_t last = path.rfind('\\');
    if (last == std::string::npos)
        return {};
    // A drive root keeps its backslash ("C:\"), as Windows reports it.
    const bool driveRoot = last > 0 && path[last - 1] == ':';
    return path.substr(0, driveRoot ? last + 1 : last);
}

std::string WindowsPlatform::tempFolder() {
    char buffer[kBufferSize] = {};
    const DWORD length = GetTempPathA(kBufferSize, buffer);
    // A result of kBufferSize or more is the size the buffer would have needed.
    if (length == 0 || length >= kBufferSize)
        return {};
    return std::string(buffer, length);
}

std::string WindowsPlatform::createTempFile(std::string_view folder, std::string_view prefix,
                                            unsigned unique) {
    char buffer[kBufferSize] = {};
    const std::string folderText(folder);
    const std::string prefixText(prefix);
    if (GetTempFileNameA(folderText.c_str(), prefixText.c_str(), unique, buffer) == 0)
        return {};
    return bufferText(buffer);
}

bool WindowsPlatform::renameFile(std::string_view from, std::string_view to) {
    const std::string fromText(from);
    const std::string toText(to);
    return MoveFileA(fromText.c_str(), toText.c_str()) != 0;
}

std::string WindowsPlatform::findExecutable(std::string_view file) {
    char buffer[kBufferSize] = {};
    const std::string fileText(file);
    // On failure the buffer stays empty, which is the answer "no program".
    FindExecutableA(fileText.c_str(), nullptr, buffer);
    return bufferText(buffer);
}

bool WindowsPlatform::removeFile(std::string_view path) {
    const std::string pathText(path);
    return DeleteFileA(pathText.c_str()) != 0;
}

std::optional<KeyHandle> WindowsPlatform::openClassKey(std::string_view name) {
    HKEY key = nullptr;
    const std::string nameText(name);
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, nameText.c_str(), &key) != ERROR_SUCCESS || key == nullptr)
        return std::nullopt;
    return reinterpret_cast<KeyHandle>(key);
}

bool WindowsPlatform::setDefaultValue(KeyHandle key, std::string_view subkey,
                                      std::string_view data) {
    const std::string subkeyText(subkey);
    const std::string dataText(data);
    return RegSetValueA(toHkey(key), subkeyText.empty() ? nullptr : subkeyText.c_str(), REG_SZ,
                        dataText.c_str(), static_cast<DWORD>(dataText.size())) == ERROR_SUCCESS;
}

void WindowsPlatform::closeKey(KeyHandle key) {
    RegCloseKey(toHkey(key));
}

void WindowsPlatform::notifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

} // namespace obrix::association

#endif // _WIN32
