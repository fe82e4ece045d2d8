#include "app/association/association.h"

#include <utility>

namespace obrix::association {

namespace {

// The temporary file's path with the extension of its file name replaced; a name without an
// extension gets one. Dots in folder names are left alone.
std::string probePath(std::string_view tempFile, std::string_view extension, char separator) {
    const std::size_t separatorAt = tempFile.rfind(separator);
    const std::size_t nameStart = separatorAt == std::string_view::npos ? 0 : separatorAt + 1;
    const std::size_t dot = tempFile.rfind('.');
    std::string probe(tempFile.substr(
        0, dot != std::string_view::npos && dot >= nameStart ? dot : tempFile.size()));
    probe += '.';
    probe += extension;
    return probe;
}

// Deletes the temporary file, under its current name, however the query ends.
class TempFileRemover {
public:
    TempFileRemover(Platform& platform, std::string path)
        : platform_(platform)
        , path_(std::move(path)) {}
    TempFileRemover(const TempFileRemover&) = delete;
    TempFileRemover& operator=(const TempFileRemover&) = delete;
    ~TempFileRemover() {
        try {
            platform_.removeFile(path_);
        } catch (...) {
            // Nothing more can be done about a file that will not go.
        }
    }
    void renamed(std::string path) { path_ = std::move(path); }

private:
    Platform& platform_;
    std::string path_;
};

// Opens (creates) the key, writes one default value and closes the key again. A key that
// cannot be opened gets no value; the caller goes on with the next one either way.
void writeClassValue(Platform& platform, std::string_view key, std::string_view subkey,
                     std::string_view data) {
    const std::optional<KeyHandle> handle = platform.openClassKey(key);
    if (!handle)
        return;
    platform.setDefaultValue(*handle, subkey, data);
    platform.closeKey(*handle);
}

} // namespace

std::string StripPath(std::string_view path, char separator) {
    const std::size_t last = path.rfind(separator);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string GetAssociatedProgram(Platform& platform, std::string_view extension) {
    const std::string folder = platform.tempFolder();
    if (folder.empty())
        return {};
    const std::string tempFile = platform.createTempFile(folder, kTempFilePrefix, 0);
    if (tempFile.empty())
        return {};
    TempFileRemover remover(platform, tempFile);
    const std::string probe = probePath(tempFile, extension, platform.pathSeparator());
    // Without its probe name the file tells the shell nothing.
    if (!platform.renameFile(tempFile, probe))
        return {};
    remover.renamed(probe);
    return platform.findExecutable(probe);
}

std::string ProgramFolderWithSeparator(Platform& platform) {
    std::string folder = platform.programFolder();
    const char separator = platform.pathSeparator();
    if (!folder.empty() && folder.back() != separator)
        folder += separator;
    return folder;
}

std::string OpenCommand(std::string_view programFolder, std::string_view executableName) {
    std::string command = "\"";
    command += programFolder;
    command += executableName;
    command += "\" \"%1\"";
    return command;
}

void RegisterFileType(Platform& platform, std::string_view executableName) noexcept {
    try {
        const std::string folder = ProgramFolderWithSeparator(platform);
        // A command without a folder would point the shell at a program that does not exist
        // and replace a working association with a broken one.
        if (folder.empty())
            return;
        const std::string associated = GetAssociatedProgram(platform, kRecordExtension);
        if (StripPath(associated, platform.pathSeparator()) == executableName)
            return;

        std::string icon = folder;
        icon += kIconFileName;
        writeClassValue(platform, kFileTypeKey, "", kFileTypeDescription);
        writeClassValue(platform, kExtensionKey, "", kFileTypeKey);
        writeClassValue(platform, kFileTypeKey, kOpenCommandSubkey,
                        OpenCommand(folder, executableName));
        writeClassValue(platform, kFileTypeKey, kDefaultIconSubkey, icon);
        platform.notifyAssociationsChanged();
    } catch (...) {
        // The registration is a convenience: start-up goes on whatever happened here.
    }
}

} // namespace obrix::association
