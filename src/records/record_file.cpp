#include "records/record_file.h"

#include "records/file_access.h"

namespace obrix::records {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNotRegularFile = "Not a regular file";
constexpr std::string_view kInvalidDate = "The date of the test is not a valid date";

// Describes why path cannot be read or replaced as a plain file; empty when it can (or, with
// mayBeMissing, when it does not exist yet).
std::string checkPlainFile(const fs::path& path, bool mayBeMissing) {
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

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path resolveLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error)))
        return path;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved;
}

} // namespace

ReadResult readRecordFile(const fs::path& path) {
    if (std::string problem = checkPlainFile(path, false); !problem.empty())
        return {std::nullopt, std::move(problem)};
    std::string bytes;
    if (const std::error_code error = file_access::readPrefix(path, kRecordReadLimit, bytes))
        return {std::nullopt, error.message()};
    return decodeRecord(bytes);
}

std::string writeRecordFile(const fs::path& path, const ClientRecord& record) {
    // A date outside the calendar would be saved as a file that cannot be opened again.
    if (!isValidDate(record.date))
        return std::string(kInvalidDate);
    const fs::path target = resolveLink(path);
    if (std::string problem = checkPlainFile(target, true); !problem.empty())
        return problem;

    std::error_code error;
    const bool replacing = fs::exists(target, error);
    if (replacing) {
        if (const std::error_code denied = file_access::checkWritable(target))
            return denied.message();
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    if (const std::error_code failed = file_access::writeTemporary(
            folder, encodeRecord(record), replacing ? target : fs::path(), temporary))
        return failed.message();
    if (const std::error_code failed = file_access::replace(temporary, target)) {
        fs::remove(temporary, error);
        return failed.message();
    }
    return {};
}

} // namespace obrix::records
