#include "records/record_file.h"

#include "records/file_access.h"

namespace obrix::records {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNotRegularFile = "Not a regular file";

} // namespace

std::string plainFileProblem(const fs::path& path, bool mayBeMissing) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (mayBeMissing && status.type() == fs::file_type::not_found)
        return {};
    if (error)
        return error.message();
    if (fs::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory).message();
    if (!fs::is_regular_file(status))
        return std::string(kNotRegularFile);
    return {};
}

ReadResult readRecordFile(const fs::path& path, std::string& bytes) {
    bytes.clear();
    if (std::string problem = plainFileProblem(path, false); !problem.empty())
        return {std::nullopt, std::move(problem)};
    if (const std::error_code error = file_access::readSmallFile(path, kRecordSizeLimit, bytes)) {
        bytes.clear();
        if (error == std::errc::file_too_large)
            return {std::nullopt, std::string(kNotARecordFile)};
        return {std::nullopt, error.message()};
    }
    return decodeRecord(bytes);
}

ReadResult readRecordFile(const fs::path& path) {
    std::string bytes;
    return readRecordFile(path, bytes);
}

} // namespace obrix::records
