#pragma once

// The registration's calls on a freedesktop desktop (GNOME, KDE, Xfce, ...). The class root
// becomes per-user files: the extension key's file type gives a MIME type with a file-name
// pattern (XDG_DATA_HOME/mime/packages), the file type's open command and icon give a desktop
// entry (XDG_DATA_HOME/applications), which is made the type's default in
// XDG_CONFIG_HOME/mimeapps.list. Asking which program opens a file reads the same databases
// back, so a program that registered itself finds itself.

#include "app/association/association.h"
#include "app/association/freedesktop/xdg_dirs.h"
#include "app/association/platform.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace obrix::association {

class FreedesktopPlatform final : public Platform {
public:
    struct Options {
        freedesktop::XdgDirs dirs;
        std::string programFolder; // "" → the folder of /proc/self/exe
        std::string tempFolder;    // "" → TMPDIR when absolute, else /tmp
        std::string searchPath;    // where bare program names of desktop entries are looked up
        // The file type registered, and the names of its MIME type and files.
        std::string fileTypeKey = std::string(kFileTypeKey);
        std::string mimeType = "application/x-obrix-record";
        std::string desktopId = "obrix.desktop";
        std::string packageFile = "obrix.xml";
        // Runs a database tool; failures are ignored.
        std::function<void(const std::vector<std::string>& arguments)> runTool;
    };

    // The XDG folders, TMPDIR and PATH of this process, and the real tools.
    static Options optionsFromEnvironment();

    explicit FreedesktopPlatform(Options options);

    std::string programFolder() override;
    char pathSeparator() const override { return '/'; }
    std::string tempFolder() override;
    std::string createTempFile(std::string_view folder, std::string_view prefix,
                               unsigned unique) override;
    bool renameFile(std::string_view from, std::string_view to) override;
    std::string findExecutable(std::string_view file) override;
    bool removeFile(std::string_view path) override;
    std::optional<KeyHandle> openClassKey(std::string_view name) override;
    bool setDefaultValue(KeyHandle key, std::string_view subkey, std::string_view data) override;
    void closeKey(KeyHandle key) override;
    // Writes the files for the values set so far and refreshes the desktop's databases.
    void notifyAssociationsChanged() override;

private:
    std::string value(const std::string& key) const;
    // The value of a subkey of the file type's key.
    std::string subkeyValue(std::string_view subkey) const;
    // The file type's own value, or its key name when it has none.
    std::string fileTypeDescription() const;
    void writeMimePackage();
    bool writeDesktopEntry();
    void makeDefaultApplication();

    Options options_;
    std::map<KeyHandle, std::string> openKeys_;
    KeyHandle nextKey_ = 1;
    std::map<std::string, std::string> values_; // "key" or "key\subkey" → default value
};

} // namespace obrix::association
