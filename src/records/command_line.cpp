#include "records/command_line.h"

#include "records/record_file.h"
#include "records/utf8_path.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace obrix::records {

namespace {

constexpr std::string_view kSeparator = "\" \"";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string withoutQuotes(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text)
        if (c != '"')
            result += c;
    return result;
}

} // namespace

std::string argumentText(std::string_view commandLine) {
    std::size_t position = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        // A quoted program name runs to the closing quote; blanks inside it belong to it.
        const std::size_t closing = commandLine.find('"', 1);
        position = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    }
    while (position < commandLine.size() && !isBlank(commandLine[position]))
        ++position;
    while (position < commandLine.size() && isBlank(commandLine[position]))
        ++position;
    return std::string(commandLine.substr(position));
}

std::vector<std::string> candidatesFromText(std::string_view text) {
    std::vector<std::string> candidates;
    if (text.empty())
        return candidates;
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(kSeparator, start);
        candidates.push_back(withoutQuotes(text.substr(start, found - start)));
        if (found == std::string_view::npos)
            break;
        start = found + kSeparator.size();
    }
    return candidates;
}

std::vector<std::string> candidatesFromArguments(const std::vector<std::string>& arguments,
                                                 const FileTest& exists) {
    std::vector<std::string> candidates;
    candidates.reserve(arguments.size());
    for (const std::string& argument : arguments)
        candidates.push_back(exists(argument) ? argument : withoutQuotes(argument));
    return candidates;
}

std::optional<std::string> chooseStartupFile(const std::vector<std::string>& candidates,
                                             const FileTest& exists) {
    std::optional<std::string> chosen;
    for (const std::string& candidate : candidates)
        if (exists(candidate))
            chosen = candidate;
    return chosen;
}

std::string noStartupFileReason(const std::vector<std::string>& candidates) {
    for (auto candidate = candidates.rbegin(); candidate != candidates.rend(); ++candidate) {
        if (candidate->empty())
            continue;
        std::string problem = plainFileProblem(utf8Path(*candidate), true);
        if (!problem.empty())
            return problem;
    }
    return std::make_error_code(std::errc::no_such_file_or_directory).message();
}

bool isOrdinaryFile(const std::string& path) {
    if (path.empty())
        return false;
    const std::filesystem::path file = utf8Path(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return false;
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
        return false;
#endif
    return true;
}

} // namespace obrix::records
