#pragma once

// The operating-system calls the `.oci` registration step makes. They are shaped after the
// Windows shell and registry calls (named beside each one), so that the step reads the same on
// every system; the freedesktop backend maps them onto the MIME database and desktop entries.
// Implementations report failure through their results; they do not throw.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace obrix::association {

// An open key under the class root, as handed out by Platform::openClassKey.
using KeyHandle = std::uintptr_t;

class Platform {
public:
    virtual ~Platform() = default;

    // Folder of the running program as the system reports it: no trailing separator, except at
    // a root ("C:\", "/"). "" when it cannot be found. (GetModuleFileNameA)
    virtual std::string programFolder() = 0;

    // '\\' on Windows, '/' elsewhere.
    virtual char pathSeparator() const = 0;

    // The user's temporary folder, ending in a separator; "" on failure. (GetTempPathA)
    virtual std::string tempFolder() = 0;

    // With unique 0, creates an empty file <prefix><hex digits>.TMP in folder under a name that
    // did not exist before and returns its full path; "" on failure. (GetTempFileNameA)
    virtual std::string createTempFile(std::string_view folder, std::string_view prefix,
                                       unsigned unique) = 0;

    // Renames a file; false when that failed, also when the new name is taken. (MoveFileA)
    virtual bool renameFile(std::string_view from, std::string_view to) = 0;

    // Full path of the program the shell starts for this file; "" when there is none.
    // (FindExecutableA)
    virtual std::string findExecutable(std::string_view file) = 0;

    // (DeleteFileA)
    virtual bool removeFile(std::string_view path) = 0;

    // Opens the class-root key of that name, creating it when missing. (RegCreateKeyA)
    virtual std::optional<KeyHandle> openClassKey(std::string_view name) = 0;

    // Sets the default value of the key itself (subkey "") or of a subkey of it, creating a
    // missing subkey. (RegSetValueA, REG_SZ)
    virtual bool setDefaultValue(KeyHandle key, std::string_view subkey, std::string_view data) = 0;

    // (RegCloseKey)
    virtual void closeKey(KeyHandle key) = 0;

    // Tells the shell that file associations changed. (SHChangeNotify, SHCNE_ASSOCCHANGED)
    virtual void notifyAssociationsChanged() = 0;
};

} // namespace obrix::association
