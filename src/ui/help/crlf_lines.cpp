#include "ui/help/crlf_lines.h"

namespace obrix::ui::help {

QString joinCrLfLines(std::span<const std::string_view> lines) {
    QString text;
    for (const std::string_view line : lines) {
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace obrix::ui::help
