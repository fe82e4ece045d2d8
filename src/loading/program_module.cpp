#include "loading/program_module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <filesystem>
#include <system_error>

namespace obrix::loading {

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
fs::path programFolder() {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    return length == 0 || length == MAX_PATH ? fs::path() : fs::path(program).parent_path();
}

void* entryPoint(const fs::path& path, const char* symbol, std::string& reason) {
    if (HMODULE module = LoadLibraryW(path.c_str())) {
        if (FARPROC address = GetProcAddress(module, symbol)) {
            return reinterpret_cast<void*>(address);
        }
    }
    reason = path.string() + ": cannot be loaded (error " + std::to_string(GetLastError()) + ")";
    return nullptr;
}
#else
fs::path programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

void* entryPoint(const fs::path& path, const char* symbol, std::string& reason) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (void* address = module ? dlsym(module, symbol) : nullptr) {
        return address;
    }
    const char* error = dlerror();
    reason = error ? error : path.string() + ": cannot be loaded";
    return nullptr;
}
#endif

} // namespace

void* programModuleSymbol(const std::string& fileName, const char* symbol, std::string& error) {
    const fs::path folder = programFolder();
    bool present = false;
    for (const fs::path& path :
         {folder / fileName, folder / OBRIX_MODULE_INSTALLED_FOLDER / fileName}) {
        std::string reason;
        if (void* address = entryPoint(path, symbol, reason)) {
            return address;
        }
        // The reason given: that of a module that is there but would not load, else that of
        // the last place looked in.
        if (!present) {
            error = reason;
            std::error_code ignored;
            present = fs::exists(path, ignored);
        }
    }
    return nullptr;
}

} // namespace obrix::loading
