#include "app/association/system_backend.h"

#include "app/association/association.h"

#ifdef _WIN32
#include "app/association/windows_backend.h"
#else
#include "app/association/gio_backend.h"
#endif

namespace obrix::association {

std::unique_ptr<Backend> makeSystemBackend() {
#ifdef _WIN32
    return std::make_unique<WindowsBackend>();
#else
    return std::make_unique<GioBackend>();
#endif
}

void registerFileTypeForThisProgram() noexcept {
    try {
        const std::unique_ptr<Backend> backend = makeSystemBackend();
        RegisterFileType(*backend, kOwnExecutableName);
    } catch (...) {
        // Not even the backend could be set up; start-up goes on without the registration.
    }
}

} // namespace obrix::association
