#pragma once

// Reading record files from disk (saving is records/save/record_save.h).

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

// Describes why path cannot be read or replaced as a plain file ("Is a directory", "Not a
// regular file", ...); empty when it can, or, with mayBeMissing, when it does not exist yet.
std::string plainFileProblem(const std::filesystem::path& path, bool mayBeMissing);

} // namespace obrix::records
