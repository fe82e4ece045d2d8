#include "app/association/freedesktop/freedesktop_platform.h"

#include "app/association/freedesktop/ascii.h"
#include "app/association/freedesktop/default_application.h"
#include "app/association/freedesktop/file_io.h"
#include "app/association/freedesktop/mime_globs.h"
#include "app/association/freedesktop/registration_files.h"
#include "app/association/freedesktop/tool_runner.h"

#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace obrix::association {

using namespace freedesktop;

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string runningProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

FreedesktopPlatform::Options FreedesktopPlatform::optionsFromEnvironment() {
    Options options;
    options.dirs = xdgDirsFromEnvironment();
    const std::string tmpdir = environmentValue("TMPDIR");
    options.tempFolder = !tmpdir.empty() && tmpdir.front() == '/' ? tmpdir : "/tmp";
    options.searchPath = environmentValue("PATH");
    if (options.searchPath.empty())
        options.searchPath = "/usr/local/bin:/usr/bin:/bin";
    options.runTool = [](const std::vector<std::string>& arguments) {
        runTool(arguments);
    };
    return options;
}

FreedesktopPlatform::FreedesktopPlatform(Options options)
    : options_(std::move(options)) {}

std::string FreedesktopPlatform::programFolder() {
    return options_.programFolder.empty() ? runningProgramFolder() : options_.programFolder;
}

std::string FreedesktopPlatform::tempFolder() {
    std::string folder = options_.tempFolder.empty() ? std::string("/tmp") : options_.tempFolder;
    if (folder.front() != '/' || !isFolder(folder))
        return {};
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::string FreedesktopPlatform::createTempFile(std::string_view folder, std::string_view prefix,
                                                unsigned unique) {
    return createUniqueTempFile(folder, prefix, unique);
}

bool FreedesktopPlatform::renameFile(std::string_view from, std::string_view to) {
    return renameWithoutReplacing(std::string(from), std::string(to));
}

std::string FreedesktopPlatform::findExecutable(std::string_view file) {
    const XdgDirs& dirs = options_.dirs;
    MimeGlobs globs;
    for (const std::string& folder : dataSubfolders(dirs, "mime")) {
        if (const std::optional<std::string> text = readRegularFile(folder + "/globs2"))
            globs.addGlobs2(*text);
    }
    const std::size_t slash = file.rfind('/');
    const std::string type =
        globs.typeOf(slash == std::string_view::npos ? file : file.substr(slash + 1));
    if (type.empty())
        return {};
    const std::string entry = findDesktopEntry(dirs, defaultApplicationFor(dirs, type));
    if (entry.empty())
        return {};
    const std::optional<std::string> text = readRegularFile(entry);
    return text ? programOfDesktopEntry(*text, options_.searchPath) : std::string();
}

bool FreedesktopPlatform::removeFile(std::string_view path) {
    return ::unlink(std::string(path).c_str()) == 0;
}

std::optional<KeyHandle> FreedesktopPlatform::openClassKey(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    const KeyHandle key = nextKey_++;
    openKeys_.emplace(key, std::string(name));
    return key;
}

bool FreedesktopPlatform::setDefaultValue(KeyHandle key, std::string_view subkey,
                                          std::string_view data) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end())
        return false;
    std::string name = open->second;
    if (!subkey.empty()) {
        name += '\\';
        name += subkey;
    }
    values_[name] = std::string(data);
    return true;
}

void FreedesktopPlatform::closeKey(KeyHandle key) {
    openKeys_.erase(key);
}

void FreedesktopPlatform::notifyAssociationsChanged() {
    const std::string& dataHome = options_.dirs.dataHome;
    if (dataHome.empty())
        return;
    writeMimePackage();
    if (writeDesktopEntry())
        makeDefaultApplication();
    if (options_.runTool) {
        options_.runTool({"update-mime-database", dataHome + "/mime"});
        options_.runTool({"update-desktop-database", dataHome + "/applications"});
    }
}

std::string FreedesktopPlatform::value(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
}

std::string FreedesktopPlatform::subkeyValue(std::string_view subkey) const {
    std::string key = options_.fileTypeKey;
    key += '\\';
    key += subkey;
    return value(key);
}

std::string FreedesktopPlatform::fileTypeDescription() const {
    const std::string description = value(options_.fileTypeKey);
    return description.empty() ? options_.fileTypeKey : description;
}

void FreedesktopPlatform::writeMimePackage() {
    // Every extension key (".oci") whose file type is ours becomes a pattern ("*.oci").
    std::vector<std::string> globs;
    for (const auto& [key, data] : values_) {
        if (key.size() > 1 && key.front() == '.' && key.find('\\') == std::string::npos &&
            data == options_.fileTypeKey)
            globs.push_back("*" + lowerAscii(key));
    }
    if (globs.empty())
        return;
    writeFileAtomically(options_.dirs.dataHome + "/mime/packages/" + options_.packageFile,
                        mimePackageXml(options_.mimeType, fileTypeDescription(), globs));
}

bool FreedesktopPlatform::writeDesktopEntry() {
    const std::optional<std::string> program =
        programOfOpenCommand(subkeyValue(kOpenCommandSubkey));
    if (!program)
        return false;
    DesktopEntryFields fields;
    fields.name = fileTypeDescription();
    fields.program = *program;
    fields.icon = subkeyValue(kDefaultIconSubkey);
    fields.mimeType = options_.mimeType;
    return writeFileAtomically(options_.dirs.dataHome + "/applications/" + options_.desktopId,
                               desktopEntryText(fields));
}

void FreedesktopPlatform::makeDefaultApplication() {
    if (options_.dirs.configHome.empty())
        return;
    const std::string path = options_.dirs.configHome + "/mimeapps.list";
    std::optional<std::string> current = readRegularFile(path);
    // A list that is there but cannot be read is left alone rather than replaced.
    if (!current && somethingAt(path))
        return;
    writeFileAtomically(path, withDefaultApplication(current.value_or(std::string()),
                                                     options_.mimeType, options_.desktopId));
}

} // namespace obrix::association
