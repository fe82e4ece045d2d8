#include "app/association/freedesktop/registration_files.h"

#include "app/association/freedesktop/exec_line.h"
#include "app/association/freedesktop/key_file.h"

#include <optional>

namespace obrix::association::freedesktop {

namespace {

constexpr std::string_view kDefaultsGroup = "Default Applications";

std::string xmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// List items end in ";"; a ";" inside an item is escaped.
std::string listItem(std::string_view item) {
    std::string raw;
    for (const char c : escapeValue(item)) {
        if (c == ';')
            raw += '\\';
        raw += c;
    }
    raw += ';';
    return raw;
}

} // namespace

std::string mimePackageXml(std::string_view mimeType, std::string_view description,
                           const std::vector<std::string>& globs) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"";
    xml += xmlEscaped(mimeType);
    xml += "\">\n    <comment>";
    xml += xmlEscaped(description);
    xml += "</comment>\n";
    for (const std::string& glob : globs) {
        xml += "    <glob pattern=\"";
        xml += xmlEscaped(glob);
        xml += "\"/>\n";
    }
    xml += "  </mime-type>\n</mime-info>\n";
    return xml;
}

std::string desktopEntryText(const DesktopEntryFields& fields) {
    std::string text = "[Desktop Entry]\nType=Application\nName=";
    text += escapeValue(fields.name);
    text += "\nExec=";
    text += escapeValue(quoteExecArgument(fields.program) + " %f");
    text += '\n';
    if (!fields.icon.empty()) {
        text += "Icon=";
        text += escapeValue(fields.icon);
        text += '\n';
    }
    text += "MimeType=";
    text += listItem(fields.mimeType);
    text += "\nTerminal=false\nCategories=Science;MedicalSoftware;\n";
    return text;
}

std::optional<std::string> programOfOpenCommand(std::string_view command) {
    for (const std::string_view placeholder : {" \"%1\"", " %1"}) {
        if (command.size() < placeholder.size() ||
            command.substr(command.size() - placeholder.size()) != placeholder)
            continue;
        std::string_view program = command.substr(0, command.size() - placeholder.size());
        if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
            program = program.substr(1, program.size() - 2);
        if (program.empty() || program.front() != '/')
            return std::nullopt;
        return std::string(program);
    }
    return std::nullopt;
}

std::string withDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                   std::string_view desktopId) {
    std::string value = listItem(desktopId);
    if (const std::optional<std::string> current =
            findKeyFileValue(mimeappsList, kDefaultsGroup, mimeType)) {
        for (const std::string& id : splitListValue(*current)) {
            if (id != desktopId)
                value += listItem(id);
        }
    }
    return setKeyFileValue(mimeappsList, kDefaultsGroup, mimeType, value);
}

} // namespace obrix::association::freedesktop
