#pragma once

// Reading and saving record files on disk.

#include "records/record_format.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace obrix::records {

// A record is a few kilobytes at most; reading stops after this many bytes, so that a huge file
// or an endless stream given by mistake cannot exhaust memory. Whatever lies beyond is past the
// twenty fields anyway.
inline constexpr std::size_t kRecordReadLimit = 64u << 20;

// Reads the record at path. A file that cannot be opened or read fails with the system's
// description ("No such file or directory", "Is a directory", ...); its content fails as
// decodeRecord does.
ReadResult readRecordFile(const std::filesystem::path& path);

// Saves the record at path, replacing any file there. Returns an empty string on success,
// otherwise the system's description of the failure.
//
// The bytes go to a temporary file in the same folder, are flushed to the disk, and only then
// replace the target in one step, so a save that fails (full disk, missing folder, read-only
// file) leaves the previous file exactly as it was and no temporary file behind. A read-only
// target is refused even though its folder would allow replacing it. A symbolic link is
// followed and the file it points to is replaced. An existing file keeps its permissions; a new
// one gets the usual ones for new files.
std::string writeRecordFile(const std::filesystem::path& path, const ClientRecord& record);

} // namespace obrix::records
