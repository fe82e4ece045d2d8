#include "loading/program_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace obrix::loading {

namespace {

namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

} // namespace

void* programModuleSymbol(const std::string& fileName, const char* symbol, std::string& error) {
    const fs::path folder = programFolder();
    bool present = false;
    for (const fs::path& path :
         {folder / fileName, folder / OBRIX_MODULE_INSTALLED_FOLDER / fileName}) {
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (void* address = module ? dlsym(module, symbol) : nullptr) {
            return address;
        }
        // The reason given: that of a module that is there but would not load, else that of
        // the last place looked in.
        if (!present) {
            const char* reason = dlerror();
            error = reason ? reason : path.string() + ": cannot be loaded";
            std::error_code ignored;
            present = fs::exists(path, ignored);
        }
    }
    return nullptr;
}

} // namespace obrix::loading
