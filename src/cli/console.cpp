#include "cli/console.h"

#include "records/record_file.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace obrix::cli::console {

namespace {

std::string describeErrno(int error) {
    return std::make_error_code(static_cast<std::errc>(error)).message();
}

} // namespace

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return ::isatty(::fileno(stream)) != 0;
#endif
}

void useBinaryStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    // The output is UTF-8; a console shows it as such only when told.
    if (isTerminal(stdout) || isTerminal(stderr))
        SetConsoleOutputCP(CP_UTF8);
#endif
}

std::vector<std::string> arguments(int argc, char** argv) {
#ifdef _WIN32
    // argv holds the arguments in the ANSI code page, which loses names outside it; the wide
    // command line has them all.
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int index = 1; wide && index < count; ++index) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, wide[index], -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[index], -1, text.data(), size, nullptr, nullptr);
        text.resize(text.size() - 1);
        utf8.push_back(std::move(text));
    }
    LocalFree(wide);
    return utf8;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

std::string writeAll(std::FILE* stream, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stream) == text.size())
        return {};
    return describeErrno(errno != 0 ? errno : EIO);
}

std::string flush(std::FILE* stream) {
    errno = 0;
    if (std::fflush(stream) == 0 && !std::ferror(stream))
        return {};
    return describeErrno(errno != 0 ? errno : EIO);
}

records::ReadResult readStandardInputRecord() {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < records::kRecordReadLimit) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stdin);
        bytes.append(buffer, count);
        if (count < sizeof buffer)
            break;
    }
    if (std::ferror(stdin))
        return {std::nullopt, describeErrno(errno != 0 ? errno : EIO)};
    return records::decodeRecord(bytes);
}

} // namespace obrix::cli::console
