#pragma once

// The registration on a freedesktop desktop (GNOME, KDE, Xfce, ...), through GIO: the record
// files' content type comes from the MIME database, its default application from the desktop's
// lists. Registering makes this program's desktop entry the type's default, installing the
// MIME package and a desktop entry for the user where the system has none; the desktop's
// databases are refreshed in the background, without waiting for them.

#ifndef _WIN32

#include "app/association/backend.h"

namespace obrix::association {

// The content type packaging/obrix.xml declares for `*.oci`, and the desktop entry's ID.
inline constexpr const char* kRecordMimeType = "application/x-obrix-record";
inline constexpr const char* kDesktopId = "obrix.desktop";

class GioBackend final : public Backend {
public:
    std::string programFolder() override;
    char pathSeparator() const override { return '/'; }
    std::string associatedProgram(std::string_view extension) override;
    void registerFileType(const FileTypeRegistration& registration) override;
    // Starts update-mime-database and update-desktop-database for what registerFileType wrote,
    // detached; nothing when it wrote nothing.
    void notifyAssociationsChanged() override;

private:
    void installMimePackage(std::string_view extension);
    bool wroteMimePackage_ = false;
    bool wroteDesktopEntry_ = false;
};

} // namespace obrix::association

#endif // _WIN32
