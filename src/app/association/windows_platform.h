#pragma once

// The registration's calls on Windows: the temporary folder, FindExecutableA and the registry's
// class root, with the 260-character buffers the ANSI calls use.

#ifdef _WIN32

#include "app/association/platform.h"

namespace obrix::association {

class WindowsPlatform final : public Platform {
public:
    std::string programFolder() override;
    char pathSeparator() const override { return '\\'; }
    std::string tempFolder() override;
    std::string createTempFile(std::string_view folder, std::string_view prefix,
                               unsigned unique) override;
    bool renameFile(std::string_view from, std::string_view to) override;
    std::string findExecutable(std::string_view file) override;
    bool removeFile(std::string_view path) override;
    std::optional<KeyHandle> openClassKey(std::string_view name) override;
    bool setDefaultValue(KeyHandle key, std::string_view subkey, std::string_view data) override;
    void closeKey(KeyHandle key) override;
    void notifyAssociationsChanged() override;
};

} // namespace obrix::association

#endif // _WIN32
