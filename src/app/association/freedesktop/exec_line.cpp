#include "app/association/freedesktop/exec_line.h"

namespace obrix::association::freedesktop {

namespace {

bool needsBackslash(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

} // namespace

std::string quoteExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (needsBackslash(c))
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    quoted += '"';
    return quoted;
}

std::optional<std::string> execProgram(std::string_view exec) {
    std::size_t i = exec.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return std::nullopt;
    std::string program;
    const bool quoted = exec[i] == '"';
    if (quoted)
        ++i;
    for (; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '"')
            return program.empty() ? std::nullopt : std::optional<std::string>(program);
        if (!quoted && (c == ' ' || c == '\t'))
            break;
        if (quoted && c == '\\' && i + 1 < exec.size() && needsBackslash(exec[i + 1])) {
            program += exec[++i];
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            program += '%';
            ++i;
        } else if (c == '%') {
            return std::nullopt; // a field code cannot be the program
        } else {
            program += c;
        }
    }
    if (quoted)
        return std::nullopt; // no closing quote
    return program;
}

} // namespace obrix::association::freedesktop
