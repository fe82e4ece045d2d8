#include "fake_platform.h"

namespace obrix::association::testing {

void FakePlatform::record(const std::string& name, const std::string& details) {
    if (beforeCall)
        beforeCall(name);
    calls.push_back(details.empty() ? name : name + " " + details);
}

std::vector<std::string> FakePlatform::writes() const {
    const std::string prefix = "setDefaultValue ";
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.rfind(prefix, 0) == 0)
            found.push_back(call.substr(prefix.size()));
    }
    return found;
}

bool FakePlatform::notified() const {
    for (const std::string& call : calls) {
        if (call == "notifyAssociationsChanged")
            return true;
    }
    return false;
}

std::string FakePlatform::programFolder() {
    record("programFolder");
    return folder;
}

std::string FakePlatform::tempFolder() {
    record("tempFolder");
    return temp;
}

std::string FakePlatform::createTempFile(std::string_view inFolder, std::string_view prefix,
                                         unsigned unique) {
    record("createTempFile",
           std::string(inFolder) + "|" + std::string(prefix) + "|" + std::to_string(unique));
    if (tempFileName.empty())
        return {};
    const std::string path = std::string(inFolder) + tempFileName;
    files.insert(path);
    return path;
}

bool FakePlatform::renameFile(std::string_view from, std::string_view to) {
    record("renameFile", std::string(from) + "|" + std::string(to));
    if (!renameSucceeds || files.erase(std::string(from)) == 0)
        return false;
    files.insert(std::string(to));
    return true;
}

std::string FakePlatform::findExecutable(std::string_view file) {
    record("findExecutable", std::string(file));
    return associatedProgram;
}

bool FakePlatform::removeFile(std::string_view path) {
    record("removeFile", std::string(path));
    return files.erase(std::string(path)) != 0;
}

std::optional<KeyHandle> FakePlatform::openClassKey(std::string_view name) {
    record("openClassKey", std::string(name));
    if (unopenableKeys.count(std::string(name)) != 0)
        return std::nullopt;
    openKeys_[nextKey_] = std::string(name);
    return nextKey_++;
}

bool FakePlatform::setDefaultValue(KeyHandle key, std::string_view subkey, std::string_view data) {
    const auto open = openKeys_.find(key);
    record("setDefaultValue",
           (open == openKeys_.end() ? std::string("<closed key>") : open->second) + "|" +
               std::string(subkey) + "|" + std::string(data));
    return open != openKeys_.end();
}

void FakePlatform::closeKey(KeyHandle key) {
    const auto open = openKeys_.find(key);
    record("closeKey", open == openKeys_.end() ? std::string("<closed key>") : open->second);
    if (open != openKeys_.end())
        openKeys_.erase(open);
}

void FakePlatform::notifyAssociationsChanged() {
    record("notifyAssociationsChanged");
}

} // namespace obrix::association::testing
