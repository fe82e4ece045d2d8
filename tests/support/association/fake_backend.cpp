#include "fake_backend.h"

#include <stdexcept>

namespace obrix::association::testing {

void FakeBackend::record(const std::string& call) {
    calls.push_back(call);
    if (call.rfind(throwingCall, 0) == 0 && !throwingCall.empty())
        throw std::runtime_error("refused");
}

std::string FakeBackend::programFolder() {
    record("programFolder");
    return folder;
}

std::string FakeBackend::associatedProgram(std::string_view extension) {
    record("associatedProgram " + std::string(extension));
    return associated;
}

void FakeBackend::registerFileType(const FileTypeRegistration& registration) {
    record("registerFileType");
    registered = registration;
}

void FakeBackend::notifyAssociationsChanged() {
    record("notifyAssociationsChanged");
    notified = true;
}

} // namespace obrix::association::testing
