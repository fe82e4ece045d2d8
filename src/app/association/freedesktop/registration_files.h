#pragma once

// The texts of the files that register a file type with a freedesktop desktop: the MIME
// package that names the type and its file-name patterns, the program's desktop entry, and
// the default-application line of mimeapps.list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

// A shared-mime-info package: the type, its description and its patterns (e.g. "*.oci").
std::string mimePackageXml(std::string_view mimeType, std::string_view description,
                           const std::vector<std::string>& globs);

struct DesktopEntryFields {
    std::string name;
    std::string program; // absolute path, quoted in the Exec line
    std::string icon;    // a path or an icon-theme name; may be empty
    std::string mimeType;
};

// A desktop entry that opens one file at a time ("%f") with the program.
std::string desktopEntryText(const DesktopEntryFields& fields);

// The program of an open command as the registration writes it, "<program>" "%1" (quotes
// optional); nullopt unless it is an absolute path followed by the file placeholder. The
// placeholder is taken off the end, so blanks or quotes inside the path cannot cut it short.
std::optional<std::string> programOfOpenCommand(std::string_view command);

// mimeapps.list text with desktopId as the first default for the type; the other defaults,
// groups and lines stay as they were.
std::string withDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                   std::string_view desktopId);

} // namespace obrix::association::freedesktop
