#pragma once

// What the `.oci` registration step asks of the desktop it runs on. Each system answers in its
// own way: the Windows shell and registry, or GIO on a freedesktop desktop. Implementations
// report failure through their results; they do not throw.

#include <string>
#include <string_view>

namespace obrix::association {

// The file type the step registers, with everything a desktop needs to open its files.
struct FileTypeRegistration {
    std::string_view extension;   // with the dot: ".oci"
    std::string_view fileType;    // the type's key name: "OCI-R"
    std::string_view description; // shown by the desktop: "Obrix"
    std::string program;          // full path of the executable that opens a file
    std::string icon;             // full path of the icon file for files of the type
};

class Backend {
public:
    virtual ~Backend() = default;

    // Folder of the running program as the system reports it: no trailing separator, except at
    // a root ("C:\", "/"). "" when it cannot be found.
    virtual std::string programFolder() = 0;

    // '\\' on Windows, '/' elsewhere.
    virtual char pathSeparator() const = 0;

    // Full path of the program the desktop starts for files with this extension (given without
    // the dot); "" when there is none or the desktop could not be asked.
    virtual std::string associatedProgram(std::string_view extension) = 0;

    // Makes the program the one that opens files of the type.
    virtual void registerFileType(const FileTypeRegistration& registration) = 0;

    // Tells the desktop that file associations changed. Never waits for the desktop.
    virtual void notifyAssociationsChanged() = 0;
};

} // namespace obrix::association
