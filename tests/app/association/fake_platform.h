#pragma once

// A scriptable stand-in for the system calls of the registration step: it answers what the
// test sets and records every call, in order, as one line of text.

#include "app/association/platform.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace obrix::association::testing {

class FakePlatform final : public Platform {
public:
    // Answers.
    std::string folder = "C:\\Program Files\\Obrix";
    char separator = '\\';
    std::string temp = "C:\\Temp\\";
    std::string tempFileName = "~1A2B.TMP"; // created in the folder asked for; "" fails
    bool renameSucceeds = true;
    std::string associatedProgram; // what findExecutable answers
    std::set<std::string> unopenableKeys;
    // Called with each call's name ("findExecutable", ...) before it is answered; may throw.
    std::function<void(const std::string& call)> beforeCall;

    // What happened.
    std::vector<std::string> calls;
    std::set<std::string> files; // files the fake's calls created and did not remove

    // Only the setDefaultValue calls, as "key|subkey|data".
    std::vector<std::string> writes() const;
    bool notified() const;

    std::string programFolder() override;
    char pathSeparator() const override { return separator; }
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

private:
    void record(const std::string& name, const std::string& details = {});

    std::map<KeyHandle, std::string> openKeys_;
    KeyHandle nextKey_ = 100;
};

} // namespace obrix::association::testing
