#include "app/association/system_platform.h"

#include "app/association/association.h"

#ifdef _WIN32
#include "app/association/windows_platform.h"
#else
#include "app/association/freedesktop/freedesktop_platform.h"
#endif

namespace obrix::association {

std::unique_ptr<Platform> makeSystemPlatform() {
#ifdef _WIN32
    return std::make_unique<WindowsPlatform>();
#else
    return std::make_unique<FreedesktopPlatform>(FreedesktopPlatform::optionsFromEnvironment());
#endif
}

void registerFileTypeForThisProgram() noexcept {
    try {
        const std::unique_ptr<Platform> platform = makeSystemPlatform();
        RegisterFileType(*platform, kOwnExecutableName);
    } catch (...) {
        // Not even the backend could be set up; start-up goes on without the registration.
    }
}

} // namespace obrix::association
