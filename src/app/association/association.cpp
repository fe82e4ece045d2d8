#include "app/association/association.h"

namespace obrix::association {

std::string StripPath(std::string_view path, char separator) {
    const std::size_t last = path.rfind(separator);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ProbeFilePath(std::string_view tempFile, std::string_view extension, char separator) {
    const std::size_t separatorAt = tempFile.rfind(separator);
    const std::size_t nameStart = separatorAt == std::string_view::npos ? 0 : separatorAt + 1;
    const std::size_t dot = tempFile.rfind('.');
    std::string probe(tempFile.substr(
        0, dot != std::string_view::npos && dot >= nameStart ? dot : tempFile.size()));
    probe += '.';
    probe += extension;
    return probe;
}

std::string OpenCommand(std::string_view program) {
    std::string command = "\"";
    command += program;
    command += "\" \"%1\"";
    return command;
}

void RegisterFileType(Backend& backend, std::string_view executableName) noexcept {
    try {
        std::string folder = backend.programFolder();
        // A command without a folder would point the desktop at a program that does not exist
        // and replace a working association with a broken one.
        if (folder.empty())
            return;
        const char separator = backend.pathSeparator();
        if (folder.back() != separator)
            folder += separator;

        const std::string associated = backend.associatedProgram(kRecordExtension);
        if (StripPath(associated, separator) == executableName)
            return;

        backend.registerFileType({kExtensionKey, kFileTypeKey, kFileTypeDescription,
                                  folder + std::string(executableName),
                                  folder + std::string(kIconFileName)});
        backend.notifyAssociationsChanged();
    } catch (...) {
        // The registration is a convenience: start-up goes on whatever happened here.
    }
}

} // namespace obrix::association
