#ifdef _WIN32

#include "app/association/windows_backend.h"

#include "app/association/association.h"

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

// Opens (creates) the class-root key, writes one default value and closes the key again. A key
// that cannot be opened gets no value; the caller goes on with the next one either way.
void writeClassValue(const std::string& key, const char* subkey, const std::string& data) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, key.c_str(), &handle) != ERROR_SUCCESS || !handle)
        return;
    RegSetValueA(handle, subkey, REG_SZ, data.c_str(), static_cast<DWORD>(data.size()));
    RegCloseKey(handle);
}

} // namespace

std::string WindowsBackend::programFolder() {
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

std::string WindowsBackend::associatedProgram(std::string_view extension) {
    char folder[kBufferSize] = {};
    const DWORD length = GetTempPathA(kBufferSize, folder);
    // A result of kBufferSize or more is the size the buffer would have needed.
    if (length == 0 || length >= kBufferSize)
        return {};
    char tempFile[kBufferSize] = {};
    if (GetTempFileNameA(folder, std::string(kTempFilePrefix).c_str(), 0, tempFile) == 0)
        return {};
    const std::string tempPath = bufferText(tempFile);
    const std::string probe = ProbeFilePath(tempPath, extension, '\\');
    // Without its probe name the file tells the shell nothing; it must not stay behind either.
    if (!MoveFileA(tempPath.c_str(), probe.c_str())) {
        DeleteFileA(tempPath.c_str());
        return {};
    }
    char program[kBufferSize] = {};
    // On failure the buffer stays empty, which is the answer "no program".
    FindExecutableA(probe.c_str(), nullptr, program);
    DeleteFileA(probe.c_str());
    return bufferText(program);
}

void WindowsBackend::registerFileType(const FileTypeRegistration& registration) {
    const std::string fileType(registration.fileType);
    writeClassValue(fileType, nullptr, std::string(registration.description));
    writeClassValue(std::string(registration.extension), nullptr, fileType);
    writeClassValue(fileType, "shell\\open\\command", OpenCommand(registration.program));
    writeClassValue(fileType, "DefaultIcon", registration.icon);
}

void WindowsBackend::notifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

} // namespace obrix::association

#endif // _WIN32
