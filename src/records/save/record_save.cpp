#include "records/save/record_save.h"

#include "records/record_file.h"
#include "records/record_format.h"
#include "records/save/file_replace.h"

namespace obrix::records {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kInvalidDate = "The date of the test is not a valid date";

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path resolveLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error)))
        return path;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved;
}

} // namespace

std::string writeRecordFile(const fs::path& path, const ClientRecord& record) {
    // A date outside the calendar would be saved as a file that cannot be opened again.
    if (!isValidDate(record.date))
        return std::string(kInvalidDate);
    const fs::path target = resolveLink(path);
    // Checked first, so that a named pipe or device chosen by mistake is never opened.
    if (std::string problem = plainFileProblem(target, true); !problem.empty())
        return problem;
    return replaceFileContents(target, encodeRecord(record));
}

std::optional<fs::path> findInterruptedSave(const fs::path& path) {
    return interruptedSaveCopy(resolveLink(path));
}

std::string restoreInterruptedSave(const fs::path& path, const fs::path& copy) {
    return restoreSaveCopy(resolveLink(path), copy);
}

} // namespace obrix::records
