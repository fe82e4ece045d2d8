#include "cli/console.h"

#include "records/record_file.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
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
