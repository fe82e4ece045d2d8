#pragma once

// The registration on Windows: FindExecutableA asked about a temporary probe file, the four
// values under HKEY_CLASSES_ROOT, and SHChangeNotify, with the 260-character buffers the ANSI
// calls use.

#ifdef _WIN32

#include "app/association/backend.h"

namespace obrix::association {

class WindowsBackend final : public Backend {
public:
    std::string programFolder() override;
    char pathSeparator() const override { return '\\'; }
    std::string associatedProgram(std::string_view extension) override;
    void registerFileType(const FileTypeRegistration& registration) override;
    void notifyAssociationsChanged() override;
};

} // namespace obrix::association

#endif // _WIN32
