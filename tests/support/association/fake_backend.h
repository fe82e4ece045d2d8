#pragma once

// A scriptable stand-in for the desktop the registration step talks to: it answers what the
// test sets and records every call, in order.

#include "app/association/backend.h"

#include <optional>
#include <string>
#include <vector>

namespace obrix::association::testing {

class FakeBackend final : public Backend {
public:
    // Answers.
    std::string folder = "C:\\Program Files\\Obrix";
    char separator = '\\';
    std::string associated;   // what associatedProgram answers
    std::string throwingCall; // the call that throws instead of answering

    // What happened: call names ("associatedProgram OCI", ...) and what was registered.
    std::vector<std::string> calls;
    std::optional<FileTypeRegistration> registered;
    bool notified = false;

    std::string programFolder() override;
    char pathSeparator() const override { return separator; }
    std::string associatedProgram(std::string_view extension) override;
    void registerFileType(const FileTypeRegistration& registration) override;
    void notifyAssociationsChanged() override;

private:
    void record(const std::string& call);
};

} // namespace obrix::association::testing
